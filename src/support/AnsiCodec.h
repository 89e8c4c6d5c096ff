#pragma once

#include <QByteArray>
#include <QString>

namespace fw {

// Windows-1252 ("ANSI") text, the encoding of every file Fortwright reads or writes and of the
// rcon datagrams. Characters the code page lacks are written as "?".
QByteArray toAnsi(const QString& text);
QString fromAnsi(const QByteArray& bytes);
// True when every character of text has a Windows-1252 byte.
bool isAnsiRepresentable(const QString& text);

} // namespace fw
