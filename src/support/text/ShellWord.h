#pragma once

#include <QString>

namespace fw {

// The text as one word of a POSIX shell command line: as it is when no character in it means
// anything to the shell, else in single quotes (a quote inside closed, escaped and reopened).
QString shellWord(const QString& text);

} // namespace fw
