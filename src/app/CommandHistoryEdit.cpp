#include "app/CommandHistoryEdit.h"

#include <QKeyEvent>

namespace fw {
namespace {

// Enough for a session at the console; the oldest lines go first.
constexpr qsizetype kHistoryLimit = 200;

} // namespace

CommandHistoryEdit::CommandHistoryEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::returnPressed, this, &CommandHistoryEdit::enter);
}

void CommandHistoryEdit::enter()
{
    const QString line = text();
    if (line.trimmed().isEmpty())
        return;
    // Repeating a command does not fill the history with copies of it.
    if (m_history.isEmpty() || m_history.last() != line)
        m_history.append(line);
    if (m_history.size() > kHistoryLimit)
        m_history.removeFirst();
    m_position = m_history.size();
    m_draft.clear();
    clear();
    emit commandEntered(line);
}

void CommandHistoryEdit::step(int direction)
{
    const qsizetype next = m_position + direction;
    if (next < 0 || next > m_history.size())
        return;
    if (m_position == m_history.size())
        m_draft = text();
    m_position = next;
    setText(m_position == m_history.size() ? m_draft : m_history[m_position]);
}

void CommandHistoryEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        step(-1);
    else if (event->key() == Qt::Key_Down)
        step(1);
    else
        QLineEdit::keyPressEvent(event);
}

} // namespace fw
