#pragma once

#include "profile/SettingsCatalogue.h"

#include <QString>

namespace fw {

// What a field takes when a value arrives from outside the window (a profile file, the command
// line): a number field a whole number within its range, a check box 0 or 1 (the boxes have no
// grey state), a text field anything.
bool fieldAcceptsNumber(const SettingField& field, qint64 value);
// The same for a typed text: a number field takes any decimal text whose whole-number reading
// lies within its range ("0.6" reads as 1).
bool fieldAcceptsText(const SettingField& field, const QString& text);

} // namespace fw
