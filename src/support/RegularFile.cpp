#include "support/RegularFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace fw {

bool isRegularFile(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

bool openRegularFile(QFile& file)
{
    return isRegularFile(file.fileName()) && file.open(QIODevice::ReadOnly);
}

} // namespace fw
