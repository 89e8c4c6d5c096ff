#include "support/files/RegularFile.h"

#include "support/platform/OperatingSystem.h"

#include <QDir>

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

bool openRegularFile(QFile& file, QString* failure)
{
    if (!isRegularFile(file.fileName()))
        return false;
    if (file.open(QIODevice::ReadOnly))
        return true;
    if (failure)
        *failure = QStringLiteral("Unable to read %1: %2")
                       .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}

} // namespace fw
