#include "support/platform/CFileDialog.h"

#include "support/errors/FortwrightError.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"

namespace fw {

QString TrimNulls(const QString& text)
{
    const qsizetype pair = text.indexOf(QStringView(u"\0\0", 2));
    QString kept = pair < 0 ? text : text.left(pair);
    return kept.replace(QChar(u'\0'), QLatin1Char(' '));
}

CFileDialog::CFileDialog(Prompter& prompter)
    : m_prompter(prompter)
{
}

QString CFileDialog::buffer(const QString& text) const
{
    if (text.size() > m_maxFileSize)
        throw FortwrightError(RuntimeError::InvalidProcedureCall, kExecutableName,
            QStringLiteral("Invalid procedure call or argument"));
    return text + QString(m_maxFileSize - text.size(), QChar(u'\0'));
}

bool CFileDialog::Show(bool fOpen)
{
    try {
        buffer(m_fileName);
        buffer(m_fileTitle);
        FileDialogRequest request;
        request.open = fOpen;
        request.title = m_dialogTitle;
        request.filter = m_filter;
        request.initialDir = m_initialDir;
        request.fileName = m_fileName;
        request.defaultExt = m_defaultExt;
        request.flags = quint32(m_flags);
        request.filterIndex = m_filterIndex;
        const QString chosen = m_prompter.chooseFile(request);
        if (chosen.isEmpty())
            return false;
        // A path longer than the buffer is taken whole: only Windows' own dialog needs the limit.
        const auto cleaned = [this](const QString& text) {
            return TrimNulls(text.size() < m_maxFileSize ? buffer(text) : text);
        };
        m_fileName = cleaned(chosen);
        m_fileTitle = cleaned(GetNamePart(chosen));
        return true;
    } catch (const FortwrightError& e) {
        m_prompter.plain(
            QStringLiteral("Error: %1. %2").arg(e.number()).arg(e.description()), QStringLiteral("Show"));
        return false;
    }
}

} // namespace fw
