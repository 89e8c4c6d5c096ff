#pragma once

#include <QColor>

namespace fw {

// The WCAG 2 contrast of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// wanted where it reads on background (a contrast of at least 4.5); otherwise wanted moved just far
// enough toward black or white, whichever stands further from the background. A colour chosen
// for a light palette thus stays readable on a dark one.
QColor readableOn(const QColor& wanted, const QColor& background);

} // namespace fw
