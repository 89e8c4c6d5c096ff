#include "generate/WrittenFileViewer.h"

#include "support/platform/OperatingSystem.h"
#include "support/platform/PlatformServices.h"

namespace fw {

void showWrittenFile(PlatformServices& services, const QString& path, NotepadFallback fallback)
{
    if (!os::openInNotepad(services, path) && fallback == NotepadFallback::DesktopOpen)
        services.openDocument(path);
}

} // namespace fw
