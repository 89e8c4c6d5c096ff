#pragma once

#include "support/settings/CAppSettings.h"

#include <QString>

namespace fw {

// The values the program keeps between runs in the settings store, section "Fortwright" of the
// application "Fortwright" of "_DezeveRovorare": the game folder, the first-run flag and the main
// window's last position. Writes that fail raise the settings component's error.
class AppState {
public:
    explicit AppState(const QString& storePath);

    // MOHAA: the game folder; empty when none is stored.
    QString gameFolder() const;
    void setGameFolder(const QString& folder);

    // FirstTime: "1" once the first map scan has succeeded, "0" (the default) before.
    QString firstTime() const;
    bool firstScanDone() const { return firstTime() == QLatin1String("1"); }
    void setFirstTime(bool scanned);

    // left and top: the window's last edges, whole numbers (32-bit) rounded from the given units.
    qint32 left() const;
    qint32 top() const;
    void setWindowPosition(double left, double top);

private:
    QVariant get(const QString& key, const QVariant& fallback) const;
    void save(const QString& key, const QVariant& value);

    CAppSettings m_settings;
};

} // namespace fw
