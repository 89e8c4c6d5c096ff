#include "generate/LaunchLine.h"

#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "support/files/PathHelpers.h"
#include "support/text/NumericText.h"

#include <array>

namespace fw {

namespace {

// Listen is looked at first, then LAN, then Internet; the first selected one decides.
constexpr std::array<int, 3> kServerTypeOrder { 2, 0, 1 };

// The "+set dedicated n" of the selected server type, or empty when none is selected.
QString dedicatedSetting(const ServerProfile& profile)
{
    for (const int index : kServerTypeOrder) {
        if (profile.selected(SettingGroup::optServerType) == index)
            return SettingsCatalogue::tag(SettingGroup::optServerType, index);
    }
    return {};
}

} // namespace

QString LaunchLine::program() const
{
    return line.section(QLatin1Char(' '), 0, 0);
}

QStringList LaunchLine::arguments() const
{
    return line.section(QLatin1Char(' '), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString launchConfigName(const QString& typedName)
{
    return configFileName(typedName.trimmed()).replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString gameTypeFragment(const ServerProfile& profile)
{
    const int members = SettingsCatalogue::memberCount(SettingGroup::optGameType);
    for (int index = 0; index < members; ++index) {
        if (profile.selected(SettingGroup::optGameType) == index)
            return QStringLiteral(" +set g_gametype ")
                + SettingsCatalogue::tag(SettingGroup::optGameType, index);
    }
    return {};
}

std::optional<LaunchLine> buildLaunchLine(
    const LaunchValues& values, const ServerProfile& profile, const QString& configName)
{
    const QString dedicated = dedicatedSetting(profile);
    if (dedicated.isEmpty())
        return std::nullopt;

    const QString head = QLatin1Char(' ') + dedicated + QStringLiteral(" +set ");
    const QString port = QString::number(values.port);
    const QString hunk = shortestDecimal(values.hunk);
    const QString zone = shortestDecimal(values.zone);
    const QString tail = QStringLiteral(" +set com_zonemegs ") + zone + gameTypeFragment(profile)
        + QStringLiteral(" +exec ") + configName;

    QString line = kServerProgram;
    if (!values.ip.isEmpty()) {
        line += head + QStringLiteral("net_ip ") + values.ip + QLatin1Char(' ') + values.pure
            + QStringLiteral(" +set vm_game 0");
        if (values.port > 0)
            line += QStringLiteral(" +set net_port ") + port;
        line += QStringLiteral(" +set com_hunkmegs ") + hunk;
    } else if (values.port >= 1) {
        line += head + QStringLiteral("net_port ") + port + QLatin1Char(' ') + values.pure
            + QStringLiteral(" +set vm_game 0 +set com_hunkmegs ") + hunk;
    } else {
        line += head + QStringLiteral("com_hunkmegs ") + hunk + QLatin1Char(' ') + values.pure
            + QStringLiteral(" +set vm_game 0");
    }
    return LaunchLine { line + tail };
}

} // namespace fw
