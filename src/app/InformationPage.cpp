#include "app/InformationPage.h"

#include "profile/SettingsCatalogue.h"

#include <QLabel>
#include <QVBoxLayout>

namespace fw {

InformationPage::InformationPage(QWidget* parent)
    : QWidget(parent)
{
    auto* text = new QLabel;
    text->setObjectName(QStringLiteral("lblInformation"));
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    text->setTextFormat(Qt::RichText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setText(QStringLiteral(
        "<h2>Fortwright</h2>"
        "<p>Version %1</p>"
        "<p>Fortwright sets up and runs a <i>Medal of Honor: Allied Assault</i> dedicated server. "
        "Everything the server reads is written from the settings of these tabs:</p>"
        "<ul>"
        "<li><b>Server</b> and <b>Game</b>: administration texts, passwords, client and network limits, "
        "movement, game options, DM flags, limits and the game type.</li>"
        "<li><b>Maps</b>: the maps found in your game's pk3 archives; double-click a map to add it to the "
        "rotation, right-click the rotation to set the starting map, sort or remove maps, or build an "
        "advanced map cycle with the Map Wizard.</li>"
        "<li><b>Misc. Options</b>: server type, master servers, logging, timed server messages, banned "
        "addresses and further configuration files to execute.</li>"
        "</ul>"
        "<p><b>Run</b> writes the server configuration into the game's <tt>Main</tt> folder and starts "
        "<tt>MOHAA_server.exe</tt>. <b>Default</b> keeps the current settings for the next start; "
        "<b>Reset</b> returns to the initial settings. The Utilities menu saves and loads named "
        "configurations and exports a batch file, a Linux shell script, or the server configuration on "
        "its own.</p>"
        "<p>Contact: <a href=\"mailto:%2\">%2</a> &middot; <a href=\"%3\">%3</a></p>")
                      .arg(kVersionText, kContactAddress, kWebAddress));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->addWidget(text);
    layout->addStretch();
}

} // namespace fw
