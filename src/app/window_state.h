#pragma once

#include <QList>
#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

namespace plc {

// The main window as the user left it, kept between runs in the settings file's own [WINDOW]
// section: written when the window closes, read when it opens.
struct WindowState {
    QRect geometry;  // the window's normal (not maximised) geometry; null when none is stored
    bool maximized = false;
    int tab = 0;
    QMap<QString, QList<int>> columnWidths;  // by table name
    bool verifyWrites = false;               // "Verify after writing"
};

// Reads the [WINDOW] section of the settings file, with the column widths of these tables;
// what is missing or unreadable keeps the default above.
WindowState readWindowState(const QStringList &tables);
// Writes the [WINDOW] section; the file's other sections and lines stay as they are.
void writeWindowState(const WindowState &state);

// Where a window stored at `stored` opens, given the screens' available areas with the primary
// screen first: where it was when enough of it lies on one screen to take hold of, otherwise
// centred on the primary screen (its top left kept on that screen).
QRect placeOnScreens(const QRect &stored, const QList<QRect> &screens);

}  // namespace plc
