#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace fw {

class Clock;
class ProfileBinder;

// The "Banning:" frame: the address field, "Add", and the list "Added|IP" of the profile's bans.
class BanListPanel : public QGroupBox {
    Q_OBJECT
public:
    BanListPanel(ProfileBinder& binder, const Clock& clock, QWidget* parent = nullptr);

    // Shows the profile's bans again.
    void refresh();
    // Removes the ban of the current row, if any.
    void removeCurrent();
    QTableWidget* grid() const { return m_grid; }

signals:
    // A right click over a list that holds at least one ban.
    void popupRequested(const QPoint& globalPos);

private:
    void add();

    ProfileBinder& m_binder;
    const Clock& m_clock;
    QTableWidget* m_grid;
};

} // namespace fw
