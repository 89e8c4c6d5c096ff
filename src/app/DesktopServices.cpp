#include "app/DesktopServices.h"

#include <QDesktopServices>
#include <QUrl>

namespace fw {

bool DesktopServices::openDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopServices::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace fw
