#pragma once

#include <QColor>

namespace plc {

// Text colours that stay readable: the contrast ratio of two colours as the web accessibility
// guidelines define it (1 to 21), and a colour near the one wanted that reaches a given ratio.

// The contrast ratio of two colours: (lighter luminance + 0.05) / (darker luminance + 0.05).
double contrastRatio(const QColor &a, const QColor &b);

// The smallest ratio normal-sized text needs (level AA).
constexpr double kReadableRatio = 4.5;

// wanted itself when it reaches minRatio on background; else wanted moved step by step towards
// black or white (whichever contrasts more with background) until it does.
QColor readableOn(const QColor &wanted, const QColor &background, double minRatio = kReadableRatio);

}  // namespace plc
