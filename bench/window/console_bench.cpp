// Floods the Server Console with server output while a timer every 5 ms measures how late it
// fires. Prints, tab-separated: the longest stall of the event loop (ms), the growth of the
// resident memory from before the flood to after it (MB), the time until the last line was shown
// (ms), the lines the console holds, and the lines it was given.
//   console_bench server STANDIN WORK LINES [PNG]
//       the stand-in native server, started under the supervisor with its data folder in WORK,
//       prints LINES lines as fast as it can; the console follows the supervisor's output
//   console_bench feed LINES BATCH PAUSE [PNG]
//       LINES lines emitted BATCH at a time, PAUSE ms apart (0: every turn of the event loop),
//       through the slot the supervisor's output reaches, without a server
// PNG, when given, receives a picture of the console afterwards.
#include "app/ConsoleOutputView.h"
#include "app/FrmServerConsole.h"
#include "server/hosting/HostedServer.h"
#include "support/platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace fw;

namespace {

// Resident memory in kB, from the kernel's own account.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Lines of the length and shape a busy server prints.
QStringList outputLines(int from, int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = from; i < from + count; ++i)
        lines.append(QStringLiteral("%1 ^7Player%2 connected from 203.0.113.%3:12203, ping %4, "
                                    "rate 25000, team allies")
                         .arg(i, 7)
                         .arg(i % 64)
                         .arg(i % 250)
                         .arg(i % 300));
    return lines;
}

// Stands in for the supervisor's output signal.
class OutputSource : public QObject {
    Q_OBJECT
signals:
    void output(const QStringList& lines);
};

quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress);
    return probe.localPort();
}

struct Measure {
    qint64 longestStall = 0;
    qint64 shownAt = -1;
    long growthKb = 0;
};

// Runs the event loop from start() until done() (asked every millisecond) holds, with the probe
// running; the memory is read before start() and after a quiet spell at the end.
Measure measure(const std::function<void()>& start, const std::function<bool()>& done)
{
    Measure m;
    QApplication::processEvents();
    const long before = residentKb();
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        m.longestStall = std::max(m.longestStall, now - lastTick - 5);
        lastTick = now;
    });
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!done())
            return;
        m.shownAt = clock.elapsed();
        watch.stop();
        // A quiet spell, so that the memory is measured after any deferred layout.
        QTimer::singleShot(300, qApp, &QApplication::quit);
    });
    probe.start();
    watch.start();
    start();
    QTimer::singleShot(120000, qApp, &QApplication::quit);
    QApplication::exec();
    m.growthKb = residentKb() - before;
    return m;
}

QString lastShown(const FrmServerConsole& console)
{
    return console.output()->document()->lastBlock().text();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    FrmServerConsole console;
    console.showState(QStringLiteral("running"), true);
    console.show();
    Measure m;
    QString png;
    qsizetype received = 0;
    if (mode == QLatin1String("server") && args.size() >= 5) {
        const QString work = args[3];
        const int total = args[4].toInt();
        png = args.value(5);
        Clock clock;
        HostedServer server(HostFiles::inDataFolder(work), clock);
        QObject::connect(&server, &HostedServer::output, &console, &FrmServerConsole::appendOutput);
        qputenv("FORTWRIGHT_STANDIN_LINES", QByteArray::number(total));
        const quint16 port = freePort();
        const HostCommand command { args[2],
            { QStringLiteral("+set"), QStringLiteral("net_port"), QString::number(port) }, work, true };
        // The flood is over when the console shows the last line the supervisor passed on and the
        // supervisor has been quiet for a second (it may pass on fewer lines than were printed).
        QString lastLine;
        QElapsedTimer quiet;
        QObject::connect(&server, &HostedServer::output, [&](const QStringList& lines) {
            received += lines.size();
            lastLine = lines.last();
            quiet.start();
        });
        const QString floodEnd = QStringLiteral("flood line %1 of").arg(total);
        m = measure([&] { server.start(command, port); },
            [&] {
                return received > 0 && lastShown(console) == lastLine
                    && (lastLine.startsWith(floodEnd) || quiet.elapsed() > 1000);
            });
        if (!server.stopAndWait(std::chrono::seconds(5)))
            std::fprintf(stderr, "the stand-in outlived SIGKILL\n");
    } else if (mode == QLatin1String("feed") && args.size() >= 5) {
        const int total = args[2].toInt();
        const int batch = std::max(1, args[3].toInt());
        const int pause = std::max(0, args[4].toInt());
        png = args.value(5);
        OutputSource source;
        QObject::connect(&source, &OutputSource::output, &console, &FrmServerConsole::appendOutput);
        // The lines are made before the measure, as the supervisor would have them read.
        QList<QStringList> batches;
        for (int sent = 0; sent < total; sent += batch)
            batches.append(outputLines(sent, std::min(batch, total - sent)));
        qsizetype next = 0;
        QTimer feed;
        feed.setTimerType(Qt::PreciseTimer);
        feed.setInterval(pause);
        QObject::connect(&feed, &QTimer::timeout, [&] {
            if (next < batches.size())
                emit source.output(batches[next++]);
            else
                feed.stop();
        });
        const QString lastLine = QStringLiteral("%1 ").arg(total - 1, 7);
        m = measure([&] { feed.start(); }, [&] { return lastShown(console).startsWith(lastLine); });
        received = total;
    } else {
        std::fprintf(stderr,
            "usage: console_bench server STANDIN WORK LINES [PNG]\n"
            "       console_bench feed LINES BATCH PAUSE [PNG]\n");
        return 2;
    }
    if (!png.isEmpty())
        console.grab().save(png);
    std::printf("%lld\t%.1f\t%lld\t%d\t%lld\n", static_cast<long long>(m.longestStall), m.growthKb / 1024.0,
        static_cast<long long>(m.shownAt), console.output()->document()->blockCount(),
        static_cast<long long>(received));
    return m.shownAt < 0 ? 1 : 0;
}

#include "console_bench.moc"
