#pragma once

#include <QString>

namespace fw::cli {

// The game folder the window stored, or empty when none is known.
QString storedGameFolder(const QString& dataDir);

} // namespace fw::cli
