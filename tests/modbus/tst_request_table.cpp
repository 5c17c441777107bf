#include "failure.h"
#include "grid_model.h"
#include "port_word.h"
#include "request_check.h"
#include "request_editing.h"
#include "request_record.h"
#include "row_name.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "uart_port.h"

#include <QtTest>

using namespace plc;

namespace {

using tablesteps::addCases;
using testing::rowTexts;

// A table holding the given requests (cells: Address, Num word, Address slave, Address master,
// Function, Timeout) and the entry row.
GridModel *table(const QList<QStringList> &requests, QObject *parent)
{
    auto *grid = new GridModel(7, parent);
    for (const QStringList &cells : requests) {
        const int row = grid->rows() - 1;
        for (int c = 0; c < cells.size(); ++c)
            grid->setText(row, c + 1, cells.at(c));
        grid->appendGridRow();
    }
    grid->renumber();
    return grid;
}

const QStringList kValid = {"3", "100", "0", "0", "1", "100"};

struct PortWordCase {
    int word;
    int mode;  // -1: no mode
    int speed;
    int parity;  // -1: names no entry
    int low;     // request count or address as decoded
    bool encodes;
};
struct PresetCase {
    int requests;  // rows 1..n: Address 7+i, Num word 10, starts 20 and 30
    int currentRow, mode;
    QStringList fields;  // slave number, address, count, slave start, master, function, timeout
    int newRow;
};
struct CellCase {
    int uart, col;
    QString text, message;
};

}  // namespace

// The port word and the request record codecs, the table check, the request dialog's presets
// and checks, deletion and the cell editor, all on the model.
class TestRequestTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void portWord_data()
    {
        addCases<PortWordCase>({
            {"master 3, 115200, Odd", {0xC403, 0, 4, 0, 3, true}},
            {"master 128 keeps bit 7", {0xD780, 0, 7, 2, 128, true}},
            {"master count held at 128", {0xC4FF, 0, 4, 0, 128, false}},
            {"slave 500000, None, 1", {0x5701, 1, 7, 2, 1, true}},
            {"slave 38400, Odd, 5", {0x4205, 1, 2, 0, 5, true}},
            {"256000, Even, 5", {0xCE05, 0, 6, 1, 5, true}},
            {"not use", {0x0000, 2, 0, 0, 0, true}},
            {"0x7000 no mode", {0x7000, -1, 0, 2, 0, false}},
            {"0x2000 no mode", {0x2000, -1, 0, 0, 0, false}},
            // Bit 15 without bit 14 is no master, from its lowest word to its highest.
            {"0x8000 no mode", {0x8000, -1, 0, 0, 0, false}},
            {"0x8403 no mode", {0x8403, -1, 4, 0, 3, false}},
            {"0xBFFF no mode", {0xBFFF, -1, 7, -1, 255, false}},
            {"parity index 3", {0xDC01, 0, 4, -1, 1, false}},
        });
    }

    void portWord()
    {
        QFETCH(PortWordCase, c);
        const PortWordFields f = decodePortWord(quint16(c.word));
        QCOMPARE(f.mode ? int(*f.mode) : -1, c.mode);
        QCOMPARE(f.speed, c.speed);
        QCOMPARE(f.parity.value_or(-1), c.parity);
        QCOMPARE(c.mode == 0 ? f.requestCount : f.address & 0xFF, c.low);
        if (c.encodes)
            QCOMPARE(encodePortWord(UartMode(c.mode), c.speed, c.parity, c.low), quint16(c.word));
    }

    void record_data()
    {
        // The numbers: address, count, start, master, function, timeout.
        testing::columns<QList<int>, QString>({"numbers", "text"});
        testing::row("read coils of slave 1", QList<int>{1, 10, 0, 100, 1, 100},
                     "010A000064006410");
        testing::row("last field 0x2064", QList<int>{0, 0, 0, 0, 2, 100}, "0000000000006420");
        testing::row("limits", QList<int>{248, 255, 7999, 3071, 4, 4095}, "F8FF3F1FFF0BFF4F");
        testing::row("0x8000 and above are negative", QList<int>{1, 1, -1, -32768, 0, 1},
                     "0101FFFF00800100");
    }

    void record()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, text);
        const ModbusRequest r{numbers[0], numbers[1], numbers[2],
                              numbers[3], numbers[4], numbers[5]};
        QCOMPARE(decodeRequest(text), r);
        QCOMPARE(encodeRequest(r), text);
    }

    void checkGrid_data()
    {
        // code: -1: passes
        testing::columns<QStringList, int>({"cells", "code"});
        const auto with = [](int col, const QString &text, const QString &function = "1") {
            QStringList cells = kValid;
            cells[4] = function;
            cells[col - 1] = text;
            return cells;
        };
        testing::row("valid", kValid, -1);
        testing::row("address 0", with(1, "0"), -1);
        testing::row("address 248", with(1, "248"), -1);
        testing::row("address 249", with(1, "249"), 0);
        testing::row("address -1", with(1, "-1"), 0);
        testing::row("coils count 255", with(2, "255", "0"), -1);
        testing::row("coils count 256", with(2, "256", "3"), 1);
        testing::row("read count 125", with(2, "125", "4"), -1);
        testing::row("read count 126", with(2, "126", "1"), 1);
        testing::row("read holding 124", with(2, "124", "1"), -1);
        testing::row("write multiply 124", with(2, "124", "2"), 1);
        testing::row("write count 123", with(2, "123", "2"), -1);
        testing::row("count -1", with(2, "-1"), 1);
        testing::row("coils slave end 3071", with(3, "2971", "0"), -1);
        testing::row("coils slave end 3072", with(3, "2972", "0"), 2);
        testing::row("registers slave end 7999", with(3, "7899"), -1);
        testing::row("registers slave end 8000", with(3, "7900", "2"), 2);
        testing::row("slave start -1", with(3, "-1"), 2);
        testing::row("slave start 32767 no overflow", with(3, "32767"), 2);
        testing::row("coils master end 3072", with(4, "2972", "3"), 3);
        testing::row("registers master end 7999", with(4, "7899", "4"), -1);
        testing::row("registers master end 8000", with(4, "7900"), 3);
        testing::row("master -1", with(4, "-1"), 3);
        testing::row("function 5", with(5, "5"), 4);
        testing::row("function 256", with(5, "256"), 4);
        testing::row("function wins over address", with(1, "999", "7"), 4);
        testing::row("timeout 0", with(6, "0"), 5);
        testing::row("timeout 4095", with(6, "4095"), -1);
        testing::row("timeout 4096", with(6, "4096"), 5);
    }

    void checkGrid()
    {
        QFETCH(QStringList, cells);
        QFETCH(int, code);
        // The faulty request sits between two good ones, so the row is checked too.
        GridModel *grid = table({kValid, cells, kValid}, this);
        const auto fault = checkRequestTable(grid->dataRows());
        QCOMPARE(fault ? fault->code : -1, code);
        if (fault)
            QCOMPARE(fault->row, 2);
    }

    void checkGridTableLevel()
    {
        QVERIFY(!checkRequestTable(GridModel(7).dataRows()));  // no request: only the entry row
        QList<QStringList> many(128, kValid);
        QVERIFY(!checkRequestTable(table(many, this)->dataRows()));
        many.append(kValid);
        const auto fault = checkRequestTable(table(many, this)->dataRows());
        QVERIFY(fault);
        QCOMPARE(fault->code, 6);
        QCOMPARE(fault->row, 128);

        GridModel *grid = table({kValid, {"3", "12a", "0", "0", "1", "100"}}, this);
        try {
            checkRequestTable(grid->dataRows());
            QFAIL("a cell that is not a number must stop the check");
        } catch (const Failure &f) {
            QCOMPARE(f.description(), "Row 2, column [Num word]: \"12a\" is not a whole number");
        }
    }

    void faultMessages_data()
    {
        testing::columns<int, QString>({"code", "text"});
        const QString s = QStringLiteral("You configuration has error in the ");
        testing::row("0", 0, s + "slave address data - row 12\r\nColumn [Address]");
        testing::row("1", 1, s + "size of request  - row 12\r\nColumn [Num word]");
        testing::row("2", 2, s + "slave address data - row 12\r\nColumn [Address slave]");
        testing::row("3", 3, s + "master address data - row 12\r\nColumn [Address master]");
        testing::row("4", 4, s + "function code - row 12\r\nColumn [Function]");
        testing::row("5", 5, s + "Timeout - row 12\r\nColumn [Timeout,[ms]]");
        testing::row("6", 6, s + "number of slaves. \r\nMaximum allowed number is 128 ");
    }

    void faultMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(gridFaultMessage({12, code}), text);
    }

    void dialogPreset_data()
    {
        const QStringList addDefaults = {"1", "3", "100", "0", "0", "1", "100"};
        addCases<PresetCase>({
            {"first add after start-up", {0, 0, 1, addDefaults, 1}},
            {"add, table empty", {0, 1, 1, addDefaults, 1}},
            {"add continues the run", {2, 1, 1, {"2", "9", "10", "30", "40", "4", "250"}, 1}},
            {"modify, no row chosen", {2, 0, 2, {"1", "2", "100", "0", "0", "1", "100"}, 1}},
            {"modify on the entry row", {2, 3, 2, {"2", "9", "10", "20", "30", "4", "250"}, 2}},
            {"modify row 1", {2, 1, 2, {"1", "8", "10", "20", "30", "4", "250"}, 1}},
        });
    }

    void dialogPreset()
    {
        QFETCH(PresetCase, c);
        QList<QStringList> rows;
        for (int i = 1; i <= c.requests; ++i)
            rows.append({QString::number(7 + i), "10", "20", "30", "4", "250"});
        const DialogPreset p =
            requestDialogPreset(*table(rows, this), c.currentRow, DialogMode(c.mode));
        const RequestFields &f = p.fields;
        QCOMPARE((QStringList{f.slaveNumber, f.address, f.count, f.slaveStart, f.masterAddress,
                              QString::number(f.function), f.timeout}),
                 c.fields);
        QCOMPARE(p.currentRow, c.newRow);
    }

    void dialogChecks_data()
    {
        // field: 0 address, 1 slave start, 2 count, 3 master, 4 timeout
        testing::columns<int, QString, bool>({"field", "text", "accepted"});
        const QList<std::pair<int, QList<std::pair<QString, bool>>>> cases = {
            {0, {{"1", true}, {"254", true}, {"0", false}, {"255", false}, {"x", false}}},
            {1, {{"0", true}, {"32767", true}, {"-1", false}, {"32768", false}, {"1.5", false}}},
            {2, {{"1", true}, {"254", true}, {"0", false}, {"255", false}, {"", false}}},
            {3, {{"32767", true}, {"-1", false}, {"32768", false}}},
            {4, {{"1", true}, {"4095", true}, {"0", false}, {"4096", false}, {"65534", false}}},
        };
        for (const auto &[field, texts] : cases) {
            for (const auto &[text, ok] : texts)
                QTest::addRow("field %d \"%s\"", field, qPrintable(text)) << field << text << ok;
        }
    }

    void dialogChecks()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        // Every field but the one under test holds a wrong value, to show the order of the checks.
        RequestFields f{"1", "1", "1", "0", "0", 2, "1", {}};
        QString *boxes[] = {&f.address, &f.slaveStart, &f.count, &f.masterAddress, &f.timeout};
        for (int later = field + 1; later < 5; ++later)
            *boxes[later] = QStringLiteral("bad");
        *boxes[field] = text;
        const FieldsCheck check = checkRequestFields(f);
        if (accepted && field == 4) {
            QVERIFY(check.request);
            QCOMPARE(check.request->function, 2);
            QCOMPARE(check.request->timeout, text.toInt());
        } else {
            QVERIFY(!check.request);
            QCOMPARE(check.message,
                     QStringLiteral("You put wrong value  ") + (accepted ? "bad" : text));
        }
    }

    void dialogCarriesTheRowName()
    {
        GridModel grid(requestcol::TableCount);
        const ModbusRequest first{3, 100, 0, 0, 1, 100};
        applyRequestEdit(grid, DialogMode::Add, 1, first, "Boiler pump");
        QCOMPARE(requestDialogPreset(grid, 1, DialogMode::Modify).fields.name, "Boiler pump");
        QCOMPARE(requestDialogPreset(grid, 1, DialogMode::Add).fields.name, QString());
        applyRequestEdit(grid, DialogMode::Modify, 1, first, QString(50, 'x'));
        QCOMPARE(grid.text(1, requestcol::Name), QString(kMaxNameLength, 'x'));
    }

    void updateGridAddsAndModifies()
    {
        GridModel grid(7);
        const ModbusRequest first{3, 100, 0, 0, 1, 100};
        QCOMPARE(applyRequestEdit(grid, DialogMode::Add, 1, first), 1);
        QCOMPARE(rowTexts(grid), (QStringList{"1|3|100|0|0|1|100", "2||||||"}));
        QCOMPARE(applyRequestEdit(grid, DialogMode::Add, 1, {5, 10, 100, 100, 2, 50}), 2);
        const QString added = "2|5|10|100|100|2|50";
        QCOMPARE(rowTexts(grid), (QStringList{"1|3|100|0|0|1|100", added, "3||||||"}));
        QCOMPARE(applyRequestEdit(grid, DialogMode::Modify, 1, {9, 1, 2, 3, 4, 5}), 1);
        QCOMPARE(rowTexts(grid), (QStringList{"1|9|1|2|3|4|5", added, "3||||||"}));
    }

    void deleteRequest_data()
    {
        // addresses: column 1 of every row below the heading
        testing::columns<int, int, QString>({"requests", "currentRow", "addresses"});
        testing::row("no row chosen yet", 3, 0, "1,2,3,");
        testing::row("no request", 0, 1, "");
        testing::row("middle request", 3, 2, "1,3,");
        testing::row("entry row chosen", 3, 4, "1,2,3");
        testing::row("beyond the table", 3, 9, "1,2,3,");
    }

    void deleteRequest()
    {
        QFETCH(int, requests);
        QFETCH(int, currentRow);
        QFETCH(QString, addresses);
        QList<QStringList> rows;
        for (int i = 1; i <= requests; ++i)
            rows.append({QString::number(i), "1", "0", "0", "1", "100"});
        GridModel *grid = table(rows, this);
        plc::deleteRequest(*grid, currentRow);
        QStringList found;
        for (int row = 1; row < grid->rows(); ++row) {
            found.append(grid->text(row, 1));
            QCOMPARE(grid->text(row, 0), QString::number(row));
        }
        QCOMPARE(found.join(','), addresses);
    }

    void cellEditor_data()
    {
        using tablesteps::kRefusedInner, tablesteps::kRefusedOuter, tablesteps::kRefusedUart1;
        const QString &u1 = kRefusedUart1, &outer = kRefusedOuter, &inner = kRefusedInner;
        // Columns 1, 2 and 5 hold bytes, 3, 4 and 6 16-bit words; UART 2 words its refusal
        // differently in its outer and inner columns.
        addCases<CellCase>({
            {"UART 1 byte at its limit", {1, 1, "255", ""}},
            {"UART 1 byte over", {1, 2, "256", u1}},
            {"UART 1 word at its limit", {1, 3, "65535", ""}},
            {"UART 1 negative", {1, 4, "-5", u1}},
            {"UART 1 not a whole number", {1, 6, "1e2", u1}},
            {"UART 1 slot column unchecked", {1, 0, "abc", ""}},
            {"UART 2 outer byte over", {2, 1, "256", outer}},
            {"UART 2 outer word over", {2, 6, "65536", outer}},
            {"UART 2 inner byte over", {2, 2, "256", inner}},
            {"UART 2 inner word over", {2, 4, "65536", inner}},
            {"UART 2 inner negative", {2, 3, "-5", inner}},
            {"UART 2 byte at its limit", {2, 5, "255", ""}},
        });
    }

    void cellEditor()
    {
        QFETCH(CellCase, c);
        GridModel grid(7);
        grid.setText(1, c.col, QStringLiteral("old"));
        const UartPort &port = c.uart == 1 ? UartPort::uart1() : UartPort::uart2();
        QCOMPARE(storeCellEdit(grid, port, 1, c.col, c.text), c.message);
        QCOMPARE(grid.text(1, c.col), c.message.isEmpty() ? c.text : QString());
    }
};

QTEST_GUILESS_MAIN(TestRequestTable)

#include "tst_request_table.moc"
