#include "generate/LaunchValues.h"

#include "profile/ServerProfile.h"
#include "support/errors/FortwrightError.h"
#include "support/text/NumericText.h"

#include <limits>

namespace fw {

namespace {

qint32 launchPort(const QString& text)
{
    if (text.isEmpty())
        return kDefaultLaunchPort;
    const std::optional<qint64> port = integerHalfEven(text);
    if (!port)
        throw FortwrightError(RuntimeError::TypeMismatch, kExecutableName, QStringLiteral("Type mismatch"));
    if (*port < std::numeric_limits<qint32>::min() || *port > std::numeric_limits<qint32>::max())
        throw FortwrightError(6, kExecutableName, QStringLiteral("Overflow"));
    return qint32(*port);
}

} // namespace

QString pureFragment(const ServerProfile& profile)
{
    return QStringLiteral("+set ") + SettingsCatalogue::tag(field::PureServer)
        + (profile.isOn(field::PureServer) ? QStringLiteral(" 1") : QStringLiteral(" 0"));
}

MemorySizes memorySizes(const ServerProfile& profile)
{
    return { leadingNumber(profile.text(field::ZoneMegs)), leadingNumber(profile.text(field::HunkMegs)),
        leadingNumber(profile.text(field::SoundMegs)) };
}

LaunchValues gatherLaunchValues(const ServerProfile& profile)
{
    LaunchValues values;
    const MemorySizes sizes = memorySizes(profile);
    values.zone = sizes.zone;
    values.hunk = sizes.hunk;
    values.sound = sizes.sound;
    values.ip = profile.text(field::ServerIp);
    values.port = launchPort(profile.text(field::ServerPort));
    values.pure = pureFragment(profile);
    return values;
}

} // namespace fw
