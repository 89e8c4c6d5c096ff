#pragma once

#include <functional>

class QAction;
class QMenu;

namespace fw {

// Adds an entry carrying its id as its object name, so that people and tests find it by name;
// an entry without a slot (a Cancel) only closes its menu.
QAction* addMenuEntry(QMenu& menu, const char* caption, const char* id, std::function<void()> slot = {});

} // namespace fw
