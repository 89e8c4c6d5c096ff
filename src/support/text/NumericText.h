#pragma once

#include <QString>
#include <optional>

namespace fw {

// The numeric reading of a field: leading blanks skipped, then an optional sign, digits and an
// optional decimal point with digits, up to the first other character; 0 when there is none.
double leadingNumber(const QString& text);

// A number in the shortest plain decimal form (56, 0.5, -3), no exponent, no leading blank.
QString shortestDecimal(double value);

// Text converted as a whole to the nearest integer, halves to even ("2.5" -> 2, "3.5" -> 4);
// surrounding blanks allowed. Empty when the text is not a plain decimal number.
std::optional<qint64> integerHalfEven(const QString& text);

// Rounds a double to the nearest integer with halves to even.
qint64 roundHalfEven(double value);

} // namespace fw
