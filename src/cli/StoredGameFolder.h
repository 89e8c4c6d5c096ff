#pragma once

#include <QString>

namespace fw::cli {

// The game folder the settings store holds, cleaned as start-up cleans it; empty when none is
// stored.
QString storedGameFolder(const QString& settingsStore);

} // namespace fw::cli
