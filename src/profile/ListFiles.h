#pragma once

#include "profile/ProfileLists.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace fw {

struct AppContext;
class ServerProfile;

inline const QString kBannedListFile = QStringLiteral("Banned.dat");
inline const QString kConfigListFile = QStringLiteral("Configs.dat");
inline const QString kRotationListFile = QStringLiteral("Maps.dat");
inline const QString kWizardGridFile = QStringLiteral("grid.dat");
inline const QString kMessageFile = QStringLiteral("msg.txt");

inline const QStringList kBanHeader = { QStringLiteral("Added"), QStringLiteral("IP") };
inline const QStringList kConfigHeader = { QStringLiteral("Date Last Modified"), QStringLiteral("Size"),
    QStringLiteral("Configuration"), QStringLiteral("FullPath") };

// The list files of the data folder. A missing file reads as an empty list; rows with too few
// cells are padded and rows with too many are cut. Reading or writing an existing file that
// cannot be reached throws FortwrightError.
class ListFiles {
public:
    // The ban grid: its header row, then one row per entry. A file without the header row is
    // read as entries only; empty lines are skipped.
    static QList<BanEntry> readBans(const QString& path);
    static void writeBans(const QString& path, const QList<BanEntry>& bans);

    // The configuration grid: its header row and always kAdditionalConfigRows rows, empty ones
    // included; rows beyond those are dropped.
    static QList<AdditionalConfig> readConfigs(const QString& path);
    static void writeConfigs(const QString& path, const QList<AdditionalConfig>& configs);

    // The rotation (Maps.dat, and the wizard's grid.dat): no header row; empty lines skipped.
    static QList<RotationRow> readRotation(const QString& path);
    static void writeRotation(const QString& path, const QList<RotationRow>& rows);

    // The message text: the whole file, line ends included; written followed by one CR LF.
    static QString readMessage(const QString& path);
    static void writeMessage(const QString& path, const QString& text);

    // The lists as the window reads them when it opens: configurations, bans, message, rotation.
    static void loadAll(ServerProfile& profile, const AppContext& context);
    // The same without the rotation, which the window restores only after its map catalogue.
    static void loadSideLists(ServerProfile& profile, const AppContext& context);
    // The lists as the window writes them when it closes: the rotation only when it has rows (an
    // emptied rotation leaves the old file), configurations, bans (the grid always has its header
    // row) and message always. A file that fails does not stop the others; the first failure is
    // thrown afterwards.
    static void saveAll(const ServerProfile& profile, const AppContext& context);
};

} // namespace fw
