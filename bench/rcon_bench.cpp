// fortwright-rcon-bench PORT COUNT: sends COUNT rcon commands one after another to 127.0.0.1:PORT
// (password from FORTWRIGHT_RCON_PASSWORD) the way the command line does, without the client's
// rate limit, and prints one line:
//   <median ms> <max ms> <quiet gap ms> <refresh cpu ms>
// The round trip runs from the command handed to the client to its answer written to standard
// error and flushed. The last figure is the processor time of one player-table refresh (rcon
// status and its parsing), averaged over COUNT refreshes.
#include "server/rcon/RconExchange.h"
#include "server/rcon/StatusParsers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double processorMs()
{
    timespec used {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1000.0 + double(used.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fortwright-rcon-bench PORT COUNT\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    // The rate limit is lifted here as in the stand-in: the figure is the round trip, not the
    // wait the limit asks for (one second a command after the first ten).
    fw::RconTimings timings;
    timings.burst = 2 * count + 1;
    fw::RconClient client({ QStringLiteral("127.0.0.1"), quint16(std::atoi(argv[1])) },
        qEnvironmentVariable("FORTWRIGHT_RCON_PASSWORD"), timings);
    std::vector<double> trips;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer trip;
        trip.start();
        const fw::RconReply reply = fw::commandAndWait(client, QStringLiteral("echo round %1").arg(i));
        if (!reply.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(reply.message));
            return 1;
        }
        std::fputs(qPrintable(reply.text), stderr);
        std::fflush(stderr);
        trips.push_back(double(trip.nsecsElapsed()) / 1e6);
    }
    std::sort(trips.begin(), trips.end());
    const double median = trips.size() % 2 ? trips[trips.size() / 2]
                                           : (trips[trips.size() / 2 - 1] + trips[trips.size() / 2]) / 2;
    const double before = processorMs();
    for (int i = 0; i < count; ++i) {
        const auto table = fw::parsePlayerTable(fw::commandAndWait(client, QStringLiteral("status")).text);
        if (!table || table->players.isEmpty())
            return 1;
    }
    std::printf("%.1f %.1f %d %.3f\n", median, trips.back(), client.timings().quietGapMs,
        (processorMs() - before) / count);
    return 0;
}
