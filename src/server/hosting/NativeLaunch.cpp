#include "server/hosting/NativeLaunch.h"

#include "generate/LaunchValues.h"
#include "server/hosting/HostCommand.h"
#include "server/hosting/HostSettings.h"
#include "server/hosting/HostedServer.h"
#include "server/hosting/ServerProgram.h"
#include "support/AppContext.h"
#include "support/platform/Prompter.h"

namespace fw {
namespace {

constexpr quint16 kNativeDefaultPort = 12203;

} // namespace

QString chosenServerProgram(const AppContext& ctx, const RunHosting& hosting)
{
    return hosting.program.isEmpty() ? HostSettings(ctx.settingsStorePath).serverProgram() : hosting.program;
}

quint16 nativeServerPort(const LaunchValues& values)
{
    return values.port > 0 && values.port <= 65535 ? quint16(values.port) : kNativeDefaultPort;
}

bool startNativeServer(const LaunchValues& values, const ServerProfile& profile, const QString& configName,
    AppContext& ctx, const RunHosting& hosting)
{
    if (!hosting.server)
        return false;
    const ServerProgram program = chooseServerProgram(ctx.gamePath, chosenServerProgram(ctx, hosting));
    const std::optional<HostCommand> command
        = hostCommand(values, profile, configName, ctx.gamePath, program);
    if (!command || !command->native)
        return false;
    hosting.server->setRestartOnCrash(HostSettings(ctx.settingsStorePath).restartOnCrash());
    hosting.server->start(*command, nativeServerPort(values));
    return true;
}

bool settleRunningServer(const RunHosting& hosting, AppContext& ctx)
{
    if (!hosting.server || !hosting.server->isRunning())
        return true;
    const QString question
        = QStringLiteral("The server Fortwright started is running (PID %1). Stop it and start it again with "
                         "these settings?")
              .arg(hosting.server->status().pid)
        + kEightBlanks;
    if (!ctx.prompter.confirm(question, kAppTitle, MessageIcon::Question, Answer::No))
        return false;
    hosting.server->stopAndWait();
    return true;
}

} // namespace fw
