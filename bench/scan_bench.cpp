// Runs one map scan of GAME_DIR/Main into DATA_DIR/Main.efr and prints how long it took.
#include "cli/ConsolePrompter.h"
#include "maps/MapScanner.h"
#include "maps/Pk3Archive.h"
#include "maps/ScanProgress.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Clock.h"
#include "support/platform/PlatformServices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

// The high-water mark of this program's own memory. Not getrusage: its maximum is carried over
// from the parent at fork, so a large benchmark script would be counted as the scan's.
qint64 peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    fw::Pk3Archive::cacheLocalTimeZone();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("Usage: fortwright-scan-bench GAME_DIR DATA_DIR\n", stderr);
        return 2;
    }
    QTextStream err(stderr);
    fw::cli::ConsolePrompter prompter(err);
    fw::SystemPlatformServices services;
    fw::Clock clock;
    fw::ErrorReporter errors(args[2], prompter, clock);
    const fw::AppContext context { args[2], args[1], fw::addSlash(args[1]) + QStringLiteral("Main"), prompter,
        services, clock, errors, args[2] + QStringLiteral("/registry.json") };
    fw::SilentScanProgress progress;
    fw::MapScanner scanner(context, progress, [&err](const QString& name, const QString& value) {
        err << "would store " << name << " = \"" << value << "\"" << Qt::endl;
    });

    QElapsedTimer timer;
    timer.start();
    const bool ok = scanner.gbln_ScanMaps(QStringLiteral("Main"));
    const qint64 elapsed = timer.nsecsElapsed();
    QTextStream(stdout) << "scan_seconds " << QString::number(static_cast<double>(elapsed) / 1e9, 'f', 6)
                        << Qt::endl;
    QTextStream(stdout) << "peak_kib " << peakResidentKib() << Qt::endl;
    return ok ? 0 : 1;
}
