#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace fw {

class Clock;
class ProfileBinder;
class Prompter;

// The "Banning:" frame: the address field, "Add", and the list "Added|IP" of the profile's bans
// with its pop-up menu, whose removal Delete on a selected row also asks for.
class BanListPanel : public QGroupBox {
    Q_OBJECT
public:
    BanListPanel(ProfileBinder& binder, const Clock& clock, Prompter& prompter, QWidget* parent = nullptr);

    // Removes the ban of the current row, if any.
    void removeCurrent();
    QTableWidget* grid() const { return m_grid; }

private:
    void add();
    void refresh();

    ProfileBinder& m_binder;
    const Clock& m_clock;
    Prompter& m_prompter;
    QTableWidget* m_grid;
};

} // namespace fw
