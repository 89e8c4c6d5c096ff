#include "generate/WrittenFileViewer.h"

#include "support/platform/PlatformServices.h"

#include <QFileInfo>

namespace fw {

void showWrittenFile(PlatformServices& services, const QString& path, NotepadFallback fallback)
{
#ifdef Q_OS_WIN
    for (const QString& notepad :
        { QStringLiteral("C:\\Windows\\Notepad.exe"), QStringLiteral("C:\\WINNT\\Notepad.exe") }) {
        if (QFileInfo::exists(notepad)) {
            services.startDetached(notepad, { path }, QString(), nullptr);
            return;
        }
    }
    if (fallback == NotepadFallback::DesktopOpen)
        services.openDocument(path);
#else
    Q_UNUSED(fallback)
    services.openDocument(path);
#endif
}

} // namespace fw
