#pragma once

#include "profile/ServerProfile.h"

#include <QMainWindow>

class QPushButton;
class QTabWidget;

namespace fw {

struct AppContext;
class BanListPanel;
class ConfigListPanel;
class MapsPage;
class ProfileBinder;

// The main window: the five tabs of settings, the second time-out field and the four buttons
// along the bottom, bound to one ServerProfile.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(AppContext& context, QWidget* parent = nullptr);
    ~FrmMain() override;

    ServerProfile& profile() { return m_profile; }
    // Shows the profile again after it was changed behind the window's back.
    void refresh();

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* button(int index) const;
    BanListPanel* banList() const { return m_bans; }
    ConfigListPanel* configList() const { return m_configs; }
    MapsPage* mapsPage() const { return m_maps; }

private:
    QWidget* makeBottomBar();

    AppContext& m_context;
    ServerProfile m_profile;
    ProfileBinder* m_binder;
    QTabWidget* m_tabs;
    BanListPanel* m_bans;
    ConfigListPanel* m_configs;
    MapsPage* m_maps;
    QList<QPushButton*> m_buttons;
};

} // namespace fw
