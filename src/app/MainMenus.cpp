#include "app/MainMenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace fw {

MainMenus::MainMenus(QMainWindow& window, Dispatch dispatch)
    : QObject(&window)
    , m_dispatch(std::move(dispatch))
{
    buildMenuBar(window);
    buildToolbar(window);
    buildPopups(window);
}

QAction* MainMenus::add(QMenu* menu, const QString& caption, const QString& id, const QString& dispatchId)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(id);
    const QString target = dispatchId.isEmpty() ? id : dispatchId;
    connect(action, &QAction::triggered, this, [this, target] { m_dispatch(target); });
    return action;
}

QMenu* MainMenus::submenu(QMenu* parent, const QString& caption, const QString& id)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(id);
    return menu;
}

QAction* MainMenus::action(const QString& id) const
{
    return parent()->findChild<QAction*>(id);
}

void MainMenus::buildMenuBar(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("id_File"));
    add(file, QStringLiteral("E&xit"), QStringLiteral("id_FileExit"));

    QMenu* utilities = bar->addMenu(QStringLiteral("&Utilities"));
    utilities->setObjectName(QStringLiteral("id_Utilities"));
    QMenu* maps = submenu(utilities, QStringLiteral("&Maps"), QStringLiteral("id_UtilitiesMaps"));
    add(maps, QStringLiteral("Map Wizard"), QStringLiteral("ID_MapWizardNew"));
    add(maps, QStringLiteral("Scan for Maps..."), QStringLiteral("id_UtilitiesMapsScanfornewmaps"));
    QMenu* configuration
        = submenu(utilities, QStringLiteral("Con&figuration"), QStringLiteral("id_UtilitiesConfiguration"));
    add(configuration, QStringLiteral("Save..."), QStringLiteral("id_UtilitiesConfigurationSave"));
    add(configuration, QStringLiteral("&Load..."), QStringLiteral("id_UtilitiesConfigurationLoad"));
    QMenu* exports = submenu(utilities, QStringLiteral("&Export"), QStringLiteral("id_UtilitiesExport"));
    add(exports, QStringLiteral("&Linux Shell Script..."),
        QStringLiteral("id_UtilitiesExportLinuxShellScript"));
    add(exports, QStringLiteral("&Batch File..."), QStringLiteral("id_UtilitiesExportBatchFile"));
    add(exports, QStringLiteral("Server Configuration..."),
        QStringLiteral("id_UtilitiesExportServerConfiguration"));
    add(exports, QStringLiteral("Save Map Cycle"), QStringLiteral("ID_SaveCycle"));
    add(exports, QStringLiteral("Map Cycle"), QStringLiteral("id_UtilitiesExportMapCycle"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("id_Help"));
    add(help, QStringLiteral("Contents"), QStringLiteral("id_HelpContents"));
    help->addSeparator();
    QMenu* links = submenu(help, QStringLiteral("MOHAA Links"), QStringLiteral("id_HelpQ3Links"));
    add(links, QStringLiteral("MOHAA at ModDB"), QStringLiteral("ID_PlanetQuake"));
    add(links, QStringLiteral("The x-null MOHAA Community"), QStringLiteral("ID_Q3CentralUK"));
    links->addSeparator();
    add(links, QStringLiteral("MOHAA Files and Maps"), QStringLiteral("ID_QuakeFiles"));
    QMenu* forums = submenu(help, QStringLiteral("Admin &Forums"), QStringLiteral("id_HelpForums"));
    add(forums, QStringLiteral("x-null Forums"), QStringLiteral("id_HelpForumsForumPlanet"));
    help->addSeparator();
    add(help, QStringLiteral("Mail &Author"), QStringLiteral("id_HelpMailAuthor"));
    add(help, QStringLiteral("About Fortwright"), QStringLiteral("id_HelpAboutFortwright"));
}

void MainMenus::buildToolbar(QMainWindow& window)
{
    m_toolbar = window.addToolBar(QStringLiteral("Main"));
    m_toolbar->setObjectName(QStringLiteral("tbrMain"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolbar->setIconSize(QSize(16, 16));
    const QStyle* style = window.style();
    struct Tool {
        QStyle::StandardPixmap icon;
        const char* caption;
        const char* id;
        const char* tip;
    };
    const Tool tools[] = {
        { QStyle::SP_DialogOpenButton, "Load", "tbrLoad", "Load a saved configuration" },
        { QStyle::SP_DialogSaveButton, "Save", "tbrSave", "Save this configuration under a name" },
        { QStyle::SP_FileIcon, "Export Config", "tbrExport", "Write the server configuration to a file" },
        { QStyle::SP_BrowserReload, "Map Scan", "tbrScan", "Scan the game's archives for maps" },
        { QStyle::SP_FileDialogContentsView, "Map Wizard", "tbrWizard", "Build an advanced map cycle" },
    };
    const char* targets[] = { "id_UtilitiesConfigurationLoad", "id_UtilitiesConfigurationSave",
        "id_UtilitiesExportServerConfiguration", "id_UtilitiesMapsScanfornewmaps", "ID_MapWizardNew" };
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        QAction* action
            = m_toolbar->addAction(style->standardIcon(tools[i].icon), QString::fromLatin1(tools[i].caption));
        action->setObjectName(QString::fromLatin1(tools[i].id));
        action->setToolTip(QString::fromLatin1(tools[i].tip));
        const QString target = QString::fromLatin1(targets[i]);
        connect(action, &QAction::triggered, this, [this, target] { m_dispatch(target); });
    }
}

void MainMenus::buildPopups(QMainWindow& window)
{
    auto* rotation = new QMenu(QStringLiteral("Selected Maps Popup"), &window);
    rotation->setObjectName(QStringLiteral("ID_SelectedMapsPopup"));
    add(rotation, QStringLiteral("Map Wizard..."), QStringLiteral("ID_MapWizard"));
    rotation->addSeparator();
    add(rotation, QStringLiteral("Set Starting Map"), QStringLiteral("ID_SetStartingMap"));
    rotation->addSeparator();
    add(rotation, QStringLiteral("Save Cycle"), QStringLiteral("ID_SaveCycle"));
    rotation->addSeparator();
    add(rotation, QStringLiteral("Sort Ascending"), QStringLiteral("ID_SortAscending"));
    add(rotation, QStringLiteral("Sort Descending"), QStringLiteral("ID_SortDescending"));
    rotation->addSeparator();
    add(rotation, QStringLiteral("Remove Map"), QStringLiteral("ID_RemoveMap"));
    add(rotation, QStringLiteral("Clear List"), QStringLiteral("ID_ClearList"));
    rotation->addSeparator();
    add(rotation, QStringLiteral("Cancel"), QStringLiteral("ID_Cancel"));
    m_popups.insert(rotation->objectName(), rotation);

    // The removal entries run the action of their pop-up's id.
    auto* banned = new QMenu(&window);
    banned->setObjectName(QStringLiteral("ID_Banned"));
    add(banned, QStringLiteral("Remove IP"), QStringLiteral("ID_RemoveIP"), QStringLiteral("ID_Banned"));
    banned->addSeparator();
    add(banned, QStringLiteral("Cancel"), QStringLiteral("ID_CancelBanned"));
    m_popups.insert(banned->objectName(), banned);

    auto* configs = new QMenu(&window);
    configs->setObjectName(QStringLiteral("ID_AdditionalCFGs"));
    add(configs, QStringLiteral("Remove Configuration"), QStringLiteral("ID_RemoveConfiguration"),
        QStringLiteral("ID_AdditionalCFGs"));
    configs->addSeparator();
    add(configs, QStringLiteral("Cancel"), QStringLiteral("ID_CancelCFG"));
    m_popups.insert(configs->objectName(), configs);
}

} // namespace fw
