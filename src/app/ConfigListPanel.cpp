#include "app/ConfigListPanel.h"

#include "app/KeyAction.h"
#include "app/ListRowHeight.h"
#include "app/MenuEntry.h"
#include "app/ProfileBinder.h"
#include "app/ReadableColour.h"
#include "profile/ListEditing.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/platform/CFileDialog.h"
#include "support/platform/Prompter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace fw {
namespace {

constexpr int kNameColumn = 2;
constexpr int kPathColumn = 3;

// The dialog's flags: path and file must exist, explorer style, long names.
constexpr quint32 kChooseConfigFlags = 0x800 | 0x1000 | 0x80000 | 0x200000;

} // namespace

ConfigListPanel::ConfigListPanel(ProfileBinder& binder, const AppContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Additional Configurations to Execute:"), parent)
    , m_binder(binder)
    , m_context(context)
    , m_grid(new QTableWidget(kAdditionalConfigRows, 4))
{
    setObjectName(QStringLiteral("fraAdditionalCfg"));
    m_grid->setObjectName(QStringLiteral("grdAdditionalCfg"));
    m_grid->setHorizontalHeaderLabels({ QStringLiteral("Date Last Modified"), QStringLiteral("Size"),
        QStringLiteral("Configuration"), QStringLiteral("FullPath") });
    m_grid->setColumnHidden(kPathColumn, true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    useListRowHeight(m_grid);
    // The grid is one stop of the tab chain; its rows' buttons are reached by Enter instead.
    m_grid->setTabKeyNavigation(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("ID_AdditionalCFGs"));
    QAction* remove = addMenuEntry(*popup, "Remove Configuration", "ID_RemoveConfiguration", [this] {
        if (m_context.prompter.confirm(QStringLiteral("Remove Selected Configuration?") + kEightBlanks))
            removeCurrent();
    });
    popup->addSeparator();
    addMenuEntry(*popup, "Cancel", "ID_CancelCFG");
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& pos) {
        if (currentRowNamesFile())
            popup->popup(m_grid->viewport()->mapToGlobal(pos));
    });
    removeWithDeleteKey(m_grid, remove, [this] { return currentRowNamesFile(); });
    KeyAction::install(m_grid, { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_F2 }, [this] {
        const int row = m_grid->currentRow();
        if (row < 0)
            return false;
        chooseConfiguration(row);
        return true;
    });
    // Editing the Configuration cell means choosing a file; the other cells refuse edits.
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == kNameColumn)
            chooseConfiguration(row);
    });
    for (int row = 0; row < kAdditionalConfigRows; ++row) {
        auto* holder = new QWidget;
        auto* button = new QToolButton;
        button->setText(QStringLiteral("..."));
        button->setFixedHeight(m_grid->fontMetrics().height() + 4);
        button->setObjectName(QStringLiteral("cmdChooseConfig_%1").arg(row + 1));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(QStringLiteral("Choose a configuration file to execute"));
        connect(button, &QToolButton::clicked, this, [this, row] {
            m_grid->setCurrentCell(row, kNameColumn);
            chooseConfiguration(row);
        });
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 2, 0);
        line->addStretch();
        line->addWidget(button);
        m_grid->setCellWidget(row, kNameColumn, holder);
    }
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height()
        + kAdditionalConfigRows * m_grid->verticalHeader()->defaultSectionSize() + 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    binder.model().follow(ProfileModel::Part::Configs, this, [this] { refresh(); });
    refresh();
}

void ConfigListPanel::refresh()
{
    const QList<AdditionalConfig>& configs = m_binder.profile().configs;
    for (int row = 0; row < kAdditionalConfigRows; ++row) {
        const AdditionalConfig config = configs.value(row);
        const bool missing = isConfigMissing(config);
        const QStringList cells = { config.modified, config.size, config.name, config.fullPath };
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (missing) {
                item->setForeground(readableOn(Qt::red, palette().color(QPalette::Base)));
                QFont font = item->font();
                font.setStrikeOut(true);
                item->setFont(font);
                item->setToolTip(QStringLiteral("This file no longer exists"));
            }
            m_grid->setItem(row, column, item);
        }
    }
    m_grid->resizeColumnsToContents();
    m_grid->setColumnWidth(kNameColumn, std::max(m_grid->columnWidth(kNameColumn) + 28, 160));
}

bool ConfigListPanel::currentRowNamesFile() const
{
    const int row = m_grid->currentRow();
    const auto& configs = m_binder.profile().configs;
    return row >= 0 && row < configs.size() && !configs[row].name.isEmpty();
}

void ConfigListPanel::chooseConfiguration(int row)
{
    FileDialogRequest request;
    request.open = true;
    request.title = QStringLiteral("Select Medal of Honor Configuration");
    request.filter = QStringLiteral("Medal of Honor Configuration (*.cfg)|*.cfg");
    request.defaultExt = QStringLiteral("dat");
    request.initialDir = m_context.mainPath;
    request.flags = kChooseConfigFlags;
    const QString path = m_context.prompter.chooseFile(request);
    if (path.isEmpty())
        return;
    if (!mayLoadConfiguration(path, m_binder.profile().configs, m_context.prompter))
        return;
    m_binder.model().edit(ProfileModel::Part::Configs, [&](ServerProfile& profile) {
        try {
            profile.configs[row] = describeConfiguration(path);
        } catch (const std::exception& e) {
            m_context.errors.report(QStringLiteral("::modFunctions.gbln_LoadConfiguration(Function)"), e);
        }
    });
}

void ConfigListPanel::removeCurrent()
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_binder.profile().configs.size())
        return;
    m_binder.model().edit(ProfileModel::Part::Configs,
        [row](ServerProfile& profile) { profile.configs[row] = AdditionalConfig(); });
}

void ConfigListPanel::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    // The red of a missing file is chosen against the palette's background.
    if (event->type() == QEvent::PaletteChange)
        refresh();
}

} // namespace fw
