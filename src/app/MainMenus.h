#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

namespace fw {

// The menu bar and the toolbar of the main window, built from the main command table. Every
// entry carries its id as its object name and hands its command's id to one dispatch function.
class MainMenus : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(const QString& id)>;
    MainMenus(QMainWindow& window, Dispatch dispatch);

    QToolBar* toolbar() const { return m_toolbar; }
    // The entry with this command id (the first, where several menus carry it).
    QAction* action(const QString& id) const;

private:
    void buildMenuBar(QMainWindow& window);
    void buildToolbar(QMainWindow& window);

    Dispatch m_dispatch;
    QToolBar* m_toolbar = nullptr;
};

} // namespace fw
