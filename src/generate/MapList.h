#pragma once

#include <QString>

namespace fw {

struct MapRotation;

// The sv_maplist value of the rotation: " dm/name" or " obj/name" per row in cycle order, so
// the text starts with a blank (callers trim it); empty for an empty rotation.
QString gstr_MakeMapList(const MapRotation& rotation);

} // namespace fw
