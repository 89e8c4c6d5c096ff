#include "server/MessageSettings.h"

#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "support/errors/FortwrightError.h"
#include "support/text/NumericText.h"

#include <limits>

namespace fw {

namespace {

constexpr double kIdlePeriod = 5;
constexpr qint32 kFallbackPauseMs = 2000;

} // namespace

double messagePeriod(const ServerProfile& profile)
{
    const double period = leadingNumber(profile.text(SettingGroup::txtSeverMessageTime));
    return period == 0 ? kIdlePeriod : period;
}

qint32 messagePauseMs(const ServerProfile& profile)
{
    const double ms = leadingNumber(profile.text(SettingGroup::txtMsgDelay)) * 1000;
    // From .5 below the limit on, rounding leaves 32 bits.
    if (ms >= double(std::numeric_limits<qint32>::max()) + 0.5)
        throw FortwrightError(6, kExecutableName, QStringLiteral("Overflow"));
    const qint64 rounded = ms > 0 ? roundHalfEven(ms) : 0;
    return rounded == 0 ? kFallbackPauseMs : qint32(rounded);
}

qint32 messagePort(const ServerProfile& profile)
{
    return gatherLaunchValues(profile).port;
}

} // namespace fw
