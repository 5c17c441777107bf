#include "theme.h"

#include "settings_store.h"

#include <QApplication>
#include <QStyle>

namespace plc {

namespace {

const QString kThemeKey = QStringLiteral("Theme");

// The palette the application had before a theme was first applied.
const QPalette &startPalette()
{
    static const QPalette start = QApplication::palette();
    return start;
}

QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x26, 0x26, 0x26);
    const QColor text(0xF0, 0xF0, 0xF0);
    const QColor dimmed(0x9A, 0x9A, 0x9A);
    const QColor highlight(0x2A, 0x82, 0xDA);
    QPalette p(window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dimmed);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xFF, 0x60, 0x60));
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    p.setColor(QPalette::Mid, QColor(0x2C, 0x2C, 0x2C));
    p.setColor(QPalette::Dark, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6C, 0xB4, 0xF5));
    p.setColor(QPalette::LinkVisited, QColor(0xB4, 0x9C, 0xF5));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

}  // namespace

QPalette themePalette(Theme theme)
{
    switch (theme) {
        case Theme::System:
            break;
        case Theme::Light:
            return QApplication::style()->standardPalette();
        case Theme::Dark:
            return darkPalette();
    }
    return startPalette();
}

void applyTheme(Theme theme)
{
    startPalette();  // kept before the first change
    QApplication::setPalette(themePalette(theme));
}

Theme storedTheme()
{
    bool ok = false;
    const int value = settingsfile::windowValue(kThemeKey).toInt(&ok);
    if (!ok || value < int(Theme::System) || value > int(Theme::Dark))
        return Theme::System;
    return Theme(value);
}

void storeTheme(Theme theme)
{
    settingsfile::setWindowValue(kThemeKey, QString::number(int(theme)));
}

}  // namespace plc
