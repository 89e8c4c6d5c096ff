#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace fw {

// The menu bar, the toolbar and the pop-up menus of the main window. Every entry carries its
// command id as its object name and hands that id (or, for the list-removal entries, the id of
// their pop-up) to one dispatch function.
class MainMenus : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(const QString& id)>;
    MainMenus(QMainWindow& window, Dispatch dispatch);

    // ID_SelectedMapsPopup, ID_Banned or ID_AdditionalCFGs; nullptr for another id.
    QMenu* popup(const QString& id) const { return m_popups.value(id); }
    QToolBar* toolbar() const { return m_toolbar; }
    // The entry with this command id (the first, where several menus carry it).
    QAction* action(const QString& id) const;

private:
    QAction* add(
        QMenu* menu, const QString& caption, const QString& id, const QString& dispatchId = QString());
    QMenu* submenu(QMenu* parent, const QString& caption, const QString& id);
    void buildMenuBar(QMainWindow& window);
    void buildToolbar(QMainWindow& window);
    void buildPopups(QMainWindow& window);

    Dispatch m_dispatch;
    QToolBar* m_toolbar = nullptr;
    QHash<QString, QMenu*> m_popups;
};

} // namespace fw
