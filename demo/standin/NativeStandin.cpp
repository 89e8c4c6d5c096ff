// fortwright-standin-omohaaded: stands in for a native dedicated server (OpenMoHAA's omohaaded)
// as far as supervising one needs. It prints its start-up lines and the ready line, executes
// "status", "say TEXT", "quit", "crash" and "flood N" read from standard input, answers rcon and
// getstatus on its UDP port as the real one does (RconResponder), showing each rcon command without
// its password and any other datagram byte for byte, and on SIGTERM or SIGINT shuts down as the real
// one does (exit 1).
//
// Environment, for tests and benchmarks:
//   FORTWRIGHT_STANDIN_EXIT=N         exit with status N right after the start-up lines
//   FORTWRIGHT_STANDIN_CRASH=1        crash (signal 11) right after the ready line
//   FORTWRIGHT_STANDIN_IGNORE_QUIT=1  answer "quit" without quitting
//   FORTWRIGHT_STANDIN_LINES=N        print N numbered lines as fast as it can after the ready line
//   FORTWRIGHT_STANDIN_READY_MS=N     wait N ms before the ready line
// and those of RconResponder.h (the rcon password, the rate limit).

#include "standin/CommandLineSetting.h"
#include "standin/RconResponder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_stopSignal = 0;

extern "C" void onStopSignal(int signal)
{
    g_stopSignal = signal;
}

long envNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

void shutdownLine(const char* why)
{
    std::printf("----- Server Shutdown (%s) -----\n", why);
    std::fflush(stdout);
}

[[noreturn]] void crash()
{
    shutdownLine("Received signal 11");
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
    std::abort();
}

void flood(long count)
{
    // Full buffering for speed: the lines go out in large writes, as a busy server's would.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    for (long i = 1; i <= count; ++i)
        std::printf("flood line %ld of %ld: the quick brown fox jumps over the lazy dog\n", i, count);
    std::fflush(stdout);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

// Like the real server: the configured port, or one of the nine after it when that is taken.
int openPort(const std::string& address, int port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    for (int attempt = 0; attempt < 10; ++attempt) {
        sockaddr_in where {};
        where.sin_family = AF_INET;
        where.sin_port = htons(static_cast<uint16_t>(port + attempt));
        where.sin_addr.s_addr = htonl(INADDR_ANY);
        if (!address.empty())
            inet_pton(AF_INET, address.c_str(), &where.sin_addr);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0) {
            std::printf(
                "Opening IP socket: %s:%d\n", address.empty() ? "0.0.0.0" : address.c_str(), port + attempt);
            return fd;
        }
        std::printf("WARNING: UDP_OpenSocket: bind: Address already in use (port %d)\n", port + attempt);
    }
    ::close(fd);
    return -1;
}

long long steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void showDatagram(int socket, fw::demo::RconResponder& rcon)
{
    char bytes[2048];
    sockaddr_in from {};
    socklen_t length = sizeof from;
    const ssize_t n = ::recvfrom(socket, bytes, sizeof bytes, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (n <= 0)
        return;
    char address[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
    for (const std::string& reply :
        rcon.answer(std::string(bytes, static_cast<size_t>(n)), address, steadyMs()))
        ::sendto(socket, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), length);

    // As a real server: an rcon command is shown without its password, a query not at all.
    std::string body(bytes, static_cast<size_t>(n));
    if (body.rfind("\xFF\xFF\xFF\xFF", 0) == 0) {
        body.erase(0, body.size() > 4 && (body[4] == '\x02' || body[4] == '\x01') ? 5 : 4);
        if (body.rfind("getstatus", 0) == 0 || body.rfind("getinfo", 0) == 0)
            return;
        if (body.rfind("rcon ", 0) == 0) {
            const size_t command = body.find(' ', 5);
            std::printf("Rcon from %s:%d: %s\n", address, ntohs(from.sin_port),
                command == std::string::npos ? "" : body.c_str() + command + 1);
            return;
        }
    }
    std::string text;
    for (ssize_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7f) {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    std::printf("datagram from %s:%d: %s\n", address, ntohs(from.sin_port), text.c_str());
}

// Executes one console line; false when the server is to end.
bool execute(const std::string& line, const std::string& map, bool ignoreQuit)
{
    const std::string command = line.substr(0, line.find(' '));
    const std::string rest = line.size() > command.size() ? line.substr(command.size() + 1) : std::string();
    if (command == "quit") {
        if (ignoreQuit) {
            std::printf("quit ignored\n");
            return true;
        }
        shutdownLine("Server quit");
        return false;
    }
    if (command == "status") {
        std::printf("map: %s\n", map.c_str());
        std::printf("num score ping name            lastmsg address               qport rate\n");
        std::printf("--- ----- ---- --------------- ------- --------------------- ----- -----\n");
    } else if (command == "say") {
        std::printf("console: %s\n", rest.c_str());
    } else if (command == "crash") {
        crash();
    } else if (command == "flood") {
        flood(std::strtol(rest.c_str(), nullptr, 10));
    } else if (!command.empty()) {
        std::printf("Unknown command \"%s\"\n", command.c_str());
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::signal(SIGTERM, onStopSignal);
    std::signal(SIGINT, onStopSignal);

    std::printf("OpenMoHAA stand-in for Fortwright's demo game folder\n");
    for (int i = 1; i < argc; ++i)
        std::printf("argument %d: %s\n", i, argv[i]);
    char folder[4096] = {};
    std::printf("working folder: %s\n", getcwd(folder, sizeof folder) ? folder : "?");
    const long exitStatus = envNumber("FORTWRIGHT_STANDIN_EXIT", -1);
    if (exitStatus >= 0) {
        std::printf("Exiting at once as told (status %ld)\n", exitStatus);
        return static_cast<int>(exitStatus);
    }
    const std::string map = fw::demo::commandLineSetting(argc, argv, "map", "obj/obj_team1");
    const int socket = openPort(fw::demo::commandLineSetting(argc, argv, "net_ip", ""),
        static_cast<int>(
            std::strtol(fw::demo::commandLineSetting(argc, argv, "net_port", "12203").c_str(), nullptr, 10)));
    const long readyDelay = envNumber("FORTWRIGHT_STANDIN_READY_MS", 0);
    if (readyDelay > 0)
        ::usleep(static_cast<useconds_t>(readyDelay) * 1000);
    std::printf("------ Server Initialization Complete ------\n");
    if (envNumber("FORTWRIGHT_STANDIN_CRASH", 0) != 0)
        crash();
    const long lines = envNumber("FORTWRIGHT_STANDIN_LINES", 0);
    if (lines > 0)
        flood(lines);

    auto rcon = fw::demo::RconResponder::fromCommandLine(argc, argv);
    const bool ignoreQuit = envNumber("FORTWRIGHT_STANDIN_IGNORE_QUIT", 0) != 0;
    std::string pending;
    bool inputOpen = true;
    while (g_stopSignal == 0) {
        pollfd watched[2] = { { socket, POLLIN, 0 }, { STDIN_FILENO, POLLIN, 0 } };
        if (::poll(watched, inputOpen ? 2 : 1, -1) < 0)
            continue; // a signal: the loop's test sees it
        if (socket >= 0 && (watched[0].revents & POLLIN))
            showDatagram(socket, rcon);
        if (inputOpen && (watched[1].revents & (POLLIN | POLLHUP))) {
            char bytes[4096];
            const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
            if (n <= 0) {
                inputOpen = false; // end of input: no more commands, as the real one does
                continue;
            }
            pending.append(bytes, static_cast<size_t>(n));
            for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
                std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (!execute(line, map, ignoreQuit))
                    return 0;
            }
        }
    }
    char why[32];
    std::snprintf(why, sizeof why, "Received signal %d", static_cast<int>(g_stopSignal));
    shutdownLine(why);
    return 1;
}
