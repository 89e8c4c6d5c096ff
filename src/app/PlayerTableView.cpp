#include "app/PlayerTableView.h"

#include "app/ListRowHeight.h"

#include <QAction>
#include <QHeaderView>

namespace fw {
namespace {

enum ColumnIndex { SlotColumn, NameColumn, ScoreColumn, PingColumn, AddressColumn, ColumnCount };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

PlayerTableView::PlayerTableView(QWidget* parent)
    : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("grdRconPlayers"));
    setHorizontalHeaderLabels({ QStringLiteral("Slot"), QStringLiteral("Name"), QStringLiteral("Score"),
        QStringLiteral("Ping"), QStringLiteral("Address") });
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    useListRowHeight(this);
    // Three players in view at the least, so a small window still shows a table.
    setMinimumHeight(horizontalHeader()->sizeHint().height() + 3 * listRowHeight(*this) + 2 * frameWidth());
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addPlayerAction(PlayerAction::Kick, QStringLiteral("actRconKick"), QStringLiteral("&Kick..."));
    addPlayerAction(PlayerAction::Ban, QStringLiteral("actRconBan"), QStringLiteral("&Ban address..."));
    addPlayerAction(
        PlayerAction::Message, QStringLiteral("actRconTell"), QStringLiteral("Private &message..."));
    auto* apart = new QAction(this);
    apart->setSeparator(true);
    QWidget::addAction(apart);
    addPlayerAction(PlayerAction::SayToAll, QStringLiteral("actRconSay"), QStringLiteral("&Say to all..."));
    connect(this, &QTableWidget::itemSelectionChanged, this, &PlayerTableView::enableActions);
    enableActions();
}

void PlayerTableView::addPlayerAction(PlayerAction action, const QString& name, const QString& text)
{
    auto* item = new QAction(text, this);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, action] {
        const Player* player = chosen();
        emit actionRequested(action, player ? *player : Player());
    });
    QWidget::addAction(item);
    m_actions.append(item);
}

void PlayerTableView::setPlayers(const QList<Player>& players)
{
    const Player* before = chosen();
    const std::optional<Player> keep = before ? std::optional(*before) : std::nullopt;
    const QSignalBlocker quiet(this);
    m_players = players;
    setRowCount(int(players.size()));
    int chosenRow = -1;
    for (int row = 0; row < int(players.size()); ++row) {
        const Player& player = players.at(row);
        setItem(row, SlotColumn,
            cell(player.slot < 0 ? QString() : QString::number(player.slot), Qt::AlignRight));
        setItem(row, NameColumn, cell(plainName(player.name)));
        setItem(row, ScoreColumn, cell(player.score, Qt::AlignRight));
        setItem(row, PingColumn, cell(player.ping, Qt::AlignRight));
        setItem(row, AddressColumn, cell(player.address));
        if (keep && player.slot == keep->slot && player.name == keep->name)
            chosenRow = row;
    }
    if (chosenRow >= 0)
        selectRow(chosenRow);
    else
        clearSelection();
    enableActions();
}

const Player* PlayerTableView::chosen() const
{
    const QList<QTableWidgetItem*> items = selectedItems();
    if (items.isEmpty())
        return nullptr;
    const int row = items.constFirst()->row();
    return row < m_players.size() ? &m_players.at(row) : nullptr;
}

QAction* PlayerTableView::action(PlayerAction action) const
{
    return m_actions.at(int(action));
}

void PlayerTableView::enableActions()
{
    const Player* player = chosen();
    for (int i = 0; i < m_actions.size(); ++i)
        m_actions.at(i)->setEnabled(canDo(PlayerAction(i), player));
}

} // namespace fw
