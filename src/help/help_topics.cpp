#include "help_topics.h"

#include <utility>

namespace plc {

namespace manual {

namespace {

// In the window's tab order: HW config, UART 1, UART 2, 1-wire, Modbus diag, 1-wire diag,
// Converter.
const char *const kTabPages[] = {"hw-config.html", "uart1.html",       "uart2.html",
                                 "onewire.html",   "modbus-diag.html", "onewire-diag.html",
                                 "converter.html"};

// Dialogs and windows by objectName; those without one by their class.
const std::pair<const char *, const char *> kWindowPages[] = {
    {"requestDialog", "request-dialog.html"},
    {"sensorDialog", "sensor-dialog.html"},
    {"busSearchDialog", "bus-search.html"},
    {"sensorReplaceDialog", "sensor-replace.html"},
    {"projectNoteDialog", "project-note.html"},
    {"compareDialog", "compare.html"},
    {"progressWindow", "progress.html"},
    {"TrafficMonitor", "monitor.html"},
    {"aboutDialog", "index.html"},
    {"plc::PortSettingsDialog", "port-settings.html"},
    {"plc::PortDetection", "port-settings.html#detect"},
    {"plc::UpdateWindow", "firmware-update.html"},
};

QString pageNamed(const QString &name)
{
    if (name.isEmpty())
        return QString();
    for (const auto &[window, page] : kWindowPages) {
        if (name == QLatin1String(window))
            return QLatin1String(page);
    }
    return QString();
}

}  // namespace

QString tabPage(int index)
{
    if (index < 0 || index >= int(std::size(kTabPages)))
        return QString();
    return QLatin1String(kTabPages[index]);
}

QString windowPage(const QString &objectName, const QString &className)
{
    const QString page = pageNamed(objectName);
    return page.isEmpty() ? pageNamed(className) : page;
}

}  // namespace manual

}  // namespace plc
