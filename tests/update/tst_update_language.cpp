#include "language.h"
#include "test_helpers.h"
#include "translation.h"
#include "update_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace plc;
using testing::child;

namespace {

// The window's caption, the labels of its rows, its buttons, the line's choices and the entry
// sequence's hint, as a new window shows them.
QStringList windowTexts()
{
    UpdateWindow window({1, QStringLiteral("/dev/ttyS9")});
    QStringList texts = {window.windowTitle()};
    auto *form = qobject_cast<QFormLayout *>(window.layout()->itemAt(0)->layout());
    for (int row = 0; row < form->rowCount(); ++row)
        texts.append(
            qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text());
    texts.append(child<QLabel>(&window, "info")->text());
    for (const char *button : {"connect", "browse", "write", "cancel"})
        texts.append(child<QPushButton>(&window, button)->text());
    for (int i = 0; i < 2; ++i)
        texts.append(child<QComboBox>(&window, "parity")->itemText(i));
    texts.append(child<QLineEdit>(&window, "entry")->placeholderText());
    return texts;
}

}  // namespace

// plc-update speaks the tool's language: its window under the German translation, and its
// command line as the environment asks.
class TestUpdateLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSpeaksGermanOnlyUnderItsTranslation()
    {
        const QStringList english = {"Firmware update",
                                     "Port COM1:",
                                     "Line:",
                                     "Entry sequence:",
                                     "Loader:",
                                     "Firmware:",
                                     "Not connected",
                                     "Connect",
                                     "Choose...",
                                     "Write",
                                     "Cancel",
                                     "8E1 (the loader's)",
                                     "8N1 (a line without parity)",
                                     "none (as rts=1,dtr=0,wait=100,dtr=1,wait=50)"};
        QCOMPARE(windowTexts(), english);
        {
            const InstalledTranslation translation(windowLocale(Language::German));
            QCOMPARE(windowTexts(),
                     QStringList({"Firmware-Update", "Port COM1:", "Leitung:", "Einstiegsfolge:",
                                  "Loader:", "Firmware:", "Nicht verbunden", "Verbinden",
                                  "Wählen...", "Schreiben", "Abbrechen", "8E1 (die des Loaders)",
                                  "8N1 (Leitung ohne Parität)",
                                  "keine (etwa rts=1,dtr=0,wait=100,dtr=1,wait=50)"}));
        }
        QCOMPARE(windowTexts(), english);
    }

    // A refusal and the usage line under it; the option names stay as typed.
    void commandLineSpeaksTheEnvironmentsLanguage_data()
    {
        testing::columns<QString, QString>({"lang", "refusal"});
        testing::row("German", QStringLiteral("de_DE.UTF-8"),
                     QStringLiteral("plc-update: --size gehört zu --read\n"
                                    "plc-update: Aufruf: plc-update [--port COMn|Gerät]..."));
        testing::row("C", QStringLiteral("C.UTF-8"),
                     QStringLiteral("plc-update: --size goes with --read\n"
                                    "plc-update: usage: plc-update [--port COMn|device]..."));
    }
    void commandLineSpeaksTheEnvironmentsLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, refusal);
        int exitCode = 0;
        const QString said = testing::standardErrorUnder(
            lang, QStringLiteral(PLC_UPDATE),
            {QStringLiteral("--size"), QStringLiteral("4"), QStringLiteral("fw.bin")}, &exitCode);
        QCOMPARE(exitCode, 2);
        QVERIFY2(said.startsWith(refusal), qPrintable(said));
    }
};

QTEST_MAIN(TestUpdateLanguage)
#include "tst_update_language.moc"
