#include "contrast.h"

#include <QtMath>
#include <algorithm>

namespace plc {

namespace {

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](double a, double b) {
        return a + (b - a) * share;
    };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(float(channel(a.redF(), b.redF())),
                            float(channel(a.greenF(), b.greenF())),
                            float(channel(a.blueF(), b.blueF())));
}

}  // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background, double minRatio)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor extreme =
        contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const QColor candidate = mixed(wanted, extreme, double(step) / kSteps);
        if (contrastRatio(candidate, background) >= minRatio)
            return candidate;
    }
    return extreme;
}

}  // namespace plc
