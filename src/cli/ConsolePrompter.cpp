#include "cli/ConsolePrompter.h"

#include <QStringList>

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
    ++m_shown;
    m_err << consoleText(box.text) << Qt::endl;
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

QString ConsolePrompter::chooseFile(const FileDialogRequest&)
{
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

} // namespace fw::cli
