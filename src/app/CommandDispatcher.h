#pragma once

#include <QString>

namespace fw {

class MainCommands;
class Prompter;

// The one entry of every menu and toolbar command: the command's id is looked up in the main
// command table and its row runs; an id that matches nothing does nothing.
class CommandDispatcher {
public:
    CommandDispatcher(MainCommands& commands, Prompter& prompter);

    void tbrMain_ToolClick(const QString& id);

private:
    MainCommands& m_commands;
    Prompter& m_prompter;
};

} // namespace fw
