// The least work a map scan can do, as the reference the scan is measured against: for every
// .pk3 in GAME_DIR/Main it reads the end record and the central directory with pread, and counts
// the entries whose name ends in "bsp". Nothing else: no rules, no list file, no checks beyond
// what keeps it from reading out of bounds.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::uint32_t read16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}
std::uint32_t read32(const unsigned char* p)
{
    return read16(p) | (read16(p + 2) << 16);
}

bool endsInBsp(const unsigned char* name, std::size_t length)
{
    return length >= 3 && (name[length - 3] | 0x20) == 'b' && (name[length - 2] | 0x20) == 's'
        && (name[length - 1] | 0x20) == 'p';
}

// Entries ending in "bsp", or -1 when the file holds no readable central directory.
long countMaps(const char* path, std::vector<unsigned char>& buffer)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    long maps = -1;
    struct stat status { };
    if (::fstat(fd, &status) == 0 && status.st_size >= 22) {
        const std::size_t size = static_cast<std::size_t>(status.st_size);
        // Most archives carry no comment: the end record is the last 22 bytes.
        std::size_t tail = 22;
        buffer.resize(tail);
        if (::pread(fd, buffer.data(), tail, static_cast<off_t>(size - tail)) == static_cast<ssize_t>(tail)
            && std::memcmp(buffer.data(), "PK\5\6", 4) != 0) {
            tail = std::min<std::size_t>(size, 65557);
            buffer.resize(tail);
            if (::pread(fd, buffer.data(), tail, static_cast<off_t>(size - tail))
                != static_cast<ssize_t>(tail))
                tail = 0;
        }
        const unsigned char* end = nullptr;
        for (std::size_t at = tail >= 22 ? tail - 22 + 1 : 0; at-- > 0;)
            if (std::memcmp(buffer.data() + at, "PK\5\6", 4) == 0) {
                end = buffer.data() + at;
                break;
            }
        if (end) {
            const std::size_t cdSize = read32(end + 12);
            const std::size_t cdOffset = read32(end + 16);
            std::vector<unsigned char> directory(cdSize);
            if (cdOffset + cdSize <= size
                && ::pread(fd, directory.data(), cdSize, static_cast<off_t>(cdOffset))
                    == static_cast<ssize_t>(cdSize)) {
                maps = 0;
                for (std::size_t at = 0; at + 46 <= cdSize;) {
                    const unsigned char* entry = directory.data() + at;
                    const std::size_t nameLength = read16(entry + 28);
                    const std::size_t next = at + 46 + nameLength + read16(entry + 30) + read16(entry + 32);
                    if (next > cdSize)
                        break;
                    maps += endsInBsp(entry + 46, nameLength);
                    at = next;
                }
            }
        }
    }
    ::close(fd);
    return maps;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("Usage: fortwright-scan-floor GAME_DIR\n", stderr);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    const std::string folder = std::string(argv[1]) + "/Main/";
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return 1;
    std::vector<std::string> names;
    while (const dirent* item = ::readdir(listing)) {
        const std::size_t length = std::strlen(item->d_name);
        if (length > 4 && ::strcasecmp(item->d_name + length - 3, "pk3") == 0)
            names.emplace_back(item->d_name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    std::vector<unsigned char> buffer;
    long maps = 0;
    for (const std::string& name : names)
        maps += std::max(0L, countMaps((folder + name).c_str(), buffer));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("scan_seconds %.6f\nbsp_entries %ld\n", seconds, maps);
    return 0;
}
