#pragma once

#include <QString>

namespace fw {

class PlatformServices;

// What happens when no Notepad is found on Windows.
enum class NotepadFallback { DesktopOpen, Nothing };

// Whether a writer shows the file it wrote (the command-line tool does not).
enum class ShowWritten { Yes, No };

// Shows a file just written: Notepad on Windows when it is at one of its two usual places,
// otherwise the desktop's default editor (on Windows only when fallback allows it).
void showWrittenFile(PlatformServices& services, const QString& path, NotepadFallback fallback);

} // namespace fw
