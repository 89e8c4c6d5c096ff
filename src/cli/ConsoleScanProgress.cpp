#include "cli/ConsoleScanProgress.h"

#include "cli/ConsolePrompter.h"
#include "support/platform/OperatingSystem.h"

#include <QFile>

namespace fw::cli {

ConsoleScanProgress::ConsoleScanProgress(ConsolePrompter* terminal)
    : m_terminal(terminal)
{
}

void ConsoleScanProgress::setValue(int value)
{
    m_value = value;
    update();
}

void ConsoleScanProgress::setCurrentFile(const QString& text)
{
    m_file = text;
    update();
}

void ConsoleScanProgress::hide()
{
    if (m_terminal)
        m_terminal->clearStatus();
}

void ConsoleScanProgress::update()
{
    if (!m_terminal)
        return;
    // The scanner sets 0 when it is done, successful or not.
    if (m_value <= 0) {
        m_terminal->clearStatus();
        return;
    }
    const QString file = m_file.isEmpty() ? QStringLiteral("Scanning ....") : m_file;
    m_terminal->showStatus(QStringLiteral("%1 %2/%3").arg(file).arg(m_value).arg(m_maximum));
}

bool writesToTerminal(const QTextStream& stream)
{
    const auto* file = qobject_cast<const QFile*>(stream.device());
    return file && os::isTerminal(file->handle());
}

} // namespace fw::cli
