#pragma once

#include <QByteArray>
#include <QString>

namespace fw {

// The five bytes that open every rcon command the game's console accepts out of band:
// 0xFF 0xFF 0xFF 0xFF 0x02.
QByteArray rconHeader();

// header + "rcon " + password + " say " + line, in Windows-1252, nothing after the last byte.
QByteArray messageDatagram(const QByteArray& header, const QString& password, const QString& line);

// 0xFF x4 + "rcon " + password + " status": the status command carries no 0x02 byte.
QByteArray statusDatagram(const QString& password);

// The bytes as text for people: printable ASCII as it is, a backslash doubled, every other byte
// as \xNN (lower-case hex).
QString readableDatagram(const QByteArray& bytes);

} // namespace fw
