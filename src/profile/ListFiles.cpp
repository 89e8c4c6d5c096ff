#include "profile/ListFiles.h"

#include "profile/GridFile.h"
#include "profile/ServerProfile.h"
#include "support/AppContext.h"
#include "support/errors/FortwrightError.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/text/AnsiCodec.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <optional>

namespace fw {
namespace {

bool isHeader(const QStringList& row, const QStringList& header)
{
    if (row.size() != header.size())
        return false;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i].compare(header[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

GridRows readBody(const QString& path, const QStringList& header)
{
    GridRows rows = GridFile::read(path, int(header.size()));
    if (!rows.isEmpty() && isHeader(rows.first(), header))
        rows.removeFirst();
    return rows;
}

bool isBlank(const QStringList& row)
{
    return std::all_of(row.begin(), row.end(), [](const QString& cell) { return cell.isEmpty(); });
}

} // namespace

QList<BanEntry> ListFiles::readBans(const QString& path)
{
    QList<BanEntry> bans;
    for (const QStringList& row : readBody(path, kBanHeader)) {
        if (!isBlank(row))
            bans.append({ row[0], row[1] });
    }
    return bans;
}

void ListFiles::writeBans(const QString& path, const QList<BanEntry>& bans)
{
    GridRows rows { kBanHeader };
    for (const BanEntry& ban : bans)
        rows.append({ ban.added, ban.address });
    GridFile::write(path, rows);
}

QList<AdditionalConfig> ListFiles::readConfigs(const QString& path)
{
    QList<AdditionalConfig> configs;
    for (const QStringList& row : readBody(path, kConfigHeader).mid(0, kAdditionalConfigRows))
        configs.append({ row[0], row[1], row[2], row[3] });
    configs.resize(kAdditionalConfigRows);
    return configs;
}

void ListFiles::writeConfigs(const QString& path, const QList<AdditionalConfig>& configs)
{
    GridRows rows { kConfigHeader };
    for (const AdditionalConfig& c : configs)
        rows.append({ c.modified, c.size, c.name, c.fullPath });
    while (rows.size() <= kAdditionalConfigRows)
        rows.append(QStringList(kConfigHeader.size()));
    GridFile::write(path, rows);
}

QList<RotationRow> ListFiles::readRotation(const QString& path)
{
    QList<RotationRow> rotation;
    for (const QStringList& row : GridFile::read(path, 3)) {
        if (!isBlank(row))
            rotation.append({ row[0], row[1], row[2] });
    }
    return rotation;
}

void ListFiles::writeRotation(const QString& path, const QList<RotationRow>& rows)
{
    GridRows grid;
    for (const RotationRow& row : rows)
        grid.append({ row.mapName, row.gameTypes, row.longName });
    GridFile::write(path, grid);
}

QString ListFiles::readMessage(const QString& path)
{
    return QFileInfo(path).isFile() ? readUserTextFile(path) : QString();
}

void ListFiles::writeMessage(const QString& path, const QString& text)
{
    writeFileWhole(path, encodeUserText(text + QStringLiteral("\r\n")));
}

void ListFiles::loadSideLists(ServerProfile& profile, const AppContext& context)
{
    profile.configs = readConfigs(context.dataPath(kConfigListFile));
    profile.bans = readBans(context.dataPath(kBannedListFile));
    profile.message = readMessage(context.dataPath(kMessageFile));
}

void ListFiles::loadAll(ServerProfile& profile, const AppContext& context)
{
    loadSideLists(profile, context);
    profile.rotation.rows = readRotation(context.dataPath(kRotationListFile));
}

void ListFiles::saveAll(const ServerProfile& profile, const AppContext& context)
{
    std::optional<FortwrightError> firstFailure;
    auto attempt = [&](const std::function<void()>& write) {
        try {
            write();
        } catch (const FortwrightError& e) {
            if (!firstFailure)
                firstFailure = e;
        }
    };
    if (!profile.rotation.rows.isEmpty())
        attempt([&] { writeRotation(context.dataPath(kRotationListFile), profile.rotation.rows); });
    attempt([&] { writeConfigs(context.dataPath(kConfigListFile), profile.configs); });
    attempt([&] { writeBans(context.dataPath(kBannedListFile), profile.bans); });
    attempt([&] { writeMessage(context.dataPath(kMessageFile), profile.message); });
    if (firstFailure)
        throw *firstFailure;
}

} // namespace fw
