#include "server/InterruptedSaves.h"

#include "maps/MapListFile.h"
#include "profile/ListFiles.h"
#include "profile/ProfileStore.h"
#include "support/AppContext.h"
#include "support/files/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace fw {
namespace {

constexpr qint64 kMinimumAgeSeconds = 60;

bool isLeftOver(const QString& fileName, const QStringList& ownNames)
{
    static const QRegularExpression kTemporary(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    static const QRegularExpression kEarlierProfile(QStringLiteral("^\\.profile-[A-Za-z0-9]{6}$"));
    if (kEarlierProfile.match(fileName).hasMatch())
        return true;
    const QRegularExpressionMatch match = kTemporary.match(fileName);
    return match.hasMatch() && ownNames.contains(match.captured(1), Qt::CaseInsensitive);
}

int removeIn(const QString& folder, const QStringList& ownNames, const QDateTime& now)
{
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files) {
        if (!isLeftOver(file.fileName(), ownNames) || file.lastModified().secsTo(now) < kMinimumAgeSeconds)
            continue;
        if (QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace

int removeInterruptedSaves(const AppContext& context, const QDateTime& now)
{
    const QStringList dataFiles { kDefaultProfileName, kBannedListFile, kConfigListFile, kRotationListFile,
        kWizardGridFile, kMessageFile, kMapListFileName, QStringLiteral("MOHAALib.atb"),
        QStringLiteral("tempcfg.cfg") };
    const QFileInfo store(context.settingsStorePath);
    if (sameFolder(store.absolutePath(), context.dataDir))
        return removeIn(context.dataDir, dataFiles + QStringList { store.fileName() }, now);
    return removeIn(context.dataDir, dataFiles, now)
        + removeIn(store.absolutePath(), { store.fileName() }, now);
}

} // namespace fw
