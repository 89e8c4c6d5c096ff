#include "maps/Pk3Entry.h"

namespace fw {

Pk3Entry Pk3Entry::fromPath(const QString& entryPath)
{
    QString path = entryPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\')) + 1;
    return { path.mid(cut).trimmed(), path.left(cut).toLower().trimmed() };
}

} // namespace fw
