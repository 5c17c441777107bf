#pragma once

#include <QPalette>

namespace plc {

// The window's colours: as the desktop gives them, or a light or a dark palette of the tool's
// own (for a desktop whose theme does not reach the tool's style). Every colour the program
// draws itself is worked out from the palette in use (drawn_colours.h).
enum class Theme { System, Light, Dark };

// The palette of a theme; System is the palette the application started with.
QPalette themePalette(Theme theme);
// Sets the application's palette to the theme's.
void applyTheme(Theme theme);

// The theme kept in the settings file ("View" > "Theme"); System when none is kept.
Theme storedTheme();
void storeTheme(Theme theme);

}  // namespace plc
