#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAbstractItemView;
class QAction;
class QWidget;

namespace fw {

// Runs an action when one of some keys is pressed in a widget without Ctrl, Alt, Shift or Meta.
// The key goes no further when the action answers true; otherwise the widget handles it as usual.
class KeyAction : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* widget, QList<int> keys, std::function<bool()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyAction(QWidget* widget, QList<int> keys, std::function<bool()> action);

    QList<int> m_keys;
    std::function<bool()> m_action;
};

// Delete on a selected row of a list runs the entry of the list's pop-up menu that removes a row,
// when the condition (if any) allows it as the pop-up would; the entry shows the key.
void removeWithDeleteKey(QAbstractItemView* list, QAction* entry, std::function<bool()> allowed = {});

} // namespace fw
