#pragma once

// Answers rcon and query datagrams as a real dedicated server does, for the stand-ins. Plain C++
// so that both stand-ins (one without Qt) share it.

#include <map>
#include <string>
#include <vector>

namespace fw::demo {

class RconResponder {
public:
    // password: the server's rconpassword, empty for none. map: the map status names.
    RconResponder(std::string password, std::string map);

    // The answer datagrams to one datagram from an address ("ip"), at now (milliseconds on a
    // steady scale); none for what the server ignores or its rate limit drops. A request with
    // the 0x02 byte is answered in the MOHAA way (0x01 after the four 0xFF, OpenMoHAA's status
    // table, getstatus lines without a score); one without it in the Quake 3 way.
    std::vector<std::string> answer(const std::string& datagram, const std::string& from, long long now);

    // The password of "+set rconpassword P", else of the rconPassword line of the "+exec NAME"
    // configuration in main/ of the working folder, else FORTWRIGHT_STANDIN_RCON_PASSWORD.
    // Environment, read once at start:
    //   FORTWRIGHT_STANDIN_RCON_PASSWORD=P   the password when neither of the above gives one
    //   FORTWRIGHT_STANDIN_NO_RATE_LIMIT=1   answer everything (for benchmarks)
    static RconResponder fromCommandLine(int argc, const char* const* argv);

private:
    struct Bucket {
        int count = 0;
        long long last = 0;
    };
    bool limited(const std::string& from, long long now);
    std::string run(const std::string& command, bool mohaa) const;

    std::string m_password;
    std::string m_map;
    bool m_limit = true;
    std::map<std::string, Bucket> m_buckets;
};

} // namespace fw::demo
