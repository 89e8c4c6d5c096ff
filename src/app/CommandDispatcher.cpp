#include "app/CommandDispatcher.h"

#include "app/MainCommandTable.h"

namespace fw {

CommandDispatcher::CommandDispatcher(MainCommands& commands, Prompter& prompter)
    : m_commands(commands)
    , m_prompter(prompter)
{
}

void CommandDispatcher::tbrMain_ToolClick(const QString& id)
{
    for (const MenuRow& row : mainCommandTable()) {
        if (row.kind == MenuRow::Kind::Command && id == QLatin1String(row.id)) {
            row.run(m_commands, m_prompter);
            return;
        }
    }
}

} // namespace fw
