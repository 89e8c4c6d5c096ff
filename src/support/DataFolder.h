#pragma once

#include <QString>

namespace fw {

// The data folder (Default.ini, the list files, Main.efr, grid.dat, tempcfg.cfg, the error log):
// the given option, else FORTWRIGHT_HOME, else the executable's folder when it is writable
// (portable use), else the per-user data location. The folder is created when missing.
QString resolveDataFolder(const QString& optionValue);

// The folder the game is looked for in when nothing is stored: $HOME/mohaa here,
// "C:\Program Files\MOHAA" on Windows.
QString defaultGameFolder();

} // namespace fw
