#pragma once

#include "maps/MapWizard.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace fw {

class SpinField;

// The Map Wizard's window: the map list, the game options and the game-play values of one map at
// a time, and the five navigation buttons. It is left through Cancel or a successful Finish.
class FrmWizard : public QDialog {
    Q_OBJECT
public:
    FrmWizard(const ServerProfile& profile, AppContext& context, QWidget* parent = nullptr);

    MapWizard& wizard() { return m_wizard; }
    QPushButton* navButton(int index) const;
    QTableWidget* mapList() const { return m_maps; }

    // One of the navigation buttons, as a click on it.
    void cmdNav_Click(int index);

signals:
    // Cancel confirmed, or Finish saved the cycle (path not empty then).
    void finished(const QString& savedPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* makeMapPage();
    QWidget* makeOptionsPage();
    QWidget* makePlayPage();
    void collect();
    void showState();
    void updateDmFlagSum();
    // Writes the cycle Finish handed over; false (the writer has said why) keeps the wizard open.
    bool saveCycle();

    AppContext& m_context;
    MapWizard m_wizard;
    QStackedWidget* m_pages;
    QTableWidget* m_maps;
    QButtonGroup* m_gameTypes;
    QList<QAbstractButton*> m_dmFlags;
    QLineEdit* m_dmFlagSum;
    QList<SpinField*> m_limits;
    QList<SpinField*> m_movement;
    QList<QPushButton*> m_nav;
    bool m_done = false;
};

} // namespace fw
