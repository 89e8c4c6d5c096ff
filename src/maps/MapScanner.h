#pragma once

#include "maps/MapEntry.h"

#include <QList>
#include <functional>
#include <optional>

namespace fw {

struct AppContext;
class AppState;
class FortwrightError;
class MapListWriter;
class ScanProgress;

// Stored application values a scan resets when the game's Main folder is missing, so that the
// next start asks for the game folder again and rescans.
inline const QString kGameFolderValue = QStringLiteral("MOHAA");
inline const QString kFirstTimeValue = QStringLiteral("FirstTime");
// Stores one application value (name, text); the application-state layer provides it.
using AppStateWriter = std::function<void(const QString& valueName, const QString& value)>;
// The writer that stores those values in the program's settings; the state must outlive it.
// scannedFolder is the game folder of the scan: a different folder stored there never failed,
// so it is left as it is.
AppStateWriter appStateWriter(AppState& state, const QString& scannedFolder);

// Builds the map list from the pk3 archives of the game's Main folder.
class MapScanner {
public:
    MapScanner(const AppContext& context, ScanProgress& progress, AppStateWriter writeState);

    // Writes baseName + ".efr" in the data folder. True when the whole folder was walked; false
    // after any failure, which has been shown by then.
    bool gbln_ScanMaps(const QString& baseName);
    // The lines the last scan wrote to the map list.
    qsizetype mapsListed() const { return m_mapsListed; }

private:
    void scanFiles(const QString& folder, const QStringList& files, MapListWriter& writer);
    // Nothing when the archive cannot be opened; maps whose names are not well formed are left
    // out and named in skipped.
    std::optional<QList<MapEntry>> mapsOf(const QString& path, const QString& fileName, QStringList& skipped);
    // Notes in the error log what the scan left out, and why.
    void logSkipped(const QString& what);
    void logNote(const QString& text);

    bool mainFolderMissing();
    bool archiveUnreadable(const QString& fileName);
    bool otherFailure(const FortwrightError& error);
    bool failed();

    const AppContext& m_context;
    ScanProgress& m_progress;
    AppStateWriter m_writeState;
    qsizetype m_mapsListed = 0;
};

} // namespace fw
