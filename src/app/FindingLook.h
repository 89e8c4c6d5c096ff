#pragma once

#include "check/PreflightCheck.h"

#include <QIcon>

class QStyle;

namespace fw {

// The standard message-box icon of a severity: critical, warning, information.
QIcon severityIcon(const QStyle& style, Severity severity);
// "2 dangers, 1 warning": each severity that occurs, most serious first; empty for none.
QString findingCountText(const QList<Finding>& findings);

} // namespace fw
