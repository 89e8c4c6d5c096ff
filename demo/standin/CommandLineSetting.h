#pragma once

#include <string>
#include <strings.h>

namespace fw::demo {

// The value of "+set NAME VALUE" on a server's command line (the last one wins, as the console
// sets it again), fallback when there is none.
inline std::string commandLineSetting(
    int argc, const char* const* argv, const char* name, const std::string& fallback)
{
    std::string value = fallback;
    for (int i = 1; i + 2 < argc; ++i) {
        if (strcasecmp(argv[i], "+set") == 0 && strcasecmp(argv[i + 1], name) == 0)
            value = argv[i + 2];
    }
    return value;
}

} // namespace fw::demo
