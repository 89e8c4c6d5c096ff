#include "standin/RconResponder.h"

#include "standin/CommandLineSetting.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <strings.h>

namespace fw::demo {

namespace {

const std::string kOutOfBand(4, '\xff');

struct FakePlayer {
    int slot;
    int score;
    const char* ping;
    const char* name;
    const char* address;
};

// Names with a blank and a colour code, and one still connecting.
const FakePlayer kPlayers[] = {
    { 0, 5, "48", "Some Player", "203.0.113.9:12203" },
    { 1, 12, "31", "^1Red ^7Baron", "198.51.100.7:12203" },
    { 2, 0, "CNCT", "New Kid", "192.0.2.44:12203" },
};

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* pattern, ...)
{
    char line[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(line, sizeof line, pattern, args);
    va_end(args);
    return line;
}

std::string statusTable(const std::string& map, bool mohaa)
{
    std::string text = "map: " + map + "\n";
    if (mohaa) {
        text += "num score ping name            lastmsg address               qport rate\n"
                "--- ----- ---- --------------- ------- --------------------- ----- -----\n";
        for (const FakePlayer& p : kPlayers)
            text += format("%3d %5d %4s %-15s %7d %-21s %5d %5d\n", p.slot, p.score, p.ping, p.name, 33,
                p.address, 1234 + p.slot, 25000);
    } else {
        text += "cl score ping name            address                                 rate\n"
                "-- ----- ---- --------------- --------------------------------------- -----\n";
        for (const FakePlayer& p : kPlayers)
            text += format(
                "%2d %5d %4s %-15s ^7%-39s %5d\n", p.slot, p.score, p.ping, p.name, p.address, 25000);
    }
    return text;
}

std::string serverStatus(const std::string& map, bool mohaa)
{
    std::string text = "statusResponse\n\\sv_hostname\\Fortwright ^3stand-in\\mapname\\" + map
        + "\\g_gametype\\4\\sv_maxclients\\20\\version\\stand-in 1.0\n";
    for (const FakePlayer& p : kPlayers) {
        const int ping = std::strcmp(p.ping, "CNCT") == 0 ? 999 : std::atoi(p.ping);
        text += mohaa ? format("%d \"%s\"\n", ping, p.name) : format("%d %d \"%s\"\n", p.score, ping, p.name);
    }
    return text;
}

// As long as a real cvarlist, so that the answer needs several datagrams.
std::string variableList()
{
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += format("S     A  standin_variable_%03d \"value number %d\"\n", i, i);
    return text + "600 total cvars\n";
}

// Output split as the engine's redirect buffer flushes it: a line that would overflow the buffer
// starts the next datagram.
std::vector<std::string> printDatagrams(const std::string& text, bool mohaa)
{
    const size_t limit = mohaa ? 8192 - 16 : 1024 - 16;
    const std::string head = kOutOfBand + (mohaa ? "\x01" : "") + "print\n";
    std::vector<std::string> datagrams;
    std::string buffer;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(start, end - start);
        if (!buffer.empty() && buffer.size() + line.size() > limit - 1) {
            datagrams.push_back(head + buffer);
            buffer.clear();
        }
        buffer += line;
        start = end;
    }
    datagrams.push_back(head + buffer);
    return datagrams;
}

// The rconPassword a "set" or "seta" line of the configuration gives (the last one wins), or
// fallback. The configuration is where the server Run starts finds its password.
std::string configuredPassword(const std::string& configName, std::string fallback)
{
    for (const char* folder : { "main/", "Main/" }) {
        std::ifstream config(folder + configName);
        for (std::string line; std::getline(config, line);) {
            std::istringstream words(line);
            std::string verb;
            std::string name;
            words >> verb >> name;
            if ((strcasecmp(verb.c_str(), "set") != 0 && strcasecmp(verb.c_str(), "seta") != 0)
                || strcasecmp(name.c_str(), "rconpassword") != 0)
                continue;
            std::string value;
            std::getline(words >> std::ws, value);
            while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
                value.pop_back();
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            fallback = value;
        }
        if (config.is_open())
            break;
    }
    return fallback;
}

} // namespace

RconResponder::RconResponder(std::string password, std::string map)
    : m_password(std::move(password))
    , m_map(std::move(map))
{
    const char* off = std::getenv("FORTWRIGHT_STANDIN_NO_RATE_LIMIT");
    m_limit = !(off && std::strcmp(off, "1") == 0);
}

RconResponder RconResponder::fromCommandLine(int argc, const char* const* argv)
{
    const char* fromEnvironment = std::getenv("FORTWRIGHT_STANDIN_RCON_PASSWORD");
    std::string password = fromEnvironment ? fromEnvironment : "";
    for (int i = 1; i + 1 < argc; ++i) {
        if (strcasecmp(argv[i], "+exec") == 0)
            password = configuredPassword(argv[i + 1], password);
    }
    return RconResponder(commandLineSetting(argc, argv, "rconpassword", password),
        commandLineSetting(argc, argv, "map", "obj/obj_team1"));
}

// The server's own rule: a burst of 10, then one a second, per address; beyond that, silence.
bool RconResponder::limited(const std::string& from, long long now)
{
    if (!m_limit)
        return false;
    constexpr int kBurst = 10;
    constexpr long long kPeriod = 1000;
    Bucket& bucket = m_buckets[from];
    const long long interval = now - bucket.last;
    const long long expired = interval / kPeriod;
    if (expired > bucket.count || interval < 0) {
        bucket.count = 0;
        bucket.last = now;
    } else {
        bucket.count -= static_cast<int>(expired);
        bucket.last = now - interval % kPeriod;
    }
    if (bucket.count < kBurst) {
        ++bucket.count;
        return false;
    }
    return true;
}

std::vector<std::string> RconResponder::answer(
    const std::string& datagram, const std::string& from, long long now)
{
    if (datagram.compare(0, 4, kOutOfBand) != 0 || datagram.size() < 5)
        return {};
    const bool mohaa = datagram[4] == '\x02';
    std::string text = datagram.substr(mohaa ? 5 : 4);
    text = text.substr(0, text.find_first_of(std::string("\n\r\0", 3)));
    const std::string verb = text.substr(0, text.find(' '));
    if (verb != "rcon" && verb != "getstatus" && verb != "getinfo")
        return {};
    if (limited(from, now))
        return {};
    if (verb == "getstatus")
        return { kOutOfBand + serverStatus(m_map, mohaa) };
    if (verb == "getinfo")
        return { kOutOfBand + "infoResponse\n\\mapname\\" + m_map + "\\clients\\3\\sv_maxclients\\20" };
    // rcon <password> <command...>
    const std::string rest = text.size() > 5 ? text.substr(5) : std::string();
    const size_t blank = rest.find(' ');
    const std::string password = rest.substr(0, blank);
    const std::string command = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    if (m_password.empty())
        return printDatagrams("No rconpassword set on the server.\n", mohaa);
    if (password != m_password)
        return printDatagrams("Bad rconpassword.\n", mohaa);
    return printDatagrams(run(command, mohaa), mohaa);
}

std::string RconResponder::run(const std::string& command, bool mohaa) const
{
    const std::string verb = command.substr(0, command.find(' '));
    const std::string rest = verb.size() < command.size() ? command.substr(verb.size() + 1) : std::string();
    if (verb == "status")
        return statusTable(m_map, mohaa);
    if (verb == "cvarlist")
        return variableList();
    if (verb == "say")
        return "console: " + rest + "\n";
    if (verb == "echo")
        return rest + "\n";
    if (verb == "clientkick" || verb == "banaddr" || verb == "tell")
        return verb + " done: " + rest + "\n";
    return "Unknown command \"" + verb + "\"\n";
}

} // namespace fw::demo
