#include "server/ControlButtons.h"

#include "generate/ServerConfigWriter.h"
#include "profile/ProfileStore.h"
#include "profile/ServerProfile.h"
#include "server/RunConfigName.h"
#include "server/RunLaunch.h"
#include "support/AppContext.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"
#include "support/text/NumericText.h"

#include <QFile>

namespace fw {

using G = SettingGroup;

ControlButtons::ControlButtons(
    const ServerProfile& profile, AppContext& ctx, ServerMessenger& messenger, RunHosting hosting)
    : m_profile(profile)
    , m_ctx(ctx)
    , m_messenger(messenger)
    , m_hosting(std::move(hosting))
{
}

bool ControlButtons::run(const std::function<void()>& minimise)
{
    Prompter& prompter = m_ctx.prompter;
    const bool messaging = leadingNumber(m_profile.text(G::txtSeverMessageTime)) > 0;
    if (messaging && m_profile.text(field::RconPassword).trimmed().isEmpty()) {
        prompter.warn(messageLines(
            { QStringLiteral("You have server messaging enabled, however, an Rcon Password is required"),
                QStringLiteral("Please input an Rcon Password, any password will do.") }));
        return false;
    }
    const std::optional<QString> name = checkedRunConfigName(m_profile, prompter);
    if (!name)
        return false;
    if (m_profile.rotation.rows.isEmpty() && m_profile.rotation.savedCyclePath.isEmpty()) {
        prompter.warn(QStringLiteral("No Maps have been selected. Please select at least one map to cycle.")
            + kEightBlanks);
        return false;
    }
    // Never a second server on the same port: the running one goes first, or nothing happens.
    if (!settleRunningServer(m_hosting, m_ctx))
        return false;

    const std::optional<WrittenConfiguration> written = CreateMOHAAConfiguration(
        m_profile, m_ctx, ConfigurationTarget::GameMainFolder, configFileName(*name));
    if (written && launchWrittenConfiguration(*written, m_profile, m_ctx, m_messenger, m_hosting)) {
        if (minimise)
            minimise();
        return true;
    }
    prompter.critical(QStringLiteral("Unable to launch Server") + kEightBlanks);
    return false;
}

bool ControlButtons::makeDefault()
{
    if (!m_ctx.prompter.confirm(QStringLiteral("Set current settings as default?") + kEightBlanks))
        return false;
    const bool written = SaveProfile(m_profile, m_ctx, true).written;
    m_ctx.prompter.inform(QStringLiteral("Settings have been saved") + kEightBlanks);
    return written;
}

bool ControlButtons::reset()
{
    const QString question = QStringLiteral("WARNING - All Fortwright settings will be lost. It is")
        + kEightBlanks + QStringLiteral("\r\nrecommended that you backup your configuration first.")
        + kEightBlanks + QStringLiteral("\r\n\r\n") + QString(16, QLatin1Char(' '))
        + QStringLiteral("Do you wish to continue?") + kEightBlanks;
    if (!m_ctx.prompter.confirm(question, kAppTitle, MessageIcon::Exclamation, Answer::No))
        return false;
    // Read-only or not, the default profile goes; a failure is ignored.
    QFile profile(defaultProfilePath(m_ctx));
    profile.setPermissions(profile.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    profile.remove();
    m_ctx.prompter.inform(QStringLiteral("Fortwright will now restart") + kEightBlanks);
    return true;
}

} // namespace fw
