#include "maps/MapScanner.h"

#include "maps/MapListWriter.h"
#include "maps/Pk3Archive.h"
#include "maps/ScanProgress.h"
#include "maps/ScanRules.h"
#include "profile/AppState.h"
#include "profile/SettingsCatalogue.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/errors/FortwrightError.h"
#include "support/files/DataFolder.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace fw {

namespace {

// Raised inside the walk when an archive cannot be opened; the walk stops there.
struct UnreadableArchive {
    QString fileName;
};

// The platform's listing order differs between systems; sorting by name (ignoring case
// first, as Windows lists a folder) keeps the map list the same everywhere.
QStringList sortedFiles(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return files;
}

} // namespace

AppStateWriter appStateWriter(AppState& state, const QString& scannedFolder)
{
    const QString stored = cleanGameFolder(state.gameFolder());
    const bool storedElsewhere = !stored.isEmpty() && !sameFolder(stored, scannedFolder);
    return [&state, storedElsewhere](const QString& name, const QString& value) {
        if (storedElsewhere)
            return;
        if (name == kGameFolderValue)
            state.setGameFolder(value);
        else if (name == kFirstTimeValue)
            state.setFirstTime(value == QLatin1String("1"));
    };
}

MapScanner::MapScanner(const AppContext& context, ScanProgress& progress, AppStateWriter writeState)
    : m_context(context)
    , m_progress(progress)
    , m_writeState(std::move(writeState))
{
}

bool MapScanner::gbln_ScanMaps(const QString& baseName)
{
    m_progress.show();
    m_progress.setCurrentFile(QString());
    m_mapsListed = 0;
    try {
        QString gamePath = m_context.gamePath;
        const QString folder = gstr_AddSlash(gamePath) + mainFolderName(gamePath);
        const QFileInfo folderInfo(folder);
        if (!folderInfo.isDir())
            return mainFolderMissing();
        if (!folderInfo.isReadable())
            throw FortwrightError(RuntimeError::PermissionDenied, kExecutableName,
                QStringLiteral("Permission denied: %1").arg(QDir::toNativeSeparators(folder)));
        const QStringList files = sortedFiles(folder);
        m_progress.setMaximum(static_cast<int>(files.size()));

        MapListWriter writer(m_context.dataPath(baseName + QStringLiteral(".efr")));
        m_progress.setValue(1);
        std::optional<QString> unreadable;
        try {
            scanFiles(folder, files, writer);
        } catch (const UnreadableArchive& archive) {
            unreadable = archive.fileName;
        }
        // The lines before an unreadable archive stay in the list.
        writer.close();
        m_mapsListed = writer.linesWritten();
        if (unreadable)
            return archiveUnreadable(*unreadable);
        m_progress.setValue(0);
        return true;
    } catch (const std::exception& e) {
        return otherFailure(FortwrightError::fromStd(e));
    }
}

void MapScanner::scanFiles(const QString& folder, const QStringList& files, MapListWriter& writer)
{
    int counter = 0;
    for (const QString& file : files) {
        m_progress.setValue(++counter);
        if (!isPk3Name(file))
            continue;
        if (!isWellFormedListName(file)) {
            logSkipped(QStringLiteral("the archive ") + visibleName(file));
            continue;
        }
        m_progress.setCurrentFile(QStringLiteral("Scanning ") + file + QStringLiteral(" ...."));
        QStringList skipped;
        const std::optional<QList<MapEntry>> maps = mapsOf(addSlash(folder) + file, file, skipped);
        if (!maps)
            throw UnreadableArchive { file };
        for (const QString& entry : skipped)
            logSkipped(QStringLiteral("the map ") + visibleName(entry) + QStringLiteral(" in ") + file);
        for (const MapEntry& map : *maps)
            writer.write(map);
    }
}

void MapScanner::logSkipped(const QString& what)
{
    logNote(QStringLiteral("skipped ") + what
        + QStringLiteral(": a name in the map list may not hold a control character, a double quote, "
                         "a comma or a semicolon."));
}

void MapScanner::logNote(const QString& text)
{
    m_context.errors.WriteErrorLog(QStringLiteral("Map scan: ") + text, QString(), true, true, false);
}

std::optional<QList<MapEntry>> MapScanner::mapsOf(
    const QString& path, const QString& fileName, QStringList& skipped)
{
    if (std::optional<QList<MapEntry>> stock = stockArchiveMaps(fileName))
        return stock;
    try {
        const Pk3Archive archive(path);
        return customArchiveMaps(archive, fileName, &skipped);
    } catch (const FortwrightError& error) {
        if (error.number() != RuntimeError::FileNotFound)
            throw;
        // The message box names no reason; the log keeps the reader's.
        logNote(error.description());
        return std::nullopt;
    }
}

bool MapScanner::mainFolderMissing()
{
    m_context.prompter.critical(messageLines({
        QStringLiteral("Fortwright was unable to locate any pk3 files in your base folder"),
        QStringLiteral("This might be because the path to MOHAA is inncorrect"),
        QStringLiteral("Fortwright will now close and reset the selected path to MOHAA"),
        QStringLiteral("Restart Fortwright and make sure you select the correct path to MOHAA"),
        QStringLiteral("If this problem continues please contact ") + kContactAddress,
    }));
    m_writeState(kGameFolderValue, QString());
    m_writeState(kFirstTimeValue, QStringLiteral("0"));
    m_progress.hide();
    return failed();
}

bool MapScanner::archiveUnreadable(const QString& fileName)
{
    m_context.prompter.warn(QStringLiteral("The following pk3 ") + fileName
        + QStringLiteral(" file does not contain an arena file, Fortwright is unable to process this file\r\n"
                         "it is recomended that you remove this pk3 file from your MOHAA Main folder and run "
                         "this map scan again")
        + kEightBlanks);
    m_progress.hide();
    return failed();
}

bool MapScanner::otherFailure(const FortwrightError& error)
{
    m_context.prompter.warn(error.description(), error.source());
    return failed();
}

bool MapScanner::failed()
{
    m_progress.setValue(0);
    return false;
}

} // namespace fw
