#pragma once

#include <QString>

namespace fw {

struct MapRotation;
struct RotationRow;

// The sv_maplist value of the rotation: " dm/name" or " obj/name" per row in cycle order, so
// the text starts with a blank (callers trim it); empty for an empty rotation.
QString gstr_MakeMapList(const MapRotation& rotation);

// "Map dm/name" or "Map obj/name" for one rotation row.
QString startLineFor(const RotationRow& row);

} // namespace fw
