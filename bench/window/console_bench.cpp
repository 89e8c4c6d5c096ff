// Pushes LINES lines of server output into the Server Console as fast as the event loop lets a
// source emit them, through the slot the supervised server's output signal reaches, while a timer
// every 5 ms measures how late it fires. Prints, tab-separated: the longest stall of the event
// loop (ms), the growth of the resident memory from before the flood to after it (MB), the time
// until the last line was shown (ms), and the lines the console holds.
//   console_bench LINES [BATCH] [PAUSE] [PNG]
// BATCH lines are emitted at a time (default 1,000), PAUSE milliseconds apart (default 0: every
// turn of the event loop); PNG, when given, receives a picture of the console afterwards.
#include "app/ConsoleOutputView.h"
#include "app/FrmServerConsole.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <cstdio>

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

// Stands in for the server's output signal.
class OutputSource : public QObject {
    Q_OBJECT
signals:
    void output(const QStringList& lines);
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int total = args.value(1).toInt();
    const int batch = std::max(1, args.value(2, QStringLiteral("1000")).toInt());
    const int pause = std::max(0, args.value(3).toInt());
    const QString png = args.value(4);
    if (total <= 0) {
        std::fprintf(stderr, "usage: console_bench LINES [BATCH] [PAUSE] [PNG]\n");
        return 2;
    }

    FrmServerConsole console;
    console.showState(QStringLiteral("running since 12:00:03 (PID 4242)"), true);
    console.show();
    OutputSource source;
    QObject::connect(&source, &OutputSource::output, &console, &FrmServerConsole::appendOutput);
    // The lines are made before the measure, as the server's follower would have them read.
    QList<QStringList> batches;
    for (int sent = 0; sent < total; sent += batch)
        batches.append(outputLines(sent, std::min(batch, total - sent)));
    QApplication::processEvents();
    const long before = residentKb();

    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestStall = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestStall = std::max(longestStall, now - lastTick - 5);
        lastTick = now;
    });
    probe.start();

    const QString lastLine = QStringLiteral("%1 ").arg(total - 1, 7);
    qsizetype next = 0;
    qint64 shownAt = -1;
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    feed.setInterval(pause);
    QObject::connect(&feed, &QTimer::timeout, [&] {
        if (next < batches.size()) {
            emit source.output(batches[next++]);
            return;
        }
        // Everything emitted: the flood ends when the last line is on screen.
        if (!console.output()->document()->lastBlock().text().startsWith(lastLine))
            return;
        shownAt = clock.elapsed();
        feed.stop();
        // Some turns of quiet, so that the memory is measured after any deferred layout.
        QTimer::singleShot(300, &app, &QApplication::quit);
    });
    feed.start();
    QApplication::exec();
    probe.stop();
    const long after = residentKb();
    if (!png.isEmpty())
        console.grab().save(png);
    std::printf("%lld\t%.1f\t%lld\t%d\n", static_cast<long long>(longestStall), (after - before) / 1024.0,
        static_cast<long long>(shownAt), console.output()->document()->blockCount());
    return shownAt < 0 ? 1 : 0;
}

#include "console_bench.moc"
