#include "generate/SavePathDialog.h"

#include "support/Prompter.h"

namespace fw {

namespace {
constexpr quint32 kOverwritePromptExplorer = 0x80002;
}

QString askSavePath(
    Prompter& prompter, const QString& title, const QString& filter, const QString& initialDir)
{
    FileDialogRequest request;
    request.open = false;
    request.title = title;
    request.filter = filter;
    request.initialDir = initialDir;
    request.flags = kOverwritePromptExplorer;
    return prompter.chooseFile(request);
}

} // namespace fw
