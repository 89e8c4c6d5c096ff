#pragma once

#include <QString>
#include <QStringList>

namespace fw::cli {

// An entry number N of a list (counted from 1): not a number is a usage error (exit 2), a
// number outside 1..count a failure (exit 1) naming what. Returns the 0-based index.
int entryIndex(const QString& text, qsizetype count, const QString& what);

// The words of a command, e.g. {"bans", "add"}.
QStringList commandWords(const char* noun, const char* verb);

// A value printed on one line: line breaks become the two characters "\n".
QString oneLine(const QString& text);

} // namespace fw::cli
