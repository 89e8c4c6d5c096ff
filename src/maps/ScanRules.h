#pragma once

#include "maps/MapEntry.h"

#include <QList>
#include <optional>

namespace fw {

class Pk3Archive;

// A file the scan looks at: a name longer than 4 characters whose last three are "pk3" in any case.
bool isPk3Name(const QString& fileName);

// The game's own archives are recognised by name (any case) and never opened: PAK5 holds the
// eleven stock maps, PAK6 lists mohdm6 once more, PAK0 to PAK4 hold none. Nothing for any other
// archive, which has to be examined.
std::optional<QList<MapEntry>> stockArchiveMaps(const QString& fileName);

// "ffa team round" for exactly maps\dm\, "objective" for exactly maps\obj\, else empty.
QString gameTypesOfFolder(const QString& folder);

// Every .bsp entry of a custom archive, in entry order, named up to its first dot and typed by its
// folder; its long name is its map name. An archive counts only when one of its .bsp entries has
// a name longer than 5 characters; otherwise it contributes nothing.
// A map whose name is not well formed is left out, its entry's file name added to skipped.
QList<MapEntry> customArchiveMaps(
    const Pk3Archive& archive, const QString& fileName, QStringList* skipped = nullptr);

// Whether a name can go into the map list and on into the server configuration unchanged: no
// control character (it would start a new line), no double quote (it would end a quoted value),
// no comma (it would split a list line) and no semicolon (it would end a console command).
bool isWellFormedListName(const QString& name);
// The name with its control characters written out ("\r", "\x01"), for a log line.
QString visibleName(const QString& name);

} // namespace fw
