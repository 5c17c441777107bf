// A Qt generic plugin that drives an installed plc-config from the inside, as a user would: it
// prints the window caption, the settings-file line of "COM-port setting" and the "To IEEE"
// result for the number given in the plugin key, then ends the program. A message box on the way is
// printed and closed. Loaded through QT_PLUGIN_PATH=<plugins> QT_QPA_GENERIC_PLUGINS=
// plcdriver:<number>, so the program under test is exactly the installed one.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Prints and closes the modal window that the next step opens, if it opens one.
void answerNextModal(QObject *context)
{
    QTimer::singleShot(0, context, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            say(QStringLiteral("message: ") + box->text());
        else if (auto *file = modal->findChild<QLabel *>(QStringLiteral("settingsFile")))
            say(file->text());
        modal->close();
    });
}

// Runs the steps once the program's event loop has started and its window is up.
class Driver : public QObject {
public:
    explicit Driver(const QString &number) : m_number(number)
    {
        QTimer::singleShot(0, this, &Driver::drive);
    }

private:
    template <typename T>
    T *control(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            say(QStringLiteral("missing: ") + QLatin1String(name));
        return found;
    }

    void drive()
    {
        QWidget *window = nullptr;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (w->findChild<QLineEdit *>(QStringLiteral("floatInputBox")))
                window = w;
        }
        auto *comm = window ? control<QAction>(window, "commSettingAction") : nullptr;
        auto *input = window ? control<QLineEdit>(window, "floatInputBox") : nullptr;
        auto *convert = window ? control<QPushButton>(window, "toIeeeButton") : nullptr;
        auto *result = window ? control<QLineEdit>(window, "ieeeResultBox") : nullptr;
        if (!comm || !input || !convert || !result) {
            QCoreApplication::exit(1);
            return;
        }
        say(QStringLiteral("caption: ") + window->windowTitle());
        answerNextModal(this);
        comm->trigger();
        input->setText(m_number);
        answerNextModal(this);
        convert->click();
        say(QStringLiteral("To IEEE: ") + result->text());
        QCoreApplication::quit();
    }

    QString m_number;
};

}  // namespace

// The plugin's entry: makes the driver when the program asks for "plcdriver".
class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "install_driver.json")

public:
    QObject *create(const QString &key, const QString &number) override
    {
        if (key.compare(QLatin1String("plcdriver"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new Driver(number);
    }
};

#include "install_driver.moc"
