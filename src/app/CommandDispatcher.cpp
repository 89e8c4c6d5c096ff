#include "app/CommandDispatcher.h"

#include "app/MainCommands.h"
#include "profile/SettingsCatalogue.h"
#include "support/Prompter.h"

namespace fw {

CommandDispatcher::CommandDispatcher(MainCommands& commands, Prompter& prompter)
    : m_commands(commands)
    , m_prompter(prompter)
{
}

QString CommandDispatcher::mailLink()
{
    return QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?Subject=")
        + QStringLiteral("Fortwright ") + kVersionText;
}

void CommandDispatcher::tbrMain_ToolClick(const QString& id)
{
    auto is = [&id](const char* candidate) { return id == QLatin1String(candidate); };
    if (is("ID_QuakeFiles"))
        m_commands.openLink(Links::kQuakeFiles);
    else if (is("ID_PlanetQuake"))
        m_commands.openLink(Links::kPlanetQuake);
    else if (is("ID_Q3CentralUK"))
        m_commands.openLink(Links::kQ3CentralUK);
    else if (is("id_FileExit"))
        m_commands.exitProgram();
    else if (is("id_UtilitiesMapsScanfornewmaps"))
        m_commands.scanForMaps();
    else if (is("id_UtilitiesConfigurationSave")) {
        m_commands.saveProfileAs();
        m_prompter.inform(QStringLiteral("Settings Saved") + kEightBlanks);
    } else if (is("id_UtilitiesConfigurationLoad")) {
        m_commands.loadProfileFrom();
        m_prompter.inform(QStringLiteral("Settings Loaded") + kEightBlanks);
    } else if (is("id_UtilitiesExportLinuxShellScript"))
        m_commands.exportShellScript();
    else if (is("id_UtilitiesExportBatchFile"))
        m_commands.exportBatchFile();
    else if (is("id_UtilitiesExportServerConfiguration"))
        m_commands.exportServerConfiguration();
    else if (is("id_UtilitiesExportMapCycle"))
        m_commands.buildMapList();
    else if (is("id_HelpContents"))
        m_commands.showHelp();
    else if (is("id_HelpForumsForumPlanet"))
        m_commands.openLink(Links::kForumPlanet);
    else if (is("id_HelpMailAuthor"))
        m_commands.openLink(mailLink());
    else if (is("id_HelpAboutFortwright"))
        m_commands.showAbout();
    else if (is("ID_AllStandardELIMMaps") || is("ID_AllStandardINFMaps") || is("ID_AllStandardDMMaps")
        || is("ID_Cancel"))
        return;
    else if (is("ID_MapWizardNew") || is("ID_MapWizard"))
        m_commands.openMapWizard();
    else if (is("ID_SetStartingMap"))
        m_commands.setStartingMap();
    else if (is("ID_SortAscending"))
        m_commands.sortRotation(true);
    else if (is("ID_SortDescending"))
        m_commands.sortRotation(false);
    else if (is("ID_RemoveMap"))
        m_commands.removeMap();
    else if (is("ID_ClearList"))
        m_commands.clearList();
    else if (is("ID_AllStandardCTFMaps"))
        return;
    else if (is("ID_Banned")) {
        if (m_prompter.confirm(QStringLiteral("Remove Selected IP?") + kEightBlanks))
            m_commands.removeBan();
    } else if (is("ID_AdditionalCFGs")) {
        if (m_prompter.confirm(QStringLiteral("Remove Selected Configuration?") + kEightBlanks))
            m_commands.removeConfiguration();
    } else if (is("ID_SaveCycle"))
        m_commands.buildMapList();
}

} // namespace fw
