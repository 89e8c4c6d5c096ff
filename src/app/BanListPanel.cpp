#include "app/BanListPanel.h"

#include "app/KeyAction.h"
#include "app/ListRowHeight.h"
#include "app/MenuEntry.h"
#include "app/ProfileBinder.h"
#include "profile/ListEditing.h"
#include "support/platform/Clock.h"
#include "support/platform/Prompter.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace fw {

BanListPanel::BanListPanel(ProfileBinder& binder, const Clock& clock, Prompter& prompter, QWidget* parent)
    : QGroupBox(SettingsCatalogue::group(SettingGroup::txtBanIP).frame, parent)
    , m_binder(binder)
    , m_clock(clock)
    , m_prompter(prompter)
    , m_grid(new QTableWidget(0, 2))
{
    setObjectName(QStringLiteral("fraBanning"));
    auto* add = new QPushButton(QStringLiteral("Add"));
    add->setObjectName(QStringLiteral("cmdBanning"));
    add->setToolTip(QStringLiteral("Ban the address typed beside"));
    connect(add, &QPushButton::clicked, this, &BanListPanel::add);
    auto* address = qobject_cast<QLineEdit*>(binder.widget(SettingGroup::txtBanIP));
    connect(address, &QLineEdit::returnPressed, this, &BanListPanel::add);

    m_grid->setObjectName(QStringLiteral("grdBanned"));
    m_grid->setHorizontalHeaderLabels({ QStringLiteral("Added"), QStringLiteral("IP") });
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    useListRowHeight(m_grid);
    m_grid->setTabKeyNavigation(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("ID_Banned"));
    removeWithDeleteKey(m_grid, addMenuEntry(*popup, "Remove IP", "ID_RemoveIP", [this] {
        if (m_prompter.confirm(QStringLiteral("Remove Selected IP?") + kEightBlanks))
            removeCurrent();
    }));
    popup->addSeparator();
    addMenuEntry(*popup, "Cancel", "ID_CancelBanned");
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& pos) {
        if (m_grid->rowCount() > 0)
            popup->popup(m_grid->viewport()->mapToGlobal(pos));
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(binder.caption(SettingGroup::txtBanIP), 0, 0);
    layout->addWidget(address, 0, 1);
    layout->addWidget(add, 0, 2);
    layout->addWidget(m_grid, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    binder.model().follow(ProfileModel::Part::Bans, this, [this] { refresh(); });
    refresh();
}

void BanListPanel::refresh()
{
    const QList<BanEntry>& bans = m_binder.profile().bans;
    m_grid->setRowCount(int(bans.size()));
    for (int row = 0; row < bans.size(); ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(bans[row].added));
        m_grid->setItem(row, 1, new QTableWidgetItem(bans[row].address));
    }
    m_grid->resizeColumnToContents(0);
}

void BanListPanel::add()
{
    ProfileModel& model = m_binder.model();
    bool added = false;
    model.edit(ProfileModel::Part::Bans, [&](ServerProfile& profile) {
        added = addBan(profile.bans, profile.text(SettingGroup::txtBanIP), m_clock.now());
    });
    if (!added)
        return;
    model.setValue({ SettingGroup::txtBanIP }, QString());
    m_grid->scrollToBottom();
}

void BanListPanel::removeCurrent()
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_binder.profile().bans.size())
        return;
    m_binder.model().edit(
        ProfileModel::Part::Bans, [row](ServerProfile& profile) { profile.bans.removeAt(row); });
}

} // namespace fw
