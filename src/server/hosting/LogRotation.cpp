#include "server/hosting/LogRotation.h"

#include <QFile>
#include <QFileInfo>

namespace fw {

bool rotateLogIfLarge(const QString& logPath, qint64 limit, int keep)
{
    if (keep < 1 || QFileInfo(logPath).size() <= limit)
        return false;
    const auto numbered = [&](int n) { return logPath + QLatin1Char('.') + QString::number(n); };
    QFile::remove(numbered(keep));
    for (int n = keep - 1; n >= 1; --n)
        QFile::rename(numbered(n), numbered(n + 1));
    // A line the server writes between the copy and the truncation is lost: the price of never
    // making the server reopen its output.
    if (!QFile::copy(logPath, numbered(1)))
        return false;
    return QFile::resize(logPath, 0);
}

} // namespace fw
