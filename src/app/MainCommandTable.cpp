#include "app/MainCommandTable.h"

#include "app/MainCommands.h"
#include "profile/SettingsCatalogue.h"
#include "support/platform/Prompter.h"

namespace fw {
namespace {

// The addresses the Help menu opens.
const QString kQuakeFiles
    = QStringLiteral("https://www.moddb.com/games/medal-of-honor-allied-assault/downloads");
const QString kPlanetQuake = QStringLiteral("https://www.moddb.com/games/medal-of-honor-allied-assault");
const QString kQ3CentralUK = QStringLiteral("https://www.x-null.net");
const QString kForumPlanet = QStringLiteral("https://www.x-null.net/forums/");

// "MailTo:" + address + "?Subject=Fortwright " + version.
QString mailLink()
{
    return QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?Subject=")
        + QStringLiteral("Fortwright ") + kVersionText;
}

using Kind = MenuRow::Kind;

constexpr MenuRow menu(const char* id, const char* caption)
{
    return { Kind::Menu, id, caption };
}

constexpr MenuRow endMenu()
{
    return { Kind::End };
}

constexpr MenuRow separator()
{
    return { Kind::Separator };
}

constexpr MenuRow command(const char* id, const char* caption, MenuRow::Run run, ToolButton tool = {})
{
    return { Kind::Command, id, caption, run, tool };
}

// A command reached from the keyboard too; the menu shows its keys.
constexpr MenuRow withKeys(MenuRow row, const char* keys)
{
    row.keys = keys;
    return row;
}

// Save and Load confirm when the routine returns, whatever it did.
void saveProfile(MainCommands& window, Prompter& prompter)
{
    window.saveProfileAs();
    prompter.inform(QStringLiteral("Settings Saved") + kEightBlanks);
}

void loadProfile(MainCommands& window, Prompter& prompter)
{
    window.loadProfileFrom();
    prompter.inform(QStringLiteral("Settings Loaded") + kEightBlanks);
}

void buildMapList(MainCommands& window, Prompter&)
{
    window.buildMapList();
}

constexpr MenuRow kRows[] = {
    menu("id_File", "&File"),
    withKeys(command("id_FileExit", "E&xit", [](MainCommands& window, Prompter&) { window.exitProgram(); }),
        "Ctrl+Q"),
    endMenu(),

    menu("id_Utilities", "&Utilities"),
    menu("id_UtilitiesMaps", "&Maps"),
    command("ID_MapWizardNew", "Map Wizard", [](MainCommands& window, Prompter&) { window.openMapWizard(); },
        { 4, "tbrWizard", "Map Wizard", "Build an advanced map cycle", QStyle::SP_FileDialogContentsView }),
    command("id_UtilitiesMapsScanfornewmaps", "Scan for Maps...",
        [](MainCommands& window, Prompter&) { window.scanForMaps(); },
        { 3, "tbrScan", "Map Scan", "Scan the game's archives for maps", QStyle::SP_BrowserReload }),
    endMenu(),
    menu("id_UtilitiesConfiguration", "Con&figuration"),
    withKeys(
        command("id_UtilitiesConfigurationSave", "Save...", saveProfile,
            { 1, "tbrSave", "Save", "Save this configuration under a name", QStyle::SP_DialogSaveButton }),
        "Ctrl+S"),
    withKeys(command("id_UtilitiesConfigurationLoad", "&Load...", loadProfile,
                 { 0, "tbrLoad", "Load", "Load a saved configuration", QStyle::SP_DialogOpenButton }),
        "Ctrl+O"),
    endMenu(),
    menu("id_UtilitiesExport", "&Export"),
    command("id_UtilitiesExportLinuxShellScript", "&Linux Shell Script...",
        [](MainCommands& window, Prompter&) { window.exportShellScript(); }),
    command("id_UtilitiesExportUnixShellScript", "Linux Shell Script (&Unix)...",
        [](MainCommands& window, Prompter&) { window.exportUnixShellScript(); }),
    command("id_UtilitiesExportBatchFile", "&Batch File...",
        [](MainCommands& window, Prompter&) { window.exportBatchFile(); }),
    command("id_UtilitiesExportServerConfiguration", "Server Configuration...",
        [](MainCommands& window, Prompter&) { window.exportServerConfiguration(); },
        { 2, "tbrExport", "Export Config", "Write the server configuration to a file", QStyle::SP_FileIcon }),
    command("ID_SaveCycle", "Save Map Cycle", buildMapList),
    command("id_UtilitiesExportMapCycle", "Map Cycle", buildMapList),
    endMenu(),
    separator(),
    command("id_UtilitiesCheck", "Pre-flight &Check...",
        [](MainCommands& window, Prompter&) { window.showCheckList(); }),
    command("id_UtilitiesServerConsole", "Server C&onsole...",
        [](MainCommands& window, Prompter&) { window.showServerConsole(); },
        { 5, "tbrConsole", "Console", "Show the server's output and send it commands",
            QStyle::SP_ComputerIcon }),
    endMenu(),

    menu("id_Help", "&Help"),
    withKeys(
        command("id_HelpContents", "Contents", [](MainCommands& window, Prompter&) { window.showHelp(); }),
        "F1"),
    separator(),
    menu("id_HelpQ3Links", "MOHAA Links"),
    command("ID_PlanetQuake", "MOHAA at ModDB",
        [](MainCommands& window, Prompter&) { window.openLink(kPlanetQuake); }),
    command("ID_Q3CentralUK", "The x-null MOHAA Community",
        [](MainCommands& window, Prompter&) { window.openLink(kQ3CentralUK); }),
    separator(),
    command("ID_QuakeFiles", "MOHAA Files and Maps",
        [](MainCommands& window, Prompter&) { window.openLink(kQuakeFiles); }),
    endMenu(),
    menu("id_HelpForums", "Admin &Forums"),
    command("id_HelpForumsForumPlanet", "x-null Forums",
        [](MainCommands& window, Prompter&) { window.openLink(kForumPlanet); }),
    endMenu(),
    separator(),
    command("id_HelpMailAuthor", "Mail &Author",
        [](MainCommands& window, Prompter&) { window.openLink(mailLink()); }),
    command("id_HelpAboutFortwright", "About Fortwright",
        [](MainCommands& window, Prompter&) { window.showAbout(); }),
    endMenu(),
};

} // namespace

std::span<const MenuRow> mainCommandTable()
{
    return kRows;
}

} // namespace fw
