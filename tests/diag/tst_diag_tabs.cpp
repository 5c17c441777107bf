#include "grid_model.h"
#include "grid_view.h"
#include "main_window.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

template <class T>
T *child(const QObject *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The rows below the heading, each as its cells joined by "|".
QStringList rowTexts(const GridModel &grid)
{
    QStringList rows;
    for (int row = 1; row < grid.rows(); ++row) {
        const QStringList cells = {grid.text(row, 0), grid.text(row, 1), grid.text(row, 2)};
        rows.append(cells.join('|'));
    }
    return rows;
}

}  // namespace

// The read buttons of the "Modbus diag" and "1-wire diag" tabs in the main window, against the
// virtual controller: each fills its own table and no other.
class TestDiagTabs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void readButtons_data();
    void readButtons();

private:
    std::unique_ptr<SimFixture> m_sim;
    ScriptedPrompts m_prompts;
    std::unique_ptr<Main> m_main;
};

void TestDiagTabs::init()
{
    m_sim = std::make_unique<SimFixture>();
    QVERIFY2(m_sim->ok(), qPrintable(m_sim->error()));
    m_prompts.clear();
    m_main = std::make_unique<Main>(m_prompts);
}

void TestDiagTabs::cleanup()
{
    QVERIFY(!m_main->link().isOpen());
    m_main.reset();
    m_sim.reset();
}

void TestDiagTabs::readButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("wordAddress");
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("base");
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QString>("silent");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("UART 1") << "Command4"
                            << "Read modbus buffer 1"
                            << "MB_grid" << 0x2008 << 0xC402 << 0x3600 << QByteArray("\x84\x00", 2)
                            << QString()
                            << QStringList{"1|Active error| timeout error occurred  ",
                                           "2|No error|", "3||"};
    QTest::newRow("UART 2") << "Command6"
                            << "Read modbus buffer 2"
                            << "MB_grid2" << 0x2006 << 0xC001 << 0x3680 << QByteArray("\x80")
                            << QString() << QStringList{"1|Inactive error|", "2||"};
    QTest::newRow("1-wire") << "Command5"
                            << "Read 1-wire buffer"
                            << "W1_grid" << 0x200A << 0xC002 << 0x3700 << QByteArray("\xC3\x25")
                            << QString()
                            << QStringList{"1|Active error|Timeout error number :3",
                                           "2|No error|Number of error :5", "3||"};
    QTest::newRow("1-wire silent") << "Command5"
                                   << "Read 1-wire buffer"
                                   << "W1_grid" << 0x200A << 0xC002 << 0x3700
                                   << QByteArray("\xC3\x25") << "200A" << QStringList{"||"};
}

void TestDiagTabs::readButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, grid);
    QFETCH(int, wordAddress);
    QFETCH(int, word);
    QFETCH(int, base);
    QFETCH(QByteArray, records);
    QFETCH(QString, silent);
    QFETCH(QStringList, rows);
    m_sim->plc.pokeWord(wordAddress, quint16(word));
    m_sim->plc.poke(base, records);
    if (!silent.isEmpty())
        m_sim->plc.failAddress(silent, VirtualPlc::Fault::Silence);

    auto *b = child<QPushButton>(m_main.get(), button);
    QCOMPARE(b->text(), caption);
    b->click();
    QCOMPARE(m_prompts.messages(),
             silent.isEmpty() ? QStringList() : QStringList{"Answer timeout from PLC"});
    for (const QString name : {"MB_grid", "MB_grid2", "W1_grid"}) {
        const GridModel &model = child<GridView>(m_main.get(), name)->gridModel();
        QCOMPARE(rowTexts(model), name == grid ? rows : QStringList{"||"});
    }
}

QTEST_MAIN(TestDiagTabs)
#include "tst_diag_tabs.moc"
