#pragma once

#include <QString>

namespace fw {

class MainCommands;
class Prompter;

// The addresses the Help menu opens.
namespace Links {
inline const QString kQuakeFiles
    = QStringLiteral("https://www.moddb.com/games/medal-of-honor-allied-assault/downloads");
inline const QString kPlanetQuake
    = QStringLiteral("https://www.moddb.com/games/medal-of-honor-allied-assault");
inline const QString kQ3CentralUK = QStringLiteral("https://www.x-null.net");
inline const QString kForumPlanet = QStringLiteral("https://www.x-null.net/forums/");
} // namespace Links

// The one entry of every menu, toolbar and pop-up command: the command's id is compared with a
// fixed list in order and the first match runs; an id that matches nothing does nothing.
class CommandDispatcher {
public:
    CommandDispatcher(MainCommands& commands, Prompter& prompter);

    void tbrMain_ToolClick(const QString& id);

    // "MailTo:" + address + "?Subject=Fortwright " + version.
    static QString mailLink();

private:
    MainCommands& m_commands;
    Prompter& m_prompter;
};

} // namespace fw
