#include "support/text/NumericText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace fw {

double leadingNumber(const QString& text)
{
    static const QRegularExpression kLeading(QStringLiteral("^[ \\t]*([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))"));
    const auto match = kLeading.match(text);
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(match.captured(1), &ok);
    return ok ? value : 0.0;
}

QString shortestDecimal(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Shortest round-trip digits, then spelled out without an exponent.
    QString text = QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('e')))
        return text;
    text = QString::number(value, 'f', 17);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

qint64 roundHalfEven(double value)
{
    return static_cast<qint64>(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

std::optional<qint64> integerHalfEven(const QString& text)
{
    static const QRegularExpression kDecimal(QStringLiteral("^\\s*([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))\\s*$"));
    const auto match = kDecimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(match.captured(1), &ok);
    if (!ok || std::abs(value) > 9.0e15)
        return std::nullopt;
    return roundHalfEven(value);
}

} // namespace fw
