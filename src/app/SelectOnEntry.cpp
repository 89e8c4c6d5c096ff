#include "app/SelectOnEntry.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace fw {

void SelectOnEntry::install(QLineEdit* edit)
{
    edit->installEventFilter(new SelectOnEntry(edit));
}

bool SelectOnEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return false;
}

} // namespace fw
