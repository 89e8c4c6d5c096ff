#pragma once

#include <QWidget>

class QPushButton;

namespace fw {

class ProfileBinder;

// The "&Server" tab: the administration texts and the server settings.
class ServerPage : public QWidget {
    Q_OBJECT
public:
    explicit ServerPage(ProfileBinder& binder, QWidget* parent = nullptr);
    QPushButton* localAddressButton() const { return m_getLocalIp; }

private:
    QPushButton* m_getLocalIp;
};

} // namespace fw
