#include "drawn_colours.h"

#include "contrast.h"

namespace plc {

namespace {

// The warning red the program starts from, before it is made readable on a background.
const QColor kWarningRed(0xC0, 0x00, 0x00);

// A colour with transparency as it shows over an opaque background.
QColor shownOver(const QColor &colour, const QColor &background)
{
    const QColor c = colour.toRgb();
    const QColor b = background.toRgb();
    const float a = c.alphaF();
    return QColor::fromRgbF(c.redF() * a + b.redF() * (1 - a),
                            c.greenF() * a + b.greenF() * (1 - a),
                            c.blueF() * a + b.blueF() * (1 - a));
}

}  // namespace

QColor absentDeviceColour(const QPalette &palette, QPalette::ColorRole background)
{
    return readableOn(kWarningRed, palette.color(background));
}

QColor failureColour(const QPalette &palette)
{
    return absentDeviceColour(palette, QPalette::Base);
}

QColor missingRowColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    return readableOn(shownOver(palette.color(QPalette::PlaceholderText), base), base);
}

QColor fixedColumnTextColour(const QPalette &palette)
{
    return readableOn(palette.color(QPalette::ButtonText), palette.color(QPalette::Button));
}

QList<DrawnColour> drawnColours(const QPalette &palette)
{
    return {
        {QStringLiteral("absent device in the port list"),
         absentDeviceColour(palette, QPalette::Base), palette.color(QPalette::Base)},
        {QStringLiteral("absent device below the port list"),
         absentDeviceColour(palette, QPalette::Window), palette.color(QPalette::Window)},
        {QStringLiteral("failed result"), failureColour(palette), palette.color(QPalette::Base)},
        {QStringLiteral("sensor not found"), missingRowColour(palette),
         palette.color(QPalette::Base)},
        {QStringLiteral("fixed column"), fixedColumnTextColour(palette),
         palette.color(QPalette::Button)},
    };
}

}  // namespace plc
