#include "app/MainMenus.h"

#include "app/MainCommandTable.h"
#include "app/MenuEntry.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <vector>

namespace fw {

MainMenus::MainMenus(QMainWindow& window, Dispatch dispatch)
    : QObject(&window)
    , m_dispatch(std::move(dispatch))
{
    buildMenuBar(window);
    buildToolbar(window);
}

QAction* MainMenus::action(const QString& id) const
{
    return parent()->findChild<QAction*>(id);
}

void MainMenus::buildMenuBar(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    std::vector<QMenu*> open;
    for (const MenuRow& row : mainCommandTable()) {
        switch (row.kind) {
        case MenuRow::Kind::Menu: {
            const QString caption = QString::fromUtf8(row.caption);
            QMenu* menu = open.empty() ? bar->addMenu(caption) : open.back()->addMenu(caption);
            menu->setObjectName(QString::fromUtf8(row.id));
            open.push_back(menu);
            break;
        }
        case MenuRow::Kind::End:
            open.pop_back();
            break;
        case MenuRow::Kind::Separator:
            open.back()->addSeparator();
            break;
        case MenuRow::Kind::Command: {
            const QString id = QString::fromUtf8(row.id);
            QAction* entry = addMenuEntry(*open.back(), row.caption, row.id, [this, id] { m_dispatch(id); });
            if (row.keys)
                entry->setShortcut(QKeySequence(QString::fromLatin1(row.keys), QKeySequence::PortableText));
            break;
        }
        }
    }
}

void MainMenus::buildToolbar(QMainWindow& window)
{
    m_toolbar = window.addToolBar(QStringLiteral("Main"));
    m_toolbar->setObjectName(QStringLiteral("tbrMain"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolbar->setIconSize(QSize(16, 16));
    std::vector<const MenuRow*> tools;
    for (const MenuRow& row : mainCommandTable())
        if (row.tool.position >= 0)
            tools.push_back(&row);
    std::ranges::sort(tools, {}, [](const MenuRow* row) { return row->tool.position; });
    const QStyle* style = window.style();
    for (const MenuRow* row : tools) {
        const ToolButton& tool = row->tool;
        QAction* action
            = m_toolbar->addAction(style->standardIcon(tool.icon), QString::fromUtf8(tool.caption));
        action->setObjectName(QString::fromUtf8(tool.id));
        action->setToolTip(QString::fromUtf8(tool.tip));
        const QString id = QString::fromUtf8(row->id);
        connect(action, &QAction::triggered, this, [this, id] { m_dispatch(id); });
    }
}

} // namespace fw
