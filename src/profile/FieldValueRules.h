#pragma once

#include "profile/SettingsCatalogue.h"

#include <QString>

namespace fw {

// What a field takes, the same whichever way the value arrives (typed in the window, given on
// the command line, read from a profile). A number field takes a number as far as it is typed
// ("", "-", "2.", "-5", "99999"): only its arrows keep to the range, and the writers have their
// own rules for values beyond it. A digit field (the port) takes digits up to its places, a
// check box 0 or 1, any other text field anything.
bool fieldAcceptsText(const SettingField& field, const QString& text);
bool fieldAcceptsNumber(const SettingField& field, qint64 value);
// What a field takes, said for a message that refuses a value ("0 or 1").
QString fieldTakes(const SettingField& field);

// The typing rule of a number field on its own, for number fields outside the catalogue.
bool isNumberAsTyped(const QString& text);

} // namespace fw
