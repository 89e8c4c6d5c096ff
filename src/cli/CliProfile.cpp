#include "cli/CliProfile.h"

#include "check/ValueWarnings.h"
#include "profile/ListFiles.h"

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStore.h"

#include <QDir>
#include <QFileInfo>

namespace fw::cli {

QString profilePathFor(CliSession& session, const QCommandLineParser& parser)
{
    const QString given = parser.value(CliCommand::profileOption().names().constFirst());
    // The data folder exists for a command that writes, and a command that only reads makes none.
    return given.isEmpty() ? session.context().dataPath(kDefaultProfileName)
                           : QFileInfo(given).absoluteFilePath();
}

ServerProfile loadProfileAt(const QString& path, bool mustExist)
{
    ServerProfile profile;
    const ProfileReadResult read = ProfileFile::read(path, profile);
    if (!read.failure.isEmpty())
        CliSession::fail(read.failure);
    if (!read.fileRead && mustExist)
        CliSession::fail(QStringLiteral("No profile file at %1").arg(QDir::toNativeSeparators(path)));
    return profile;
}

ServerProfile quietWindowProfile(CliSession& session, const QCommandLineParser& parser)
{
    const bool given = parser.isSet(CliCommand::profileOption().names().constFirst());
    ServerProfile profile = loadProfileAt(profilePathFor(session, parser), given);
    ListFiles::loadAll(profile, session.context());
    return profile;
}

ServerProfile windowProfile(CliSession& session, const QCommandLineParser& parser)
{
    ServerProfile profile = quietWindowProfile(session, parser);
    session.warn(profileValueWarnings(profile));
    return profile;
}

} // namespace fw::cli
