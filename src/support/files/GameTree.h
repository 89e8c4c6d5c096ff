#pragma once

#include <QString>

namespace fw {

// The name of the game's main folder in gamePath: a Linux tree has "main", a Windows one "Main".
// The child folder that exists under either name in any case ("main" first when a case-sensitive
// file system holds both, as the Linux servers read that one), else "Main".
QString mainFolderName(const QString& gamePath);

} // namespace fw
