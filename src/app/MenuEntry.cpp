#include "app/MenuEntry.h"

#include <QMenu>

namespace fw {

QAction* addMenuEntry(QMenu& menu, const char* caption, const char* id, std::function<void()> slot)
{
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(id));
    if (slot)
        QObject::connect(action, &QAction::triggered, &menu, std::move(slot));
    return action;
}

} // namespace fw
