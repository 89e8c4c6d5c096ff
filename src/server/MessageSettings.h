#pragma once

#include <QtGlobal>

namespace fw {

class ServerProfile;

// The readings of the messaging fields. Period and pause are read at every tick, so an edit acts
// on the next one.

// Minutes between batches counted in ticks: the leading number of the period field, 5 for 0.
double messagePeriod(const ServerProfile& profile);

// Milliseconds after each sent line: the leading number of the delay field times 1000, rounded;
// 2000 for 0. A negative value gets the same 2000: handed to a wait as it stands it would never
// end. Throws FortwrightError 6 (overflow) beyond 32 bits.
qint32 messagePauseMs(const ServerProfile& profile);

// The port the datagrams go to: the same number the server is started with (27960 when the
// field is empty). Throws FortwrightError 13 when the field is not a number.
qint32 messagePort(const ServerProfile& profile);

} // namespace fw
