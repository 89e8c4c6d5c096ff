#include "support/files/RegularFile.h"

#include "support/platform/OperatingSystem.h"

namespace fw {

bool isRegularFile(const QString& path)
{
    return os::regularFileMarks(path).has_value();
}

std::optional<FileVersion> regularFileVersion(const QString& path)
{
    if (const auto marks = os::regularFileMarks(path))
        return FileVersion { *marks };
    return std::nullopt;
}

bool openRegularFile(QFile& file)
{
    return isRegularFile(file.fileName()) && file.open(QIODevice::ReadOnly);
}

} // namespace fw
