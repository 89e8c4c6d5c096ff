#pragma once

#include "check/PreflightCheck.h"

#include <functional>

namespace fw {

class Prompter;

// Before Run or Export Config writes: when a finding is a danger, asks whether to write anyway,
// listing the dangers, with No as the default. True when there is none or the answer is Yes.
bool writeDespiteDangers(Prompter& prompter, const QList<Finding>& findings,
    const std::function<QString(const FindingPlace&)>& describe);

} // namespace fw
