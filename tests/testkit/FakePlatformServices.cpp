#include "testkit/FakePlatformServices.h"

namespace fw::test {

bool FakePlatformServices::startDetached(
    const QString& program, const QStringList& arguments, const QString& workingDir, QString* error)
{
    if (failStart) {
        if (error)
            *error = QStringLiteral("No such file or directory");
        return false;
    }
    started.append({ program, arguments, workingDir });
    return true;
}

bool FakePlatformServices::openDocument(const QString& path)
{
    openedDocuments.append(path);
    return true;
}

bool FakePlatformServices::openUrl(const QString& url)
{
    openedUrls.append(url);
    return true;
}

QString FakePlatformServices::findExecutable(const QString& name) const
{
    return executablesOnPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

} // namespace fw::test
