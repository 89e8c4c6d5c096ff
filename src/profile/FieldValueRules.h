#pragma once

#include "profile/SettingsCatalogue.h"

#include <QString>
#include <QStringList>

namespace fw {

class ServerProfile;

// What a field takes, the same whichever way the value arrives (typed in the window, given on
// the command line, read from a profile). A number field takes a number as far as it is typed
// ("", "-", "2.", "-5", "99999"): only its arrows keep to the range, and the writers have their
// own rules for values beyond it. A digit field (the port) takes digits up to its places, a
// check box 0 or 1, any other text field anything.
bool fieldAcceptsText(const SettingField& field, const QString& text);
bool fieldAcceptsNumber(const SettingField& field, qint64 value);
// What a field takes, said for a message that refuses a value ("0 or 1").
QString fieldTakes(const SettingField& field);

// The writers insert a text as typed, but the server reads some characters its own way: a line
// break starts a line of its own in the server configuration, and a double quote closes the
// quoted value early. Such a value is kept as it is; these say what the server would make of it,
// one warning per kind, none for a value that holds neither.
QStringList fieldValueWarnings(const SettingField& field, const QString& value);
// The same for every text field of a profile, in catalogue order.
QStringList profileValueWarnings(const ServerProfile& profile);

// The typing rule of a number field on its own, for number fields outside the catalogue.
bool isNumberAsTyped(const QString& text);

} // namespace fw
