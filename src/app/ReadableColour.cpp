#include "app/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

constexpr double kReadableContrast = 4.5;

double luminance(const QColor& colour)
{
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
        float(from.greenF() + (to.greenF() - from.greenF()) * share),
        float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background)
{
    const QColor toward
        = contrastRatio(Qt::black, background) > contrastRatio(Qt::white, background) ? Qt::black : Qt::white;
    for (int step = 0; step < 20; ++step) {
        const QColor candidate = mixed(wanted, toward, step / 20.0);
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate;
    }
    return toward;
}

} // namespace fw
