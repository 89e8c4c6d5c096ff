#pragma once

#include <QString>

namespace fw {

struct AdvancedCycle;
struct AppContext;

// Writes an advanced map cycle: the main file at path (a header, one rotation line per map, the
// chain of m1, m2, ... variables and a trailer) and one settings file per map beside it, named
// by the map's number followed by the main file's name. The main file is assembled in
// "tempcfg.cfg" in the data folder, which stays there. A failure shows "Error saving file" and
// gives false; files written before it stay as they are.
bool gbln_MakeAdvancedCycle(const QString& path, AdvancedCycle cycle, AppContext& ctx);

} // namespace fw
