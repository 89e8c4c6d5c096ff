#pragma once

#include "check/PreflightCheck.h"

class QTabWidget;
class QWidget;

namespace fw {

// Finds where a finding's place lives in the main window, names it as the user sees it, and
// takes the user there.
class PlaceNavigator {
public:
    // window holds every field's widget; tabs is the window's tab set.
    PlaceNavigator(QWidget& window, QTabWidget& tabs);

    // "Server tab, MOTD"; "Maps tab, Map Rotation, row 3".
    QString describe(const FindingPlace& place) const;
    // Shows the tab that holds the place and focuses its widget (and the list's row); false when
    // the window has no widget for it.
    bool goTo(const FindingPlace& place) const;

    // The widget that stands for the place: the field's own, or the list's.
    QWidget* widgetFor(const FindingPlace& place) const;

private:
    int tabHolding(const QWidget* widget) const;

    QWidget& m_window;
    QTabWidget& m_tabs;
};

} // namespace fw
