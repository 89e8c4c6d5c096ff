#pragma once

#include "profile/ServerProfile.h"

namespace fw {

// The sum of the tags of the DM-flag boxes that are on (a grey box counts as on); 0 when none is.
int dmFlagSum(const ServerProfile& profile);
// What the sum field shows: "0" when no box is on, else the sum.
QString dmFlagsText(const ServerProfile& profile);

} // namespace fw
