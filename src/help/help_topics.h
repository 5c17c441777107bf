#pragma once

#include <QString>

namespace plc {

// Which page of the manual serves which part of the program.
namespace manual {

// The objectName of the main window's tab widget, whose current tab names the page.
inline const QString kTabsName = QStringLiteral("tabs");

// The page of the main window's tab at index (in the window's tab order); the empty text for an
// index it does not have.
QString tabPage(int index);

// The page of a dialog or window, by its objectName or else by its class name
// ("plc::PortSettingsDialog"); the empty text for one the manual has no page for.
QString windowPage(const QString &objectName, const QString &className);

}  // namespace manual

}  // namespace plc
