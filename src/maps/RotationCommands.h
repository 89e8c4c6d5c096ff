#pragma once

#include "profile/ProfileLists.h"

namespace fw {

struct AppContext;

// The commands of the rotation list: add a map, set the starting map, sort, remove, clear, and
// the saved map cycle's Open and Reset. They change a MapRotation and keep the count label's
// text; questions and notices go through the context's Prompter.
class RotationCommands {
public:
    RotationCommands(MapRotation& rotation, AppContext& context);

    // Appends a row (no duplicate check).
    void add(const QString& mapName, const QString& gameTypes, const QString& longName);
    // Makes row the starting map; nothing happens without such a row.
    void setStartingMap(int row);
    // Sorts the rows by a column's text, case-sensitive; the starting map and marker stay.
    void sort(int column, bool ascending);
    // After "Remove Selected Map?" is answered Yes, removes row if there is one.
    void removeMap(int row);
    // After "Clear Map List?" is answered Yes, empties the rotation and the starting map.
    void clearList();

    // Open Cycle: the path of a chosen map cycle becomes the saved cycle path.
    void openCycle();
    // Reset Cycle: forgets the saved cycle path (asking first when the file exists).
    void resetCycle();
    // Whether Reset Cycle is available.
    bool canResetCycle() const { return !m_rotation.savedCyclePath.isEmpty(); }

    // The row that carries the starting-map marker, or -1.
    int markerRow() const;
    // The count label's text as the last command left it.
    const QString& countText() const { return m_countText; }

private:
    MapRotation& m_rotation;
    AppContext& m_context;
    QString m_countText;
};

} // namespace fw
