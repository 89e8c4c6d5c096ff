#pragma once

#include "server/hosting/NativeLaunch.h"

#include <functional>

namespace fw {

struct AppContext;
class ServerMessenger;
class ServerProfile;

// The four buttons along the bottom of the window without the window: Run checks, writes and
// launches; Default saves the default profile; Reset removes it. Questions and notices go
// through the context's Prompter. With a supervisor, Run starts a native server under it and asks
// before it replaces the one that is running.
class ControlButtons {
public:
    ControlButtons(
        const ServerProfile& profile, AppContext& ctx, ServerMessenger& messenger, RunHosting hosting = {});

    // The program the next Runs start in place of the stored choice (empty: the stored choice).
    void setServerProgram(const QString& program) { m_hosting.program = program; }

    // Run. minimise is called after a launch. True when the configuration was written.
    bool run(const std::function<void()>& minimise = {});
    // Default: asks, then writes Default.ini. True when it was written.
    bool makeDefault();
    // Reset: asks, removes Default.ini (read-only or not), says the program restarts. True when
    // the program is to restart.
    bool reset();

private:
    const ServerProfile& m_profile;
    AppContext& m_ctx;
    ServerMessenger& m_messenger;
    RunHosting m_hosting;
};

} // namespace fw
