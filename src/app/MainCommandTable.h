#pragma once

#include <QStyle>
#include <span>

namespace fw {

class MainCommands;
class Prompter;

// The toolbar button of a menu command: its own name, caption, tip and standard icon, and its
// place along the toolbar (none when negative).
struct ToolButton {
    int position = -1;
    const char* id = nullptr;
    const char* caption = nullptr;
    const char* tip = nullptr;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
};

// One row of the menu bar in the order it shows: a menu opens (its rows follow until its End), a
// separator, or a command. A menu or command's id is its entry's object name; a command's id is
// also what the dispatcher finds it by, so the two cannot drift apart.
struct MenuRow {
    enum class Kind { Menu, End, Separator, Command };
    using Run = void (*)(MainCommands& window, Prompter& prompter);

    Kind kind;
    const char* id = nullptr;
    const char* caption = nullptr;
    Run run = nullptr;
    ToolButton tool = {};
    const char* keys = nullptr; // the command's shortcut, in portable text ("Ctrl+S")
};

// The menu bar and toolbar of the main window, and what each command does.
std::span<const MenuRow> mainCommandTable();

} // namespace fw
