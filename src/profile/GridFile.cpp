#include "profile/GridFile.h"

#include "support/files/AnsiTextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace fw {

GridRows GridFile::read(const QString& path, int columnCount)
{
    GridRows rows;
    if (!QFileInfo(path).isFile())
        return rows;
    for (const QString& line : splitTextLines(readUserTextFile(path))) {
        QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() > columnCount)
            cells.resize(columnCount);
        while (cells.size() < columnCount)
            cells.append(QString());
        rows.append(cells);
    }
    return rows;
}

void GridFile::write(const QString& path, const GridRows& rows)
{
    static const QRegularExpression kSplitters(QStringLiteral("[\\t\\r\\n]"));
    QStringList lines;
    for (QStringList cells : rows) {
        for (QString& cell : cells)
            cell.replace(kSplitters, QStringLiteral(" "));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    writeUserTextLines(path, lines);
}

} // namespace fw
