#include "app/KeyAction.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace fw {

KeyAction::KeyAction(QWidget* widget, QList<int> keys, std::function<bool()> action)
    : QObject(widget)
    , m_keys(std::move(keys))
    , m_action(std::move(action))
{
}

void KeyAction::install(QWidget* widget, QList<int> keys, std::function<bool()> action)
{
    widget->installEventFilter(new KeyAction(widget, std::move(keys), std::move(action)));
}

bool KeyAction::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's Enter carries a modifier of its own.
    constexpr Qt::KeyboardModifiers chords
        = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;
    return !(key->modifiers() & chords) && m_keys.contains(key->key()) && m_action();
}

void removeWithDeleteKey(QAbstractItemView* list, QAction* entry, std::function<bool()> allowed)
{
    entry->setShortcut(QKeySequence::Delete);
    // Shown in the menu only: the key belongs to the list, where the filter below takes it.
    entry->setShortcutContext(Qt::WidgetShortcut);
    KeyAction::install(list, { Qt::Key_Delete }, [list, entry, allowed = std::move(allowed)] {
        const QModelIndex current = list->currentIndex();
        if (!current.isValid() || !list->selectionModel()->isRowSelected(current.row(), current.parent())
            || (allowed && !allowed()))
            return false;
        entry->trigger();
        return true;
    });
}

} // namespace fw
