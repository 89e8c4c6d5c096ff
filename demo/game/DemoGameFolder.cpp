#include "game/DemoGameFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <stdexcept>
#include <zip.h>

namespace fw::demo {

namespace {

// Entries carry this time (2001-11-20, the game's era) so that every run writes the same bytes.
constexpr time_t kEntryTime = 1006214400;

QByteArray standinBytes(const QString& what)
{
    return QStringLiteral("Fortwright demo stand-in: %1\n").arg(what).toUtf8();
}

ArchiveEntry mapEntry(const QString& folder, const QString& map)
{
    return { QStringLiteral("maps/%1/%2.bsp").arg(folder, map), standinBytes(QStringLiteral("map ") + map) };
}

ArchiveEntry scriptEntry(const QString& folder, const QString& map)
{
    return { QStringLiteral("maps/%1/%2.scr").arg(folder, map),
        QStringLiteral("main:\n\tlevel waittill spawn\nend\n").toUtf8() };
}

DemoArchive stockArchive(int number)
{
    const QString name = QStringLiteral("Pak%1.pk3").arg(number);
    DemoArchive archive { name, { { QStringLiteral("fortwright-demo.txt"), standinBytes(name) } } };
    if (number == 5) {
        for (int i = 1; i <= 4; ++i)
            archive.entries.append(mapEntry(QStringLiteral("obj"), QStringLiteral("obj_team%1").arg(i)));
        for (int i = 1; i <= 7; ++i)
            archive.entries.append(mapEntry(QStringLiteral("dm"), QStringLiteral("mohdm%1").arg(i)));
    } else if (number == 6) {
        archive.entries.append(mapEntry(QStringLiteral("dm"), QStringLiteral("mohdm6")));
    }
    return archive;
}

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

void writeArchive(const QString& path, const DemoArchive& archive)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        fail(QStringLiteral("cannot create %1 (libzip error %2)").arg(path).arg(error));
    for (const ArchiveEntry& entry : archive.entries) {
        // The buffer stays alive in archive until zip_close has written it.
        zip_source_t* source
            = zip_source_buffer(zip, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index = source
            ? zip_file_add(zip, entry.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
            : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            const QString reason = QString::fromUtf8(zip_strerror(zip));
            zip_discard(zip);
            fail(QStringLiteral("cannot add %1 to %2: %3").arg(entry.name, path, reason));
        }
        zip_file_set_mtime(zip, zip_uint64_t(index), kEntryTime, 0);
    }
    if (zip_close(zip) != 0) {
        const QString reason = QString::fromUtf8(zip_strerror(zip));
        zip_discard(zip);
        fail(QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
}

// A single-quoted word for /bin/sh.
QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

void writeServerProgram(const QString& path, const QString& standinServer)
{
#ifdef Q_OS_WIN
    if (QFile::exists(path) && !QFile::remove(path))
        fail(QStringLiteral("cannot replace %1").arg(path));
    if (!QFile::copy(standinServer, path))
        fail(QStringLiteral("cannot copy %1 to %2").arg(standinServer, path));
#else
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    file.write(QStringLiteral("#!/bin/sh\n"
                              "# Stand-in for the game's dedicated server, made by fortwright-demo-game.\n"
                              "exec %1 \"$@\"\n")
                   .arg(shellQuoted(standinServer))
                   .toUtf8());
    if (!file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    QFile::setPermissions(path,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther);
#endif
}

} // namespace

QList<DemoArchive> demoArchives()
{
    QList<DemoArchive> archives;
    for (int number = 0; number <= 6; ++number)
        archives.append(stockArchive(number));
    archives.append({ QStringLiteral("user-stalingrad.pk3"),
        { mapEntry(QStringLiteral("dm"), QStringLiteral("stalingrad")),
            scriptEntry(QStringLiteral("dm"), QStringLiteral("stalingrad")) } });
    archives.append({ QStringLiteral("user-bridges.pk3"),
        { mapEntry(QStringLiteral("obj"), QStringLiteral("obj_bridges")),
            mapEntry(QStringLiteral("dm"), QStringLiteral("bridges_dm")) } });
    archives.append({ QStringLiteral("zz_harbor_pack.pk3"),
        { mapEntry(QStringLiteral("dm"), QStringLiteral("harbor_day")),
            mapEntry(QStringLiteral("dm"), QStringLiteral("harbor_night")),
            mapEntry(QStringLiteral("obj"), QStringLiteral("obj_harbor")),
            scriptEntry(QStringLiteral("obj"), QStringLiteral("obj_harbor")) } });
    archives.append({ QStringLiteral("user-snowvillage.pk3"),
        { mapEntry(QStringLiteral("obj"), QStringLiteral("obj_snowvillage")) } });
    return archives;
}

QStringList makeDemoGameFolder(const QString& dir, const QString& standinServer, const QString& nativeStandin)
{
    const QDir game(dir);
    if (!game.mkpath(QStringLiteral("Main")))
        fail(QStringLiteral("cannot create %1").arg(game.filePath(QStringLiteral("Main"))));
    QStringList written;
    for (const DemoArchive& archive : demoArchives()) {
        const QString path = game.filePath(QStringLiteral("Main/") + archive.fileName);
        writeArchive(path, archive);
        written.append(path);
    }
    const QString server = game.filePath(QStringLiteral("MOHAA_server.exe"));
    writeServerProgram(server, standinServer);
    written.append(server);
#ifndef Q_OS_WIN
    const QString native = game.filePath(QStringLiteral("omohaaded"));
    writeServerProgram(native, nativeStandin);
    written.append(native);
#else
    Q_UNUSED(nativeStandin);
#endif
    return written;
}

} // namespace fw::demo
