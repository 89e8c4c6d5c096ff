#pragma once

#include "support/settings/RegistryStore.h"

#include <QString>

namespace fw {

class Clock;
class ErrorReporter;
class PlatformServices;
class Prompter;

// The program-wide values and services, passed to whoever needs them (no singletons).
struct AppContext {
    QString dataDir; // the program's own folder: Default.ini, list files, Main.efr
    QString gamePath; // the game folder as found or chosen; a trailing separator is not guaranteed
    QString mainPath; // the game's Main folder, without a trailing separator
    Prompter& prompter;
    PlatformServices& services;
    const Clock& clock;
    ErrorReporter& errors;
    // The file that stands in for the registry (CAppSettings); every session names its own.
    QString settingsStorePath;

    // The data folder ending in a separator.
    QString dataPath(const QString& fileName) const;
    // A file in the game's Main folder.
    QString mainFile(const QString& fileName) const;
};

} // namespace fw
