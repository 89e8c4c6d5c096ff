#include "app/QtPrompter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace fw {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Abort:
        return QMessageBox::Abort;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Qt shows a folder that does not exist as the file name to save under; the system dialogs open
// in the nearest folder that does, with the name left empty. Nothing is created.
QString nearestExistingFolder(const QString& folder)
{
    if (folder.isEmpty())
        return folder;
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return QString();
        path = parent;
    }
    return path;
}

} // namespace

QtPrompter::QtPrompter(QWidget* parent)
    : m_parent(parent)
{
}

Answer QtPrompter::show(const MessageBox& box)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (box.buttons == MessageButtons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (box.buttons == MessageButtons::AbortRetryIgnore)
        buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    // Message texts end in eight blanks that pad the box; they are shown as they are.
    QMessageBox dialog(qtIcon(box.icon), box.title, box.text, buttons, m_parent);
    dialog.setDefaultButton(qtButton(box.defaultAnswer));
    switch (dialog.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        return box.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString qtFilterFromPairs(const QString& pairs)
{
    const QStringList items = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        QString description = items.at(i);
        const QString pattern = items.at(i + 1);
        if (!description.contains(pattern))
            description += QStringLiteral(" (") + QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '))
                + QLatin1Char(')');
        filters.append(description);
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtPrompter::chooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title, nearestExistingFolder(request.initialDir),
        qtFilterFromPairs(request.filter));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    constexpr quint32 kOverwritePrompt = 0x2;
    if (!request.open && !(request.flags & kOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompter::askText(const TextQuestion& question)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        m_parent, question.title, question.text, QLineEdit::Normal, question.initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace fw
