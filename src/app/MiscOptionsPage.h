#pragma once

#include <QWidget>

namespace fw {

class BanListPanel;
class ConfigListPanel;
class ProfileBinder;

// The "Misc. &Options" tab: server type, master servers, logging, server messaging, banning and
// additional configurations.
class MiscOptionsPage : public QWidget {
    Q_OBJECT
public:
    MiscOptionsPage(
        ProfileBinder& binder, BanListPanel* bans, ConfigListPanel* configs, QWidget* parent = nullptr);
};

} // namespace fw
