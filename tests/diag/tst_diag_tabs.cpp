#include "grid_model.h"
#include "grid_view.h"
#include "settings_store.h"
#include "tab_test.h"
#include "test_helpers.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace plc;
using namespace plc::sim;

using testing::child;
using testing::row;
using testing::rowTexts;

// The read buttons of the "Modbus diag" and "1-wire diag" tabs in the main window, against the
// virtual controller: each fills its own table and no other.
class TestDiagTabs : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void readButtons_data()
    {
        testing::columns<QString, QString, QString, int, int, int, QByteArray, QString,
                         QStringList>({"button", "caption", "grid", "wordAddress", "word", "base",
                                       "records", "silent", "rows"});
        const QString none;
        const QByteArray oneWire("\xC3\x25");
        row("UART 1", "readUart1BufferButton", "Read modbus buffer 1", "uart1ErrorTable", 0x2008,
            0xC402, 0x3600, QByteArray("\x84\x00", 2), none,
            QStringList{"1|Active error| timeout error occurred  ", "2|No error|", "3||"});
        row("UART 2", "readUart2BufferButton", "Read modbus buffer 2", "uart2ErrorTable", 0x2006,
            0xC001, 0x3680, QByteArray("\x80"), none, QStringList{"1|Inactive error|", "2||"});
        row("1-wire", "readOneWireBufferButton", "Read 1-wire buffer", "oneWireErrorTable", 0x200A,
            0xC002, 0x3700, oneWire, none,
            QStringList{"1|Active error|Timeout error number :3", "2|No error|Number of error :5",
                        "3||"});
        row("1-wire silent", "readOneWireBufferButton", "Read 1-wire buffer", "oneWireErrorTable",
            0x200A, 0xC002, 0x3700, oneWire, "200A", QStringList{"||"});
    }

    void readButtons()
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
        m_w->sim.plc.pokeWord(wordAddress, quint16(word));
        m_w->sim.plc.poke(base, records);
        if (!silent.isEmpty())
            m_w->sim.plc.failAddress(silent, VirtualPlc::Fault::Silence);

        // The table's widths as the window kept them when it last closed, under the table's
        // key in the settings file.
        const QMap<QString, QString> keys = {{"uart1ErrorTable", "MB_grid"},
                                             {"uart2ErrorTable", "MB_grid2"},
                                             {"oneWireErrorTable", "W1_grid"}};
        settingsfile::setWindowValue("Columns_" + keys.value(grid), "50,140");
        m_w->window.reset();
        m_w->window = std::make_unique<MainWindow>(m_w->prompts);
        auto *b = child<QPushButton>(m_w->window.get(), button);
        QCOMPARE(b->text(), caption);
        b->click();
        const GridView *view = child<GridView>(m_w->window.get(), grid);
        QCOMPARE((QList<int>{view->columnWidth(0), view->columnWidth(1)}), (QList<int>{50, 140}));
        QCOMPARE(m_w->prompts.messages(),
                 silent.isEmpty() ? QStringList() : QStringList{"Answer timeout from PLC"});
        for (const QString name : {"uart1ErrorTable", "uart2ErrorTable", "oneWireErrorTable"}) {
            const GridModel &model = child<GridView>(m_w->window.get(), name)->gridModel();
            QCOMPARE(rowTexts(model), name == grid ? rows : QStringList{"||"});
        }
    }

private:
};

QTEST_MAIN(TestDiagTabs)

#include "tst_diag_tabs.moc"
