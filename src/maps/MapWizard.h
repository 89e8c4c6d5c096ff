#pragma once

#include "profile/AdvancedCycle.h"
#include "profile/ProfileLists.h"

#include <QList>
#include <QStringList>

namespace fw {

struct AppContext;
class ServerProfile;

// What the wizard's pages 2 and 3 hold: the chosen game type (-1 none), the three DM-flag boxes,
// the three limits and the five game-play values, as their fields show them.
struct WizardValues {
    int gameType = -1;
    QList<bool> dmFlags { false, false, false };
    QStringList limits { QString(), QString(), QString() };
    QStringList movement { QString(), QString(), QString(), QString(), QString() };

    // The sum of the tags of the boxes that are on.
    int dmFlagSum() const;
};

// The Map Wizard without its window: the per-map record handed over from the main window, the
// three pages, the buttons' availability, and Finish, which hands the cycle and its chosen path
// to the caller to write.
class MapWizard {
public:
    enum Button { Help = 0, Back = 1, Next = 2, Finish = 3, Cancel = 4 };
    // Closed: Cancel was confirmed. Finished: a path was chosen; the caller writes cycle() there
    // and lets the wizard go once that worked.
    enum class Result { Stay, Closed, Finished };

    MapWizard(const ServerProfile& profile, AppContext& context);

    // cmdWizard_Click's checks and hand-over: false (after its message) with an empty rotation;
    // otherwise the record is rebuilt and the rotation kept in grid.dat for the map list.
    static bool canOpen(const ServerProfile& profile, AppContext& context);

    // The navigation buttons; selectedRow is the map list's selected row (-1 when none).
    Result press(Button button, int selectedRow = -1);
    // A click on the map list makes Next available.
    void mapListClicked() { m_nextEnabled = true; }

    int page() const { return m_page; }
    bool backEnabled() const { return m_backEnabled; }
    bool nextEnabled() const { return m_nextEnabled; }
    bool finishEnabled() const { return m_finishEnabled; }

    WizardValues& values() { return m_values; }
    // What the advanced-cycle writer takes: the record as the pages have filled it.
    const AdvancedCycle& cycle() const { return m_cycle; }
    const QList<RotationRow>& mapList() const { return m_mapList; }
    // The file chosen at Finish.
    const QString& cyclePath() const { return m_cyclePath; }

private:
    void storeGameOptions();
    void storeGamePlay();
    Result finish();

    AppContext& m_context;
    AdvancedCycle m_cycle;
    QList<bool> m_configured;
    QList<RotationRow> m_mapList;
    WizardValues m_values;
    int m_currentEntry = 0;
    int m_page = 1;
    bool m_backEnabled = false;
    bool m_nextEnabled = false;
    bool m_finishEnabled = false;
    QString m_cyclePath;
};

} // namespace fw
