#include "generate/SavePathDialog.h"

#include "support/platform/CFileDialog.h"

namespace fw {

QString askSavePath(
    Prompter& prompter, const QString& title, const QString& filter, const QString& initialDir)
{
    CFileDialog dialog(prompter);
    dialog.setDialogTitle(title);
    dialog.setFilter(filter);
    dialog.setInitialDir(initialDir);
    dialog.setFileName(QString());
    dialog.setFlags(FileDialogFlag::OverwritePrompt | FileDialogFlag::Explorer);
    return dialog.Show(false) ? dialog.FileName() : QString();
}

} // namespace fw
