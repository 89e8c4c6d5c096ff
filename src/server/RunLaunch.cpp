#include "server/RunLaunch.h"

#include "generate/ServerConfigWriter.h"
#include "profile/ServerProfile.h"
#include "server/ServerLauncher.h"
#include "server/ServerMessenger.h"
#include "support/text/NumericText.h"

namespace fw {

bool launchWrittenConfiguration(const WrittenConfiguration& written, const ServerProfile& profile,
    AppContext& ctx, ServerMessenger& messenger, const RunHosting& hosting)
{
    try {
        if (!startNativeServer(written.launch, profile, written.configName, ctx, hosting))
            launchServer(written.launch, profile, written.configName, ctx, chosenServerProgram(ctx, hosting));
        if (leadingNumber(profile.text(SettingGroup::txtSeverMessageTime)) > 0)
            messenger.StartServerMessages();
        return true;
    } catch (const std::exception& e) {
        reportConfigurationFailure(ctx, e);
        return false;
    }
}

} // namespace fw
