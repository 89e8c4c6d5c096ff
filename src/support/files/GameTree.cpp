#include "support/files/GameTree.h"

#include <QDir>

namespace fw {

QString mainFolderName(const QString& gamePath)
{
    const QString documented = QStringLiteral("Main");
    if (gamePath.isEmpty())
        return documented;
    const QStringList folders = QDir(gamePath).entryList(
        { QStringLiteral("[mM][aA][iI][nN]") }, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    if (folders.contains(QStringLiteral("main")))
        return QStringLiteral("main");
    return folders.isEmpty() ? documented : folders.constFirst();
}

} // namespace fw
