#pragma once

#include "maps/MapCatalogue.h"

#include <QIcon>
#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace fw {

struct AppContext;
class MapTree;
class ProfileModel;

// Set on the rotation row whose map name carries the starting-map marker.
inline constexpr int kStartingMarkerRole = Qt::UserRole + 1;

// The "&Maps" tab: the maps found in the game's archives, the rotation built from them, and the
// saved map cycle. A map joins the rotation by a double-click, Enter or Space on its node, or
// by a drag onto the rotation; a filter above the tree narrows it to the maps whose names hold
// the typed text.
class MapsPage : public QWidget {
    Q_OBJECT
public:
    MapsPage(ProfileModel& model, AppContext& context, QWidget* parent = nullptr);
    ~MapsPage() override;

    // Rebuilds the tree from a catalogue.
    void showCatalogue(const MapCatalogue& catalogue);

    QTreeWidget* tree() const;
    QLineEdit* filterField() const { return m_filter; }
    QTableWidget* rotationGrid() const { return m_rotation; }
    // What the tree shows: the last scan's maps.
    const MapCatalogue& catalogue() const { return m_catalogue; }
    int currentRotationRow() const;

public slots:
    void setStartingMap();
    void sortAscending();
    void sortDescending();
    void removeMap();
    void clearList();

signals:
    void wizardRequested();
    void scanRequested();
    // The long name of the clicked map, or empty, for the map preview window.
    void previewTextChanged(const QString& text);

private:
    void mapClicked(QTreeWidgetItem* item);
    void mapDoubleClicked(QTreeWidgetItem* item);
    // What a double-click on the node does, with the click that precedes it.
    void addMap(QTreeWidgetItem* item);
    // Enter or Space on the tree's current node.
    bool activateCurrentNode();
    void filterMaps(const QString& text);
    // Rebuilds the tree under the filter; the current map stays current while the filter shows it.
    void showTree();
    bool showsMap(const MapEntry& map, bool archiveShown) const;
    bool showsArchive(qsizetype group) const;
    // A drag from the tree over or onto the rotation.
    bool dragOverRotation(QEvent* event);
    // Widens the name and game-type columns to the rows from fromRow on.
    void fitColumns(int fromRow);
    void openSavedCycle();
    // Shows the profile's rotation and saved cycle again.
    void refresh();
    void showRow(int row, int markerRow);
    // Shows the rotation's last row, just added, without rebuilding the others.
    void showAddedRow();
    // Makes the map nodes of an archive node that has none yet.
    void showArchiveMaps(QTreeWidgetItem* archive);
    QWidget* makeTreePanel();
    QWidget* makeRotationPanel();
    QMenu* makeRotationPopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProfileModel& m_model;
    AppContext& m_context;
    QLineEdit* m_filter;
    MapTree* m_tree;
    QLabel* m_mapType;
    QLabel* m_longName;
    QLabel* m_totalMaps;
    QTableWidget* m_rotation;
    QLabel* m_selectedCount;
    QLabel* m_savedCycle;
    QPushButton* m_resetCycle;
    // What the tree shows; its map nodes point into it.
    MapCatalogue m_catalogue;
    QList<ArchiveGroup> m_groups; // the catalogue's, one per archive group
    QString m_filterText; // trimmed; empty shows every map
    // Made once: an icon drawn from its SVG costs more than the item that shows it.
    const QIcon m_archiveIcon;
    const QIcon m_mapIcon;
    const QIcon m_rowIcon;
    const QIcon m_startIcon;
};

} // namespace fw
