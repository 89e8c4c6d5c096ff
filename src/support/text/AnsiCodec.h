#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace fw {

// Windows-1252 ("ANSI") text, the encoding of every file Fortwright reads or writes and of the
// rcon datagrams. Characters the code page lacks are written as "?".
QByteArray toAnsi(const QString& text);
QString fromAnsi(QByteArrayView bytes);
// True when every character of text has a Windows-1252 byte.
bool isAnsiRepresentable(const QString& text);

// The text of a file that holds what a user typed (a list, the message): Windows-1252 while every
// character has a byte there, else UTF-8 behind a byte-order mark, so that nothing typed turns
// into "?". decodeUserText reads either.
inline const QByteArray kUtf8Mark("\xEF\xBB\xBF");
QByteArray encodeUserText(const QString& text);
QString decodeUserText(const QByteArray& bytes);

} // namespace fw
