#pragma once

#include <QString>

namespace fw {

class Prompter;

// Asks for the file to write in a save dialog that asks before overwriting (explorer style),
// starting in initialDir with no proposed name. Empty when cancelled.
QString askSavePath(
    Prompter& prompter, const QString& title, const QString& filter, const QString& initialDir);

} // namespace fw
