#pragma once

#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace fw {

class ProfileBinder;

// The "&Server" tab: the administration texts and the server settings.
class ServerPage : public QWidget {
    Q_OBJECT
public:
    explicit ServerPage(ProfileBinder& binder, QWidget* parent = nullptr);
    QPushButton* localAddressButton() const { return m_getLocalIp; }
    // A frame below the page's own.
    void addFrame(QWidget* frame);

private:
    QPushButton* m_getLocalIp;
    QVBoxLayout* m_layout;
};

} // namespace fw
