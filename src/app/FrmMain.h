#pragma once

#include <QMainWindow>

class QPushButton;
class QTabWidget;

namespace fw {

// The main window: the five tabs of settings and the four buttons along the bottom.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* button(int index) const;

private:
    QTabWidget* m_tabs;
    QList<QPushButton*> m_buttons;
};

} // namespace fw
