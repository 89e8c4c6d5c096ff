#include "app/MapsPage.h"

#include "app/KeyAction.h"
#include "app/ListRowHeight.h"
#include "app/MapTree.h"
#include "app/MenuEntry.h"
#include "app/ProfileModel.h"
#include "generate/MapList.h"
#include "maps/MapCatalogue.h"
#include "support/AppContext.h"
#include "support/platform/PlatformServices.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace fw {
namespace {

constexpr int kTagRole = Qt::UserRole;
// On an archive node: its group's place in the catalogue's groups.
constexpr int kArchiveGroupRole = Qt::UserRole + 2;
// A filter that leaves no more maps than this opens every archive that holds one.
constexpr qsizetype kOpenArchivesUpTo = 200;

QIcon icon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

QIcon mapIcon()
{
    QIcon map = icon("map");
    map.addFile(QStringLiteral(":/icons/map-selected.svg"), QSize(), QIcon::Selected);
    return map;
}

// A map node answers for its text, icon and tag from the page's catalogue when asked: storing
// the three in each of 20,000 nodes cost more at start-up than every later lookup together.
class MapNode : public QTreeWidgetItem {
public:
    MapNode(const MapEntry& map, const QIcon& icon)
        : QTreeWidgetItem(Type)
        , m_map(map)
        , m_icon(icon)
    {
    }

    QVariant data(int column, int role) const override
    {
        if (column == 0) {
            switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return m_map.mapName;
            case Qt::DecorationRole:
                return m_icon;
            case kTagRole:
                return m_map.tag();
            default:
                break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }

    static constexpr int Type = UserType;
    const MapEntry& entry() const { return m_map; }

private:
    // The page's, which outlive its tree.
    const MapEntry& m_map;
    const QIcon& m_icon;
};

QLabel* valueLabel(const char* objectName)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

MapsPage::MapsPage(ProfileModel& model, AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_context(context)
    , m_filter(new QLineEdit)
    , m_tree(new MapTree)
    , m_mapType(valueLabel("lblMapType"))
    , m_longName(valueLabel("lblLongMapName"))
    , m_totalMaps(valueLabel("lblTotalAvailMaps"))
    , m_rotation(new QTableWidget(0, 3))
    , m_selectedCount(valueLabel("lblMapsSelected"))
    , m_savedCycle(new QLabel)
    , m_resetCycle(new QPushButton(QStringLiteral("Reset Cycle")))
    , m_archiveIcon(icon("archive"))
    , m_mapIcon(mapIcon())
    , m_rowIcon(icon("rotation-map"))
    , m_startIcon(icon("rotation-start"))
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeTreePanel(), 2);
    layout->addWidget(makeRotationPanel(), 3);
    model.follow(ProfileModel::Part::Rotation, this, [this] { refresh(); });
    connect(&model, &ProfileModel::rotationRowAppended, this, &MapsPage::showAddedRow);
    refresh();
}

MapsPage::~MapsPage()
{
    // The map nodes refer to members, which go before the child widgets do.
    m_tree->clear();
}

QTreeWidget* MapsPage::tree() const
{
    return m_tree;
}

QWidget* MapsPage::makeTreePanel()
{
    m_tree->setObjectName(QStringLiteral("trvAvailableMaps"));
    m_tree->setHeaderHidden(true);
    m_tree->setIconSize(QSize(16, 16));
    useListRowHeight(m_tree);
    m_tree->setToolTip(
        QStringLiteral("Double-click a map, press Enter or drag it onto the rotation to add it"));
    KeyAction::install(
        m_tree, { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }, [this] { return activateCurrentNode(); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { mapClicked(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { mapClicked(item); });
    connect(
        m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { showArchiveMaps(item); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item) { mapDoubleClicked(item); });

    m_filter->setObjectName(QStringLiteral("txtMapFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter maps by name"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setToolTip(
        QStringLiteral("Shows only the maps whose name, long name or archive holds this text"));
    connect(m_filter, &QLineEdit::textChanged, this, &MapsPage::filterMaps);
    KeyAction::install(m_filter, { Qt::Key_Escape }, [this] {
        if (m_filter->text().isEmpty())
            return false;
        m_filter->clear();
        return true;
    });
    // Down goes on to the narrowed tree, as in a search field of a file dialog.
    KeyAction::install(m_filter, { Qt::Key_Down }, [this] {
        m_tree->setFocus(Qt::TabFocusReason);
        if (!m_tree->currentItem())
            m_tree->setCurrentItem(m_tree->topLevelItem(0));
        return true;
    });

    auto* scan = new QPushButton(QStringLiteral("Map Scan"));
    scan->setObjectName(QStringLiteral("cmdMapScan"));
    scan->setToolTip(QStringLiteral("Scan the game's Main folder for maps"));
    connect(scan, &QPushButton::clicked, this, &MapsPage::scanRequested);

    auto* details = new QGridLayout;
    details->addWidget(new QLabel(QStringLiteral("Game Types:")), 0, 0);
    details->addWidget(m_mapType, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("Long Name:")), 1, 0);
    details->addWidget(m_longName, 1, 1);
    details->setColumnStretch(1, 1);

    auto* footer = new QHBoxLayout;
    footer->addWidget(m_totalMaps, 1);
    footer->addWidget(scan);

    auto* frame = new QGroupBox(QStringLiteral("Available Maps:"));
    auto* box = new QVBoxLayout(frame);
    box->addWidget(m_filter);
    box->addWidget(m_tree, 1);
    box->addLayout(details);
    box->addLayout(footer);
    return frame;
}

QWidget* MapsPage::makeRotationPanel()
{
    m_rotation->setObjectName(QStringLiteral("lsvMapRotation"));
    m_rotation->setHorizontalHeaderLabels(
        { QStringLiteral("Map Name"), QStringLiteral("Game Types"), QStringLiteral("Long Name") });
    m_rotation->verticalHeader()->hide();
    m_rotation->horizontalHeader()->setStretchLastSection(true);
    useListRowHeight(m_rotation);
    m_rotation->setTabKeyNavigation(false);
    m_rotation->setAcceptDrops(true);
    m_rotation->viewport()->installEventFilter(this);
    m_rotation->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rotation->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rotation->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rotation->setContextMenuPolicy(Qt::CustomContextMenu);
    m_rotation->setToolTip(QStringLiteral("Right-click for the rotation's commands"));
    QMenu* popup = makeRotationPopup();
    connect(m_rotation, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& pos) {
        if (m_rotation->rowCount() > 0)
            popup->popup(m_rotation->viewport()->mapToGlobal(pos));
    });

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picMap"));
    picture->setPixmap(icon("battlefield").pixmap(QSize(240, 150)));
    picture->setFixedSize(240, 150);

    m_savedCycle->setObjectName(QStringLiteral("lblPathToSavedMapcycle"));
    m_savedCycle->setCursor(Qt::PointingHandCursor);
    m_savedCycle->setToolTip(QStringLiteral("Click to open the saved map cycle"));
    m_savedCycle->setWordWrap(true);
    connect(m_savedCycle, &QLabel::linkActivated, this, [this] { openSavedCycle(); });

    auto* open = new QPushButton(QStringLiteral("Open Cycle"));
    open->setObjectName(QStringLiteral("cmdSelectMap"));
    connect(open, &QPushButton::clicked, this,
        [this] { m_model.editRotation([](RotationCommands& commands) { commands.openCycle(); }); });
    m_resetCycle->setObjectName(QStringLiteral("cmdResetCycle"));
    connect(m_resetCycle, &QPushButton::clicked, this,
        [this] { m_model.editRotation([](RotationCommands& commands) { commands.resetCycle(); }); });
    auto* wizard = new QPushButton(QStringLiteral("Map Wizard"));
    wizard->setObjectName(QStringLiteral("cmdWizard"));
    connect(wizard, &QPushButton::clicked, this, &MapsPage::wizardRequested);

    auto* cycleButtons = new QHBoxLayout;
    cycleButtons->addWidget(open);
    cycleButtons->addWidget(m_resetCycle);
    cycleButtons->addWidget(wizard);
    cycleButtons->addStretch();

    auto* cycle = new QGroupBox(QStringLiteral("Saved Map Cycle:"));
    auto* cycleBox = new QVBoxLayout(cycle);
    cycleBox->addWidget(m_savedCycle);
    cycleBox->addLayout(cycleButtons);

    auto* lower = new QHBoxLayout;
    lower->addWidget(cycle, 1);
    lower->addWidget(picture, 0, Qt::AlignBottom);

    auto* frame = new QGroupBox(QStringLiteral("Map Rotation:"));
    auto* box = new QVBoxLayout(frame);
    box->addWidget(m_rotation, 1);
    box->addWidget(m_selectedCount);
    box->addLayout(lower);
    return frame;
}

QMenu* MapsPage::makeRotationPopup()
{
    auto* popup = new QMenu(QStringLiteral("Selected Maps Popup"), this);
    popup->setObjectName(QStringLiteral("ID_SelectedMapsPopup"));
    addMenuEntry(*popup, "Map Wizard...", "ID_MapWizard", [this] { emit wizardRequested(); });
    popup->addSeparator();
    addMenuEntry(*popup, "Set Starting Map", "ID_SetStartingMap", [this] { setStartingMap(); });
    popup->addSeparator();
    // The map-list text is built as the server configuration would carry it; nothing keeps it.
    addMenuEntry(
        *popup, "Save Cycle", "ID_SaveCycle", [this] { gstr_MakeMapList(m_model.profile().rotation); });
    popup->addSeparator();
    addMenuEntry(*popup, "Sort Ascending", "ID_SortAscending", [this] { sortAscending(); });
    addMenuEntry(*popup, "Sort Descending", "ID_SortDescending", [this] { sortDescending(); });
    popup->addSeparator();
    removeWithDeleteKey(
        m_rotation, addMenuEntry(*popup, "Remove Map", "ID_RemoveMap", [this] { removeMap(); }));
    addMenuEntry(*popup, "Clear List", "ID_ClearList", [this] { clearList(); });
    popup->addSeparator();
    addMenuEntry(*popup, "Cancel", "ID_Cancel");
    return popup;
}

void MapsPage::showCatalogue(const MapCatalogue& catalogue)
{
    // The map nodes refer to the catalogue being replaced.
    m_tree->clear();
    m_catalogue = catalogue;
    m_groups = m_catalogue.groups();
    showTree();
    m_totalMaps->setText(catalogue.countText());
}

void MapsPage::filterMaps(const QString& text)
{
    const QString filter = text.trimmed();
    if (filter == m_filterText)
        return;
    m_filterText = filter;
    showTree();
}

bool MapsPage::showsMap(const MapEntry& map, bool archiveShown) const
{
    return archiveShown || map.mapName.contains(m_filterText, Qt::CaseInsensitive)
        || map.longName.contains(m_filterText, Qt::CaseInsensitive);
}

bool MapsPage::showsArchive(qsizetype group) const
{
    return m_filterText.isEmpty() || m_groups[group].archive.contains(m_filterText, Qt::CaseInsensitive);
}

void MapsPage::showTree()
{
    // The current map, as its group and its place there, to find again after the rebuild.
    qsizetype keptGroup = -1;
    const MapEntry* kept = nullptr;
    if (QTreeWidgetItem* current = m_tree->currentItem(); current && current->type() == MapNode::Type) {
        keptGroup = current->parent()->data(0, kArchiveGroupRole).toInt();
        kept = &static_cast<MapNode*>(current)->entry();
    }
    m_tree->clear();
    // Filled before it joins the tree, so that the view hears of one item instead of each.
    auto* root = new QTreeWidgetItem({ QStringLiteral("Medal of Honor") });
    root->setIcon(0, icon("game"));
    QFont bold = root->font(0);
    bold.setBold(true);
    root->setFont(0, bold);
    // An archive's map nodes are made when it is first expanded: tens of thousands of nodes
    // would cost start-up more than everything else the window does.
    QList<QTreeWidgetItem*> archives;
    QTreeWidgetItem* keptArchive = nullptr;
    qsizetype shownMaps = 0;
    for (qsizetype i = 0; i < m_groups.size(); ++i) {
        const bool wholeArchive = showsArchive(i);
        const qsizetype shown = wholeArchive
            ? m_groups[i].maps.size()
            : std::ranges::count_if(
                m_groups[i].maps, [this](const MapEntry& map) { return showsMap(map, false); });
        if (shown == 0 && !m_filterText.isEmpty())
            continue;
        shownMaps += shown;
        auto* archive = new QTreeWidgetItem(root, { m_groups[i].archive });
        archive->setIcon(0, m_archiveIcon);
        archive->setData(0, kArchiveGroupRole, i);
        archive->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        archives.append(archive);
        if (i == keptGroup)
            keptArchive = archive;
    }
    m_tree->addTopLevelItem(root);
    root->setExpanded(true);
    if (!m_filterText.isEmpty() && shownMaps <= kOpenArchivesUpTo) {
        for (QTreeWidgetItem* archive : archives)
            archive->setExpanded(true);
    }
    if (!keptArchive || !showsMap(*kept, showsArchive(keptGroup)))
        return;
    keptArchive->setExpanded(true);
    for (int i = 0; i < keptArchive->childCount(); ++i) {
        auto* node = static_cast<MapNode*>(keptArchive->child(i));
        if (&node->entry() == kept) {
            m_tree->setCurrentItem(node);
            m_tree->scrollToItem(node);
            return;
        }
    }
}

void MapsPage::showArchiveMaps(QTreeWidgetItem* archive)
{
    const QVariant group = archive->data(0, kArchiveGroupRole);
    if (!group.isValid() || archive->childCount() > 0)
        return;
    const bool wholeArchive = showsArchive(group.toInt());
    QList<QTreeWidgetItem*> nodes;
    for (const MapEntry& map : m_groups.at(group.toInt()).maps) {
        if (showsMap(map, wholeArchive))
            nodes.append(new MapNode(map, m_mapIcon));
    }
    archive->addChildren(nodes);
    archive->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void MapsPage::refresh()
{
    const MapRotation& rotation = m_model.profile().rotation;
    const RotationCommands& commands = m_model.rotationCommands();
    m_rotation->setRowCount(int(rotation.rows.size()));
    const int marker = commands.markerRow();
    for (int row = 0; row < rotation.rows.size(); ++row)
        showRow(row, marker);
    fitColumns(0);
    m_selectedCount->setText(commands.countText());
    m_savedCycle->setText(rotation.savedCyclePath.isEmpty()
            ? QStringLiteral("(no saved map cycle)")
            : QStringLiteral("<a href=\"cycle\">%1</a>").arg(rotation.savedCyclePath.toHtmlEscaped()));
    m_resetCycle->setEnabled(commands.canResetCycle());
}

void MapsPage::showRow(int row, int markerRow)
{
    const RotationRow& r = m_model.profile().rotation.rows.at(row);
    auto* name = new QTableWidgetItem(row == markerRow ? m_startIcon : m_rowIcon, r.mapName);
    name->setData(kStartingMarkerRole, row == markerRow);
    m_rotation->setItem(row, 0, name);
    m_rotation->setItem(row, 1, new QTableWidgetItem(r.gameTypes));
    m_rotation->setItem(row, 2, new QTableWidgetItem(r.longName));
}

void MapsPage::showAddedRow()
{
    const int row = int(m_model.profile().rotation.rows.size()) - 1;
    // A grid that does not show every earlier row is rebuilt instead.
    if (m_rotation->rowCount() != row) {
        refresh();
        return;
    }
    m_rotation->insertRow(row);
    // A marker left beyond the end of the rotation lands on the row that reaches it.
    showRow(row, m_model.rotationCommands().markerRow());
    fitColumns(row);
    m_selectedCount->setText(m_model.rotationCommands().countText());
}

void MapsPage::fitColumns(int fromRow)
{
    // Measured row by row rather than by the view, which looks only at the rows in sight; an
    // added row can only widen a column.
    const int grid = m_rotation->showGrid() ? 1 : 0;
    for (int column : { 0, 1 }) {
        int width = fromRow == 0 ? m_rotation->horizontalHeader()->sectionSizeHint(column)
                                 : m_rotation->columnWidth(column);
        for (int row = fromRow; row < m_rotation->rowCount(); ++row)
            width = std::max(
                width, m_rotation->sizeHintForIndex(m_rotation->model()->index(row, column)).width() + grid);
        m_rotation->setColumnWidth(column, width);
    }
}

int MapsPage::currentRotationRow() const
{
    return m_rotation->currentRow();
}

void MapsPage::mapClicked(QTreeWidgetItem* item)
{
    const QStringList tag = item ? item->data(0, kTagRole).toString().split(QLatin1Char(',')) : QStringList();
    if (tag.size() < 2 && tag.value(0).isEmpty()) {
        m_mapType->clear();
        m_longName->clear();
        emit previewTextChanged(QString());
        return;
    }
    // A tag with fewer items fills the labels as far as it goes.
    m_mapType->setText(tag.value(2));
    m_longName->setText(tag.value(1));
    emit previewTextChanged(tag.value(1));
}

void MapsPage::mapDoubleClicked(QTreeWidgetItem* item)
{
    if (!item || item->data(0, kTagRole).toString().isEmpty()) {
        m_mapType->clear();
        m_longName->clear();
        emit previewTextChanged(QString());
        return;
    }
    m_model.appendToRotation(item->text(0), m_mapType->text(), m_longName->text());
    m_rotation->scrollToBottom();
}

void MapsPage::addMap(QTreeWidgetItem* item)
{
    mapClicked(item);
    mapDoubleClicked(item);
}

bool MapsPage::activateCurrentNode()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return false;
    if (item->type() == MapNode::Type) {
        addMap(item);
        return true;
    }
    // The root and an archive open or close, and clear the labels, as a double-click does.
    mapDoubleClicked(item);
    item->setExpanded(!item->isExpanded());
    return true;
}

bool MapsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_rotation->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return dragOverRotation(event);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MapsPage::dragOverRotation(QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    QTreeWidgetItem* node = m_tree->draggedNode(drag->mimeData());
    if (!node || node->type() != MapNode::Type) {
        drag->ignore();
        return true;
    }
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (event->type() == QEvent::Drop)
        addMap(node);
    return true;
}

void MapsPage::openSavedCycle()
{
    const QString path = m_model.profile().rotation.savedCyclePath.trimmed();
    if (!path.isEmpty())
        m_context.services.openDocument(path);
}

void MapsPage::setStartingMap()
{
    const int row = currentRotationRow();
    m_model.editRotation([row](RotationCommands& commands) { commands.setStartingMap(row); });
}

void MapsPage::sortAscending()
{
    const int column = std::max(m_rotation->currentColumn(), 0);
    m_model.editRotation([column](RotationCommands& commands) { commands.sort(column, true); });
}

void MapsPage::sortDescending()
{
    const int column = std::max(m_rotation->currentColumn(), 0);
    m_model.editRotation([column](RotationCommands& commands) { commands.sort(column, false); });
}

void MapsPage::removeMap()
{
    const int row = currentRotationRow();
    m_model.editRotation([row](RotationCommands& commands) { commands.removeMap(row); });
}

void MapsPage::clearList()
{
    m_model.editRotation([](RotationCommands& commands) { commands.clearList(); });
}

} // namespace fw
