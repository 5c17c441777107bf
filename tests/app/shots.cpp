// plc-shots: saves a picture of every tab of the main window (and of the tabs' other modes), at
// its first size too, of the dialogs and windows it opens and of the progress window, for looking
// at the layout. It speaks the desktop's language (LANG=de_DE.UTF-8 for German).
// Usage: plc-shots [folder] [dark]   (dark: in the dark theme)
#include "about_dialog.h"
#include "aux_mode_word.h"
#include "bus_search_dialog.h"
#include "compare_dialog.h"
#include "history_dialog.h"
#include "ini_file.h"
#include "language.h"
#include "main_window.h"
#include "one_wire_tab.h"
#include "port_settings_dialog.h"
#include "production_window.h"
#include "progress_window.h"
#include "project_note_dialog.h"
#include "request_dialog.h"
#include "request_editing.h"
#include "scripted_prompts.h"
#include "sensor_dialog.h"
#include "sensor_editing.h"
#include "sensor_replace_dialog.h"
#include "theme.h"
#include "traffic_monitor.h"
#include "translation.h"
#include "uart_tab.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace plc;

namespace {

void save(QWidget &widget, const QString &file)
{
    // Twice: what the first pass shows (the unsaved mark, say) asks for a layout of its own.
    QApplication::processEvents();
    QApplication::processEvents();
    widget.grab().save(file);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const InstalledTranslation translation(windowLocale(Language::System));
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(folder);
    QTemporaryDir settings;
    setSettingsFilePath(settings.filePath(QStringLiteral("set.ini")));

    if (argc > 2 && QByteArray(argv[2]) == "dark")
        storeTheme(Theme::Dark);

    ScriptedPrompts prompts;
    MainWindow window(prompts);
    window.resize(1366, 740);  // a 1366x768 screen less the window frame
    window.show();
    QTabWidget &tabs = window.tabs();
    auto shoot = [&](int tab, const QString &suffix) {
        tabs.setCurrentIndex(tab);
        const QString name = tabs.tabText(tab).replace(QLatin1Char(' '), QLatin1Char('_'));
        save(window, QStringLiteral("%1/tab%2_%3%4.png").arg(folder).arg(tab).arg(name, suffix));
    };
    for (int i = 0; i < tabs.count(); ++i)
        shoot(i, QString());

    window.uart(1).selectMode(int(UartMode::ModbusMaster));
    window.uart(2).selectMode(int(UartMode::ModbusSlave));
    window.oneWire().selectMode(int(AuxMode::OneWireMaster));
    shoot(1, QStringLiteral("_master"));
    shoot(2, QStringLiteral("_slave"));
    shoot(3, QStringLiteral("_master"));
    window.oneWire().selectMode(int(AuxMode::FieldNet));
    shoot(3, QStringLiteral("_fieldnet"));

    PortSettingsDialog dialog(prompts, {}, &window);
    dialog.show();
    save(dialog, folder + QStringLiteral("/com_setting.png"));

    RequestDialog request(window.uart(1).port(), prompts,
                          requestDialogPreset(window.uart(1).requests(), 0, DialogMode::Add).fields,
                          &window);
    request.show();
    save(request, folder + QStringLiteral("/request_dialog.png"));

    SensorDialog sensor(sensorDialogPreset(window.oneWire().sensors(), 1, SensorDialogMode::Add),
                        &window);
    sensor.show();
    save(sensor, folder + QStringLiteral("/sensor_dialog.png"));

    BusSearchDialog search(window.transferContext(), window.oneWire().sensors(), &window);
    search.show();
    save(search, folder + QStringLiteral("/search_dialog.png"));

    SensorReplaceDialog replace(
        QStringLiteral("row 1"), RomCode(kRomBytes, QStringLiteral("28")), {},
        [](const RomCode &) { return true; }, &window);
    replace.show();
    save(replace, folder + QStringLiteral("/replace_dialog.png"));

    ProjectNoteDialog note(QString(), &window);
    note.show();
    save(note, folder + QStringLiteral("/note_dialog.png"));

    const QList<Difference> differences = {{ProjectPart::Uart1, 0, QStringLiteral("mode"),
                                            QStringLiteral("Master"), QStringLiteral("Slave")}};
    CompareDialog compare(QStringLiteral("Compare"), differences, QStringLiteral("Controller"),
                          true, &window);
    compare.show();
    save(compare, folder + QStringLiteral("/compare_dialog.png"));

    HistoryDialog history(&window);
    history.show();
    save(history, folder + QStringLiteral("/history_dialog.png"));

    AboutDialog about(&window);
    about.show();
    save(about, folder + QStringLiteral("/about_dialog.png"));

    save(window.openTrafficMonitor(), folder + QStringLiteral("/monitor.png"));
    save(window.openProductionWindow(), folder + QStringLiteral("/production.png"));

    window.progress().open();
    window.progress().setPercent(40);
    save(window.progress(), folder + QStringLiteral("/progress.png"));

    // The size the window first opens with: its tabs must fit there too.
    window.resize(1240, 700);
    for (int i = 0; i < tabs.count(); ++i)
        shoot(i, QStringLiteral("_1240"));
    return 0;
}
