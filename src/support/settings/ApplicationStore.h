#pragma once

#include "support/settings/CAppSettings.h"

namespace fw {

inline const QString kStoreCompanyName = QStringLiteral("_DezeveRovorare");
inline const QString kStoreApplicationName = QStringLiteral("Fortwright");

// The store opened under the application's own key, where every value the program keeps for
// itself lives, so that each part of it writes the same store file.
struct ApplicationStore {
    explicit ApplicationStore(const QString& storePath)
        : settings(storePath)
    {
        settings.Init(kStoreCompanyName, kStoreApplicationName);
    }
    CAppSettings settings;
};

} // namespace fw
