#pragma once

#include <QString>

namespace fw {

// What a session does with its data folder: one that only reads creates nothing.
enum class DataFolderUse { Write, ReadOnly };

// The data folder (Default.ini, the list files, Main.efr, grid.dat, tempcfg.cfg, the error log):
// the given option, else FORTWRIGHT_HOME, else the executable's folder when it is writable and not
// an installed program folder (portable use, the build tree), else the per-user data location.
// A missing folder is created for writing: a named one (the option or the variable) only as its
// last level, like the program folder, so that a mistyped path fails instead of growing a tree;
// the per-user one whole. For reading, a missing named folder is a failure and a missing per-user
// one is left missing. A path that is a file, or a folder that cannot be created, throws
// FortwrightError 75; a missing folder that is not created throws 76. The first form looks at the
// running executable's folder.
QString resolveDataFolder(const QString& optionValue, DataFolderUse use = DataFolderUse::Write);
QString resolveDataFolder(
    const QString& optionValue, const QString& executableFolder, DataFolderUse use = DataFolderUse::Write);

// Whether a program in this folder was installed: the folder is named "bin" and has a "share"
// folder beside it, the layout of /usr, /usr/local, /opt/NAME and ~/.local.
bool isInstalledProgramFolder(const QString& executableFolder);

// Where one session keeps its data and its settings store (the stand-in for the registry).
struct SessionFolders {
    QString dataDir;
    QString settingsStore;
};
// The data folder as above. The settings store: FORTWRIGHT_SETTINGS when set; else, when a data
// folder was named (the option or FORTWRIGHT_HOME), "registry.json" inside it, so that a
// session given its own folder reads and writes nothing of the user's; else the per-user
// configuration location.
SessionFolders resolveSessionFolders(const QString& dataDirOption, DataFolderUse use = DataFolderUse::Write);

// The folder the game is looked for in when nothing is stored: $HOME/mohaa here,
// "C:\Program Files\MOHAA" on Windows.
QString defaultGameFolder();

// The stored game folder as start-up uses it: blanks trimmed from both ends, then one trailing
// NUL (left by an installation record) dropped.
QString cleanGameFolder(const QString& stored);
// Whether two spellings name the same folder (separators, a trailing one, "." and "..").
bool sameFolder(const QString& a, const QString& b);

} // namespace fw
