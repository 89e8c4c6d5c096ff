#include "cli/ConsolePrompter.h"

#include <QStringList>
#include <algorithm>

namespace fw::cli {

ConsolePrompter::ConsolePrompter(QTextStream& err)
    : m_err(err)
{
}

QString ConsolePrompter::consoleText(const QString& text)
{
    QStringList lines
        = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1).isSpace())
            --end;
        line.truncate(end);
    }
    return lines.join(QLatin1Char('\n'));
}

Answer ConsolePrompter::show(const MessageBox& box)
{
    clearStatus();
    m_err << consoleText(box.titleTellsWhy ? box.text + QStringLiteral(": ") + box.title : box.text)
          << Qt::endl;
    switch (box.buttons) {
    case MessageButtons::YesNo:
        return Answer::Yes;
    case MessageButtons::AbortRetryIgnore:
        return Answer::Abort;
    case MessageButtons::Ok:
        break;
    }
    return Answer::Ok;
}

void ConsolePrompter::showStatus(const QString& text)
{
    // Blanks cover what a longer previous status left behind.
    m_err << '\r' << text << QString(std::max<qsizetype>(0, m_statusWidth - text.size()), QLatin1Char(' '));
    m_err.flush();
    m_statusWidth = text.size();
}

void ConsolePrompter::clearStatus()
{
    if (m_statusWidth == 0)
        return;
    m_err << '\r' << QString(m_statusWidth, QLatin1Char(' ')) << '\r';
    m_err.flush();
    m_statusWidth = 0;
}

QString ConsolePrompter::chooseFile(const FileDialogRequest&)
{
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

} // namespace fw::cli
