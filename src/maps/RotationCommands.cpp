#include "maps/RotationCommands.h"

#include "support/AppContext.h"
#include "support/platform/CFileDialog.h"
#include "support/platform/Prompter.h"

#include <QFileInfo>
#include <algorithm>

namespace fw {
namespace {

QString selectedCountText(qsizetype rows)
{
    return rows > 0 ? QStringLiteral("%1 Maps Selected").arg(rows) : QStringLiteral("0 Maps Selected");
}

QString cell(const RotationRow& row, int column)
{
    switch (column) {
    case 0:
        return row.mapName;
    case 1:
        return row.gameTypes;
    default:
        return row.longName;
    }
}

} // namespace

RotationCommands::RotationCommands(MapRotation& rotation, AppContext& context)
    : m_rotation(rotation)
    , m_context(context)
    , m_countText(selectedCountText(rotation.rows.size()))
{
}

void RotationCommands::add(const QString& mapName, const QString& gameTypes, const QString& longName)
{
    m_rotation.rows.append({ mapName, gameTypes, longName });
    m_countText = QStringLiteral("%1 Selected Maps").arg(m_rotation.rows.size());
}

void RotationCommands::setStartingMap(int row)
{
    if (row < 0 || row >= m_rotation.rows.size())
        return;
    const RotationRow& chosen = m_rotation.rows.at(row);
    m_rotation.startingMap = chosen.startLine();
    m_rotation.markerTag = QString::number(row);
    m_context.prompter.inform(
        chosen.mapName + QStringLiteral(" has been set as the starting map") + kEightBlanks);
}

void RotationCommands::sort(int column, bool ascending)
{
    std::stable_sort(m_rotation.rows.begin(), m_rotation.rows.end(),
        [column, ascending](const RotationRow& a, const RotationRow& b) {
            const int order = QString::compare(cell(a, column), cell(b, column), Qt::CaseSensitive);
            return ascending ? order < 0 : order > 0;
        });
}

void RotationCommands::removeMap(int row)
{
    if (!m_context.prompter.confirm(QStringLiteral("Remove Selected Map?") + kEightBlanks))
        return;
    if (row < 0 || row >= m_rotation.rows.size())
        return;
    m_rotation.rows.removeAt(row);
    m_countText = selectedCountText(m_rotation.rows.size());
}

void RotationCommands::clearList()
{
    if (!m_context.prompter.confirm(QStringLiteral("Clear Map List?") + kEightBlanks))
        return;
    m_rotation.rows.clear();
    m_rotation.startingMap.clear();
    m_countText = selectedCountText(0);
}

void RotationCommands::openCycle()
{
    FileDialogRequest request;
    request.open = true;
    request.title = QStringLiteral("Open Map Cycle");
    request.filter = QStringLiteral("Map Cycle (*.txt)|*.txt");
    request.initialDir = m_context.mainPath;
    request.flags = FileDialogFlag::FileMustExist;
    const QString path = m_context.prompter.chooseFile(request);
    if (!path.isEmpty())
        m_rotation.savedCyclePath = path;
}

void RotationCommands::resetCycle()
{
    if (QFileInfo::exists(m_rotation.savedCyclePath)
        && !m_context.prompter.confirm(QStringLiteral("Clear selected map cycle?") + kEightBlanks))
        return;
    m_rotation.savedCyclePath.clear();
}

int RotationCommands::markerRow() const
{
    if (m_rotation.markerTag.isEmpty())
        return -1;
    const int row = m_rotation.markerTag.toInt();
    return row < m_rotation.rows.size() ? row : -1;
}

} // namespace fw
