#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <set>

// The translation sources: every text translated, and none of the program's texts missing.
class TestTranslations : public QObject {
    Q_OBJECT

    struct Message {
        QString context;
        QString source;
        QString translation;
        QString type;  // "unfinished", "vanished", "obsolete" or empty when done
    };

    static QList<Message> readMessages(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        QList<Message> messages;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                messages.append({context, {}, {}, {}});
            } else if (xml.name() == QLatin1String("source")) {
                messages.last().source =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == QLatin1String("translation")) {
                messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
                messages.last().translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
        if (xml.hasError())
            qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
        return messages;
    }

    static std::set<QString> placeholders(const QString &text)
    {
        // %1..%9, and what a user types as it stands: option names, {port} in a file name.
        static const QRegularExpression placeholder(
            QStringLiteral("%[1-9]|--[a-z][a-z-]*|\\{[a-z]+\\}"));
        std::set<QString> found;
        QRegularExpressionMatchIterator it = placeholder.globalMatch(text);
        while (it.hasNext())
            found.insert(it.next().captured());
        return found;
    }

    static void addTsRows()
    {
        QTest::addColumn<QString>("ts");
        const QStringList files = QStringLiteral(PLC_TS_FILES).split(QLatin1Char(';'));
        for (const QString &ts : files)
            QTest::newRow(qPrintable(QFileInfo(ts).fileName())) << ts;
    }

    static QString described(const Message &m)
    {
        return QStringLiteral("%1: \"%2\"").arg(m.context, m.source);
    }

    // The texts the sources (src/<folder>, or all of src/) mark for translation, extracted
    // afresh into a copy of ts: a text that is new or changed in the code appears there
    // unfinished until the .ts translates it.
    static QList<Message> extracted(const QString &ts, const QString &folder)
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(ts).fileName());
        if (!QFile::copy(ts, copy))
            qFatal("cannot copy %s", qPrintable(ts));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(PLC_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                       QStringLiteral(PLC_SOURCES "/") + folder, QStringLiteral("-ts"), copy});
        if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
            qFatal("lupdate failed: %s", lupdate.readAll().constData());
        return readMessages(copy);
    }

private Q_SLOTS:
    void everyEntryIsTranslated_data() { addTsRows(); }
    void everyEntryIsTranslated()
    {
        QFETCH(QString, ts);
        const QList<Message> messages = readMessages(ts);
        QVERIFY(!messages.isEmpty());
        for (const Message &m : messages) {
            QVERIFY2(m.type.isEmpty(), qPrintable(described(m) + QStringLiteral(" is ") + m.type));
            QVERIFY2(!m.translation.isEmpty(), qPrintable(described(m)));
            // The program fills in %1, %2...: a translation that drops one loses a value, one
            // that adds one shows "%3" to the user. Option names and {port} are typed as shown.
            QVERIFY2(placeholders(m.translation) == placeholders(m.source),
                     qPrintable(described(m) + QStringLiteral(" -> ") + m.translation));
        }
    }

    // Every program's texts: the configuration tool's and the update program's (its own
    // folder on its own, so that its texts cannot hide among the tool's).
    void noSourceTextIsLeftUntranslated_data()
    {
        QTest::addColumn<QString>("ts");
        QTest::addColumn<QString>("folder");
        const QStringList files = QStringLiteral(PLC_TS_FILES).split(QLatin1Char(';'));
        for (const QString &ts : files) {
            for (const QString &folder : {QString(), QStringLiteral("update")}) {
                QTest::addRow("%s src/%s", qPrintable(QFileInfo(ts).fileName()), qPrintable(folder))
                    << ts << folder;
            }
        }
    }
    void noSourceTextIsLeftUntranslated()
    {
        QFETCH(QString, ts);
        QFETCH(QString, folder);
        const QList<Message> messages = extracted(ts, folder);
        QVERIFY(!messages.isEmpty());
        QStringList untranslated;
        for (const Message &m : messages) {
            if (!m.type.isEmpty() || m.translation.isEmpty())
                untranslated.append(described(m));
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        if (folder.isEmpty())
            QCOMPARE(messages.size(), readMessages(ts).size());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
