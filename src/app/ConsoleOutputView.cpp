#include "app/ConsoleOutputView.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace fw {
namespace {

// Often enough to read as live, seldom enough that a flood costs few layouts.
constexpr int kBatchMilliseconds = 50;
// One batch's most, about 20 ms of work; a longer queue is shown over the next turns of the event
// loop.
constexpr qsizetype kBatchLines = 2000;

} // namespace

ConsoleOutputView::ConsoleOutputView(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setMaximumBlockCount(kMaxLines);
    // Server output is laid out in columns (the status table); unwrapped lines also lay out fastest.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_batch.setSingleShot(true);
    m_batch.setInterval(kBatchMilliseconds);
    connect(&m_batch, &QTimer::timeout, this, &ConsoleOutputView::flush);
    // The range grows whenever the view lays out new lines, which may be well after they were
    // added (a window not yet on screen, a resize); a view at the bottom stays there through it.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
        [this, bar](int value) { m_following = value >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (m_following)
            bar->setValue(maximum);
    });
}

void ConsoleOutputView::appendLines(const QStringList& lines)
{
    // Lines that would be pushed out of the view before they were ever shown are dropped now.
    if (lines.size() >= kMaxLines) {
        m_pending = lines.last(kMaxLines);
    } else {
        m_pending.append(lines);
        if (m_pending.size() > kMaxLines)
            m_pending.remove(0, m_pending.size() - kMaxLines);
    }
    if (!m_batch.isActive())
        m_batch.start();
}

void ConsoleOutputView::flush()
{
    if (m_pending.isEmpty())
        return;
    const qsizetype count = std::min(m_pending.size(), kBatchLines);
    dropOldest(document()->blockCount() + count - kMaxLines);
    appendPlainText(m_pending.first(count).join(QLatin1Char('\n')));
    m_pending.remove(0, count);
    if (!m_pending.isEmpty())
        m_batch.start(0);
    else
        m_batch.setInterval(kBatchMilliseconds);
}

void ConsoleOutputView::dropOldest(qsizetype lines)
{
    // The block limit alone would do this a line at a time, several times slower: a full view
    // made each batch cost a hundred milliseconds.
    if (lines <= 0)
        return;
    QTextCursor cut(document());
    cut.setPosition(
        document()->findBlockByNumber(static_cast<int>(lines)).position(), QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

} // namespace fw
