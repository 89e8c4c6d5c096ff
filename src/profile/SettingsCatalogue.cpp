#include "profile/SettingsCatalogue.h"

#include <algorithm>
#include <stdexcept>

namespace fw {
namespace {

using G = SettingGroup;
using K = FieldKind;
using L = ConfigLine;

const QString kTimeOutTooltip = QStringLiteral("Assign the amount of time for the server to wait for a "
                                               "client packet before assuming a disconnected state");

QList<GroupInfo> makeGroups()
{
    using E = ProfileEncoding;
    using T = SettingTab;
    return {
        { G::txtAdministration, "txtAdministration", K::Text, true, T::Server,
            "Administration:", "AdminSettings", E::AdminText, {} },
        { G::txtGameSettings, "txtGameSettings", K::Number, true, T::Server, "", "GameSettings", E::Integer,
            {} },
        { G::chkSOF2Options, "chkSOF2Options", K::Check, true, T::Game,
            "Medal of Honor Options:", "MOHAAOptions", E::CheckValue, {} },
        { G::chkPunkBuster, "chkPunkBuster", K::Check, false, T::Game,
            "Medal of Honor Options:", "Punkbuster", E::CheckValue, {} },
        { G::txtMovement, "txtMovement", K::Number, true, T::Game, "Movement: ", "Movement", E::Integer, {} },
        { G::chkDMFlags, "chkDMFlags", K::Check, true, T::Game, "DMFlags:", "DMFlags", E::CheckValue, {} },
        { G::txtDMFlags, "txtDMFlags", K::Text, false, T::Game, "DMFlags:", "", E::None, {} },
        { G::GameLimit, "GameLimit", K::Number, true, T::Game, "Limits:", "GameLimit", E::Integer, {} },
        { G::optGameType, "optGameType", K::Option, true, T::Game, "Type:", "GameType", E::OptionIndex, {} },
        { G::txtMasterServers, "txtMasterServers", K::Text, true, T::MiscOptions,
            "Additional Masters:", "Master", E::MasterText, "Add additional master servers if required" },
        { G::optServerType, "optServerType", K::Option, true, T::MiscOptions, "Server:", "Server",
            E::OptionIndex, {} },
        { G::txtLogFileName, "txtLogFileName", K::Text, false, T::MiscOptions, "Log:", "Logname",
            E::PlainText, {} },
        { G::chkLogSync, "chkLogSync", K::Check, false, T::MiscOptions, "Log:", "LogSync", E::CheckValue,
            {} },
        { G::optLogging, "optLogging", K::Option, true, T::MiscOptions, "Log:", "Logging", E::OptionIndex,
            {} },
        { G::txtMsg, "txtMsg", K::Text, false, T::MiscOptions, "Server Messaging:", "", E::None, {} },
        { G::txtSeverMessageTime, "txtSeverMessageTime", K::Number, false, T::MiscOptions,
            "Server Messaging:", "MsgTime", E::Integer, {} },
        { G::txtMsgDelay, "txtMsgDelay", K::Number, false, T::MiscOptions, "Server Messaging:", "MsgDelay",
            E::Integer, {} },
        { G::txtBanIP, "txtBanIP", K::Text, false, T::MiscOptions, "Banning:", "", E::None, {} },
    };
}

SettingField text(G g, int i, const char* tag, const char* caption, const char* initial, const char* tooltip)
{
    return { g, i, tag, caption, tooltip, K::Text, 0, 0, initial, {}, 0 };
}

SettingField password(G g, int i, const char* tag, const char* caption, const char* tooltip)
{
    SettingField field = text(g, i, tag, caption, "", tooltip);
    field.password = true;
    return field;
}

SettingField number(G g, int i, const char* tag, const char* caption, const char* initial, int max,
    const QString& tooltip, int min = 0)
{
    return { g, i, tag, caption, tooltip, K::Number, min, max, initial, {}, 0 };
}

SettingField check(G g, int i, const char* tag, const char* caption, bool on, const char* tooltip)
{
    return { g, i, tag, caption, tooltip, K::Check, 0, 1, on ? "1" : "0", {}, 0 };
}

SettingField option(G g, int i, const char* tag, const char* caption, bool selected, const char* tooltip)
{
    return { g, i, tag, caption, tooltip, K::Option, 0, 1, selected ? "1" : "0", {}, 0 };
}

void addAdministration(QList<SettingField>& f)
{
    const G g = G::txtAdministration;
    f << text(
        g, 0, "g_motd", "MOTD", "", "Set message of the day that players see while connecting to the server")
             .writtenAs(L::Seta);
    f << text(g, 1, "Config File", "Config", "", "This field is used to name your server configuration")
             .writtenAs(L::SetsWhenTyped);
    f.last().captionTooltip = QStringLiteral("The name of this server configuration (required)");
    f << text(g, 2, "sv_hostname", "Host", "",
        "Specify a name for your server, this will be seen in The All-Seeing Eye etc,.")
             .writtenAs(L::Seta);
    f << text(g, 3, "Admin", "Admin", "", "Admin of this server").writtenAs(L::SetsWhenTyped);
    f << text(g, 4, "Admin E-Mail", "E-Mail", "", "E-mail contact for the Admin").writtenAs(L::SetsWhenTyped);
    f << text(g, 5, "ICQ", "ICQ#", "", "Do you have an ICQ number ?").writtenAs(L::SetsWhenTyped);
    f << text(g, 6, "Location", "Loc", "", "Where is the server located?").writtenAs(L::SetsWhenTyped);
    f << text(g, 7, "URL", "URL", "", "Add an URL, this is a good place to add one if using custom maps")
             .writtenAs(L::SetsWhenTyped);
    f << text(g, 8, "Server Spec", "Spec", "", "Server specification").writtenAs(L::SetsWhenTyped);
    f << text(g, 9, "Hours", "Hours", "", "When is your server available?").writtenAs(L::SetsWhenTyped);
    f << text(g, 10, "IRC", "IRC", "", "Do you have an irc channel?").writtenAs(L::SetsWhenTyped);
    f << text(g, 11, "Clan", "Clan", "", "Do you belong to a Clan?").writtenAs(L::SetsWhenTyped);
    f << password(g, 12, "g_password", "Server Pass", "Set Server password (leave blank for none)")
             .writtenAs(L::Seta);
    f << password(g, 13, "rconPassword", "Rcon Pass", "Set Remote password (type none for no password)")
             .writtenAs(L::Seta);
    f << password(
        g, 14, "sv_privatePassword", "Private Pass", "Set Private password  (type none for no password)")
             .writtenAs(L::Seta);
    // Address and port reach the server on its command line.
    f << text(g, 15, "net_ip", "Server IP", "",
        "If you have multiple NIC's and want the server to broadcast on all of them (internet and local) "
        "clear this field")
             .writtenAs(L::None);
    f << text(g, 16, "net_port", "Server Port", "12203",
        "Setting the game port is useful for running multiple servers on the same computer (12203 Default)")
             .writtenAs(L::None);
    f.last().maxLength = 5;
    f << password(g, 17, "g_refpass", "Ref Pass", "Set Referee password (leave blank for none)")
             .writtenAs(L::None);
}

void addGameSettings(QList<SettingField>& f)
{
    const G g = G::txtGameSettings;
    f << number(g, 0, "sv_maxclients", "Max Clients", "8", 64,
        "Sets the maximum amount of clients that can connect to the server")
             .writtenAs(L::SetaWhenTyped);
    // Memory sizes go on the command line; the minimum of clients nowhere.
    f << number(
        g, 1, "sv_minclients", "Min Clients", "0", 10, "Set the minimum number of players before game begins")
             .writtenAs(L::None);
    f << number(g, 2, "sv_privateClients", "Private Clients", "0", 20,
        "Specify how many reserved slots you want (private password will be required)")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 3, "g_respawnInvulnerability", "Spawn Protect", "3", 60,
        "Specify the amount of time, in seconds, that a player cannot be killed after respawing")
             .writtenAs(L::SetaWhenTyped);
    f << number(
        g, 4, "g_respawnInterval", "Spawn Interval", "5", 30, "Specify the respawn interval time in seconds")
             .writtenAs(L::SetaWhenTyped);
    f << number(
        g, 5, "sv_maxPing", "Max Ping", "0", 500, "Specify the max allowed ping a player can connect with")
             .writtenAs(L::SetaWhenTyped);
    f << number(
        g, 6, "sv_minPing", "Min Ping", "0", 500, "Specify the minimum ping a player can connect with")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 7, "sv_maxRate", "Max Rate", "5000", 50000,
        "Specify max allowable rate for a client. 5000 to 10000 recommended")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 8, "sv_fps", "Max FPS", "20", 100,
        "Set the max frames per second the server sends the client (20 recomended)")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 9, "sv_reconnectlimit", "Reconnect", "8", 64,
        "Specify number of times a disconnected client can come back and reconnect")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 10, "com_HunkMegs", "Hunkmegs", "56", 250,
        "Allocates a certain amount of memory for map and item loading, default of 56 is required for the "
        "client but "
        "is overkill for a dedicated server")
             .writtenAs(L::None);
    f << number(g, 11, "com_SoundMegs", "Soundmegs", "16", 100, QString()).writtenAs(L::None);
    f << number(g, 12, "com_zoneMegs", "Zonemegs", "16", 250,
        "How much physical memory for the server to reserve for miscellaneous operation")
             .writtenAs(L::None);
    f << number(g, 13, "g_maxGameClients", "Max Game Clients", "0", 64,
        "Set maximum # of players who may join the game the remainder of clients are forced to spectate")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 14, "g_minGameClients", "Min Game Clients", "0", 64,
        "Determines how many players need to join the server before the game begins")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 15, "sv_zombietime", "Zombie Time", "30", 320,
        "Determines how long the server will keep the connection alive while not receiving any response from "
        "the client")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 16, "g_allowjointime", "Join Time", "30", 320, QString()).writtenAs(L::SetaWhenTyped);
    f << number(g, 17, "g_inactivity", "Kick Inactive", "320", 320,
        "Sets the amount of time (in seconds) before an inactive client is disconnected from the server.  0 "
        "turns this "
        "feature off")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 18, "sv_timeout", "Time Out", "200", 320, kTimeOutTooltip).writtenAs(L::SetaOr200);
    f << number(g, 19, "g_inactiveSpectate", "Move to Spectate", "60", 320,
        "Sets the amount of time (in seconds) before before an inactive player is moved to spectate")
             .writtenAs(L::SetaWhenTyped);
    f << number(g, 20, "g_inactiveKick", "Kick Spectator", "200", 320,
        "Sets the amount of time (in seconds) before an inactive spectator will be kicked from server")
             .writtenAs(L::SetaWhenTyped);
}

void addGameTab(QList<SettingField>& f)
{
    G g = G::txtMovement;
    f << number(g, 0, "sv_timeout", "Time Out", "320", 1000, kTimeOutTooltip).writtenAs(L::Seta);
    f << number(g, 1, "sv_walkspeed", "Walk Speed", "150", 5000, "Sets the walk speed (default = 150)")
             .writtenAs(L::Seta);
    f << number(g, 2, "sv_runspeed", "Run Speed", "250", 1000, "Sets the run speed (default = 250)")
             .writtenAs(L::Seta);
    // Velocity and gravity stay in the profile; the Map Wizard hands them to each map.
    f << number(g, 3, "sv_maxvelocity", "Velocity", "6000", 10000,
        "This will increase the velocity of the clients moving on the maps (default = 6000)")
             .writtenAs(L::None);
    f << number(g, 4, "g_gravity", "Gravity", "800", 3000, "Set the games gravity (default = 800)")
             .writtenAs(L::None);
    f << number(g, 5, "sv_crouchmult", "Crouch", "1", 3000,
        "Sets the crouch speed Multiplyer. 0 = you cant move while crouching. 1 = you move just as fast as "
        "standing ( "
        "default = 0.6)")
             .writtenAs(L::Seta);

    g = G::chkSOF2Options;
    f << check(g, 0, "g_allowvote", "Allow &Voting", false, "Toggle the use of voting on a server")
             .writtenAs(L::SetaCheck);
    f << check(g, 1, "sv_allowDownload", "Allow Dow&nloads", false,
        "Toggle the ability for clients to download files maps etc. from server")
             .writtenAs(L::SetaCheck);
    f << check(g, 2, "sv_allowAnonymous", "Allow Anon&ymous", false,
        "Toggle the allowing of anonymous clients to connect to your server")
             .writtenAs(L::SetaCheck);
    f << check(
        g, 3, "g_doWarmup", "Enable &Warmup", true, "Toggle the use of a warmup period before a match game")
             .writtenAs(L::SetaCheck);
    f << check(g, 4, "sv_floodProtect", "&Flood Protect", true,
        "Toggle server flood protection to keep players from bringing the server down")
             .writtenAs(L::SetaCheck);
    f << check(
        g, 5, "g_teamdamage", "Team Damage", true, "Determines if players can damage their own teammates")
             .writtenAs(L::SetaCheck);
    f << check(g, 6, "g_teamForceBalance", "Fo&rce Team &Balance", true,
        "Toggle the forcing of teams to be as even as possible on a server")
             .writtenAs(L::SetaCheck);
    f << check(g, 7, "g_teamAutoJoin", "Force Team Auto &Join", true,
        "Toggle the automatic joining of the smallest or loosing team")
             .writtenAs(L::SetaCheck);
    // A pure server is chosen on the command line.
    f << check(g, 8, "sv_pure", "&Pure Server", true,
        "Enable crc/zip check of client pk3 files to make sure the pk3 file has not been modified for "
        "cheating or other "
        "purposes")
             .writtenAs(L::None);
    f << check(g, 9, "g_synchronousclients", "&Synchronous Clients", false,
        "Toggle synching of all client movements (1 required to record server demo) show \"snc\" on "
        "lagometer")
             .writtenAs(L::SetaCheck);
    f << check(g, 10, "g_adaptrespawn", "&Adaptive Item Respawn", true, "Make weapons respawn faster")
             .writtenAs(L::SetaCheck);
    f << check(g, 11, "g_smoothClients", "Smooth &Clients", false,
        "Enable players to use the smooth clients option on the server (cg_smoothClients)")
             .writtenAs(L::SetaCheck);
    f << check(g, 12, "sv_padPackets", "Pad Pac&kets", false,
        "Toggles the padding of network packets on the server PAD")
             .writtenAs(L::SetaCheck);
    f << check(g, 13, "sv_gamespy", "GameSpy", true,
        "Select this option to broadcast your server information to the master server used by Game spy and "
        "ASE")
             .writtenAs(L::SetaCheck);
    f << check(g, 14, "g_forceready", "Force Ready", true, "").writtenAs(L::SetaCheck);
    f << check(g, 15, "g_forcerespawn", "Force Respawn", true, "").writtenAs(L::SetaCheck);
    f << check(G::chkPunkBuster, -1, "nomonsters", "No Monsters", false, "");

    g = G::chkDMFlags;
    f << check(g, 0, "8", "No Falling &Damage", false, "");
    f << check(g, 1, "16", "Fixed Field Of Vision", false, "");
    f << check(g, 2, "32", "No Fo&otsteps", false, "");
    f << text(G::txtDMFlags, -1, "", "", "0", "");

    g = G::GameLimit;
    f << number(g, 0, "fraglimit", "Frags", "20", 300,
        "Sets the number of kills a single person must reach before the map is cycled.  0 turns this feature "
        "off.  "
        "Default is 20")
             .writtenAs(L::SetaPositiveOrZero);
    f << number(g, 1, "timelimit", "Time", "0", 60,
        "Sets the amount of time (in minutes) before the map is cycled.  0 turns this feature off.  Default "
        "is 0")
             .writtenAs(L::SetaPositiveOrZero);
    f << number(g, 2, "roundlimit", "Rounds", "0", 100,
        "Specify the number of minutes for a round based game (default = 0)")
             .writtenAs(L::SetaPositiveOrZero);

    g = G::optGameType;
    f << option(g, 0, "1", "Free for All", true, "You are against everybody and everybody is against you");
    f << option(g, 1, "2", "Team Match", false, "");
    f << option(g, 2, "3", "Round Based", false, "");
    f << option(g, 3, "4", "Objective", false, "");
}

void addMiscOptions(QList<SettingField>& f)
{
    G g = G::optServerType;
    f << option(g, 0, "+set dedicated 1", "&LAN", false, "");
    f << option(g, 1, "+set dedicated 2", "Internet", true, "");
    f << option(g, 2, "+set dedicated 0", "Listen (Host and Play)", false, "");

    // Public master servers that still list MOHAA servers.
    g = G::txtMasterServers;
    f << text(g, 0, "sv_master1", "&1.", "master.x-null.net", "").writtenAs(L::SetaTrimmed);
    f << text(g, 1, "sv_master2", "&2.", "master.333networks.com", "").writtenAs(L::SetaTrimmed);
    f << text(g, 2, "sv_master3", "&3.", "master.openspy.net", "").writtenAs(L::SetaTrimmed);
    f << text(g, 3, "sv_master4", "&4.", "master.gamespy.com", "").writtenAs(L::SetaTrimmed);
    f << text(g, 4, "sv_master5", "&5.", "", "").writtenAs(L::SetaTrimmed);

    f << text(G::txtLogFileName, -1, "g_log", "Name", "MOHAALog.log", "Specify a name for your server log");
    f << check(G::chkLogSync, -1, "g_logSync", "Sync Log", false, "");
    g = G::optLogging;
    f << option(g, 0, "logfile", "No Logging", false, "");
    f << option(g, 1, "logfile", "Buffered", false, "");
    f << option(g, 2, "logfile", "Continuous", false, "");
    f << option(g, 3, "logfile", "Append", true, "");

    f << text(G::txtMsg, -1, "", "", "", "Set a time of 0 to disable this feature");
    f << number(G::txtSeverMessageTime, -1, "", "", "0", 30, "Do not abuse!!!");
    f << number(G::txtMsgDelay, -1, "", "", "15", 30, QString(), 5);
    f << text(G::txtBanIP, -1, "", "I.P", "", "");
}

QList<SettingField> makeFields()
{
    QList<SettingField> f;
    addAdministration(f);
    addGameSettings(f);
    addGameTab(f);
    addMiscOptions(f);
    return f;
}

} // namespace

const QList<GroupInfo>& SettingsCatalogue::groups()
{
    static const QList<GroupInfo> kGroups = makeGroups();
    return kGroups;
}

const QList<SettingField>& SettingsCatalogue::fields()
{
    static const QList<SettingField> kFields = makeFields();
    return kFields;
}

const GroupInfo& SettingsCatalogue::group(SettingGroup group)
{
    for (const GroupInfo& info : groups()) {
        if (info.group == group)
            return info;
    }
    throw std::logic_error("uncatalogued setting group");
}

QList<SettingField> SettingsCatalogue::members(SettingGroup group)
{
    QList<SettingField> out;
    for (const SettingField& f : fields()) {
        if (f.group == group)
            out.append(f);
    }
    std::sort(out.begin(), out.end(),
        [](const SettingField& a, const SettingField& b) { return a.index < b.index; });
    return out;
}

const SettingField* SettingsCatalogue::field(SettingGroup group, int index)
{
    for (const SettingField& f : fields()) {
        if (f.group == group && f.index == index)
            return &f;
    }
    return nullptr;
}

QString SettingsCatalogue::tag(SettingGroup group, int index)
{
    const SettingField* f = field(group, index);
    return f ? f->tag : QString();
}

int SettingsCatalogue::memberCount(SettingGroup group)
{
    return int(members(group).size());
}

bool SettingsCatalogue::groupByName(const QString& name, SettingGroup& out)
{
    for (const GroupInfo& info : groups()) {
        if (info.name == name) {
            out = info.group;
            return true;
        }
    }
    return false;
}

} // namespace fw
