#pragma once

namespace fw {

// The field groups of the main window, named as the window's controls. A group is either a
// control array (members addressed by index) or a single control.
enum class SettingGroup {
    txtAdministration,
    txtGameSettings,
    chkSOF2Options,
    chkPunkBuster,
    txtMovement,
    chkDMFlags,
    txtDMFlags,
    GameLimit,
    optGameType,
    txtMasterServers,
    optServerType,
    txtLogFileName,
    chkLogSync,
    optLogging,
    txtMsg,
    txtSeverMessageTime,
    txtMsgDelay,
    txtBanIP,
};

} // namespace fw
