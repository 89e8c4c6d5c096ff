#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace fw::demo {

struct ArchiveEntry {
    QString name; // path inside the archive, "/" separated
    QByteArray data;
};

struct DemoArchive {
    QString fileName; // as it lies in Main
    QList<ArchiveEntry> entries;
};

// The archives of the stand-in Main folder: the game's Pak0..Pak6 and a few custom map packs
// with deathmatch and objective maps.
QList<DemoArchive> demoArchives();

// Writes DIR/Main with the archives, DIR/MOHAA_server.exe, which starts standinServer, and (on
// systems other than Windows) DIR/omohaaded, which starts nativeStandin.
// Archives are written byte for byte the same on every run; other files in DIR stay untouched.
// Returns the paths written; throws std::runtime_error on a failure.
QStringList makeDemoGameFolder(
    const QString& dir, const QString& standinServer, const QString& nativeStandin);

} // namespace fw::demo
