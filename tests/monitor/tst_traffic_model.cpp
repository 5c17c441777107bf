#include "csv_file.h"
#include "exchange.h"
#include "exchange_feed.h"
#include "exchange_text.h"
#include "failure.h"
#include "link_action.h"
#include "plc_link.h"
#include "settings_store.h"
#include "sim_fixture.h"
#include "test_helpers.h"
#include "traffic_model.h"
#include "transfer_steps.h"

#include <QtTest>

using namespace plc;
using namespace plc::sim;

namespace {

using Rows = QList<QStringList>;
using testing::row;

// The columns that do not depend on the clock, from Request to Outcome.
Rows rowsOf(const TrafficModel &model)
{
    Rows rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = exchangetext::Request; c <= exchangetext::Outcome; ++c) {
            if (c != exchangetext::AnswerMs)
                cells.append(model.index(r, c).data().toString());
        }
        rows.append(cells);
    }
    return rows;
}

ExchangeRecord record(int n, const QString &device = QStringLiteral("/dev/ttyUSB0"))
{
    const QDateTime at(QDate(2024, 5, 1), QTime(9, 5, 7, n));
    // Addresses 2001, 2002 ... as they read, whatever n is; a checksum of 00 is never checked.
    const QByteArray address = QByteArray::number(2000 + n);
    const Request request = Request::read(address.toInt(nullptr, 16), 2);
    return {at, 2, device, request, "\002E00" + address + "02\00300", Reply(), 100};
}

QStringList addresses(const TrafficModel &model)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts.append(model.index(r, exchangetext::Address).data().toString());
    return texts;
}

const QString kWrongAnswer = QStringLiteral("<STX>1,\"3<ETX>00");
const QByteArray kWrongBytes = "\0021,\"3\00300";

}  // namespace

// What the monitor keeps of the exchanges on a real link to the virtual controller, its ring,
// its filter and its CSV.
class TestTrafficModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsEveryExchange_data()
    {
        // Request, Answer, Command, Address, Count, Data, Outcome
        // timeoutRow: the row that waited out its timeout, or -1
        testing::columns<QString, int, Rows>({"scenario", "timeoutRow", "rows"});
        const QStringList open = {
            "<STX>E113000020FFF<ETX>D1", "<ACK>", "E11", "3000", "02", "0FFF", "accepted"};
        const QStringList word = {
            "<STX>E11200802D409<ETX>B7", "<ACK>", "E11", "2008", "02", "D409", "accepted"};
        const QStringList close = {
            "<STX>E113000020000<ETX>8F", "<ACK>", "E11", "3000", "02", "0000", "accepted"};
        const QString read = QStringLiteral("<STX>E00200802<ETX>D4");
        row("download", "download", -1, Rows{open, word, close});
        row("write refused", "nak", -1,
            Rows{{open[0], "<NAK>", "E11", "3000", "02", "0FFF", "refused"}});
        row("write unanswered", "silence", 0,
            Rows{{open[0], "", "E11", "3000", "02", "0FFF", "timeout"}});
        row("read answered", "read", -1,
            Rows{{read, "<STX>0000<ETX>C3", "E00", "2008", "02", "0000", "accepted"}});
        row("read refused", "read nak", 0,
            Rows{{read, "<NAK>", "E00", "2008", "02", "", "refused"}});
        row("wrong answer", "wrong", -1,
            Rows{{read, kWrongAnswer, "E00", "2008", "02", "", "wrong answer"}});
        row("port lost", "lost", -1, Rows{{read, "", "E00", "2008", "02", "", "port lost"}});
        row("probes", "probes", -1,
            Rows{{"<ENQ>", "<ACK>", "<ENQ>", "", "", "", "accepted"},
                 {"<STX>00E0202<ETX>6C", "<STX>2301<ETX>C9", "0", "0E02", "02", "2301",
                  "accepted"}});
    }

    void recordsEveryExchange()
    {
        QFETCH(QString, scenario);
        QFETCH(int, timeoutRow);
        QFETCH(Rows, rows);
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        PlcLink link;
        applyStoredPortSettings(link);
        TrafficModel model;
        constexpr int kTimeoutMs = 150;

        if (scenario == "nak" || scenario == "silence")
            sim.plc.failWrite(
                1, scenario == "nak" ? VirtualPlc::Fault::Nak : VirtualPlc::Fault::Silence);
        if (scenario == "read nak")
            sim.plc.failAddress(QStringLiteral("2008"), VirtualPlc::Fault::Nak);
        if (scenario == "wrong")
            sim.plc.setReadAnswer(QStringLiteral("2008"), kWrongBytes);
        if (scenario == "lost")
            sim.plc.loseLineAt(QStringLiteral("2008"));
        runOnLink(link, [&] {
            link.open();
            if (scenario == "probes") {
                link.exchange(Request::enquiry(), kTimeoutMs);
                link.exchange(Request::cpuTypeProbe(0x0E02), kTimeoutMs);
            } else if (rows.at(0).at(2) == "E00") {
                steps::readWord(link, kTimeoutMs, 0x2008);
            } else {
                steps::writeBetweenServiceWords(
                    link, [&] { steps::writeWord(link, kTimeoutMs, 0x2008, 0x09D4); });
            }
            return Outcome();
        });

        QCOMPARE(rowsOf(model), rows);
        const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$"));
        for (int r = 0; r < model.rowCount(); ++r) {
            QVERIFY(time.match(model.index(r, exchangetext::Time).data().toString()).hasMatch());
            QCOMPARE(model.index(r, exchangetext::Port).data().toString(),
                     "COM1 (" + sim.plc.devicePath() + ")");
            const int ms = model.index(r, exchangetext::AnswerMs).data().toInt();
            QVERIFY2(r == timeoutRow ? ms >= kTimeoutMs : ms < kTimeoutMs,
                     qPrintable(QString::number(ms)));
        }
    }

    void keepsTheLastAndFilters_data()
    {
        // filter: set once half of them are in
        testing::columns<int, int, QString, QStringList, int>(
            {"capacity", "appended", "filter", "shown", "kept"});
        row("room left", 5, 3, "", QStringList{"2001", "2002", "2003"}, 3);
        row("oldest gone", 3, 7, "", QStringList{"2005", "2006", "2007"}, 3);
        row("filter before and after", 10, 20, "e00201",
            QStringList{"2011", "2012", "2013", "2014", "2015", "2016", "2017", "2018", "2019"},
            10);
        row("shown rows age out", 4, 12, "200", QStringList{"2009"}, 4);
        row("any column, case ignored", 4, 4, "TIMEOUT",
            QStringList{"2001", "2002", "2003", "2004"}, 4);
        row("nothing matches", 4, 4, "usb1", QStringList{}, 4);
    }

    void keepsTheLastAndFilters()
    {
        QFETCH(int, capacity);
        QFETCH(int, appended);
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        QFETCH(int, kept);
        TrafficModel model(capacity);
        for (int n = 1; n <= appended; ++n) {
            if (n == appended / 2 + 1)
                model.setFilterText(filter);
            ExchangeFeed::instance().publish(record(n));
        }
        QCOMPARE(addresses(model), shown);
        QCOMPARE(model.keptCount(), kept);

        // Paused, nothing new is kept; cleared, nothing is left.
        model.setPaused(true);
        ExchangeFeed::instance().publish(record(99));
        QCOMPARE(model.keptCount(), kept);
        model.clear();
        model.setPaused(false);
        model.setFilterText(QString());
        QCOMPARE(model.rowCount(), 0);
        model.append(record(42));
        QCOMPARE(addresses(model), QStringList{"2042"});
    }

    void heldRowsShowInOneBatch_data()
    {
        // before (shown at once, before rows are held), removed (rows the batch takes away)
        testing::columns<int, int, int, QString, QStringList, int>(
            {"capacity", "before", "held", "filter", "shown", "removed"});
        row("room left", 5, 1, 3, "", QStringList{"2001", "2002", "2003", "2004"}, 0);
        row("ring overflows", 3, 2, 7, "", QStringList{"2007", "2008", "2009"}, 2);
        row("more held than the ring", 2, 0, 5, "", QStringList{"2004", "2005"}, 0);
        row("filtered", 4, 3, 8, "e00201", QStringList{"2010", "2011"}, 0);
        row("shown rows leave", 4, 3, 2, "e00200", QStringList{"2002", "2003", "2004", "2005"}, 1);
    }

    void heldRowsShowInOneBatch()
    {
        QFETCH(int, capacity);
        QFETCH(int, before);
        QFETCH(int, held);
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        QFETCH(int, removed);
        TrafficModel model(capacity);
        model.setFilterText(filter);
        int shownBefore = 0;
        for (int n = 1; n <= before + held; ++n) {
            if (n == before + 1) {
                shownBefore = model.rowCount();
                model.setHoldingRows(true);
            }
            model.append(record(n));
        }
        QCOMPARE(model.rowCount(), shownBefore);
        QSignalSpy inserted(&model, &TrafficModel::rowsInserted);
        QSignalSpy gone(&model, &TrafficModel::rowsRemoved);
        model.showHeldRows();
        QCOMPARE(addresses(model), shown);
        QCOMPARE(model.keptCount(), qMin(before + held, capacity));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(gone.size(), removed > 0 ? 1 : 0);
        if (removed > 0)
            QCOMPARE(gone.at(0).at(2).toInt() + 1, removed);
    }

    void csvOfTheShownRows()
    {
        TrafficModel model;
        model.append(record(1, QStringLiteral("/tmp/plc,\"A\"")));
        ExchangeRecord wrong = record(2);
        wrong.reply = {Reply::Kind::WrongAnswer, kWrongBytes, {}};
        model.append(wrong);
        model.append(record(3));
        model.setFilterText(QStringLiteral("e002001"));
        const QByteArray expected =
            "Time,Port,Request,Answer,Command,Address,Count,Data,Answer ms,Outcome\r\n"
            "09:05:07.001,\"COM2 (/tmp/plc,\"\"A\"\")\",<STX>E00200102<ETX>00,,E00,2001,02,,100,"
            "timeout\r\n";
        QCOMPARE(csv::table(model), expected);
        model.setFilterText(QStringLiteral("wrong"));
        QCOMPARE(
            csv::table(model).split('\n').at(1),
            "09:05:07.002,COM2 (/dev/ttyUSB0),<STX>E00200202<ETX>00,\"<STX>1,\"\"3<ETX>00\",E00,"
            "2002,02,,100,wrong answer\r");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("traffic.csv"));
        csv::save(path, model);
        QCOMPARE(testing::fileBytes(path), csv::table(model));
        const QString blocked = dir.filePath(QStringLiteral("no/such/folder/traffic.csv"));
        QVERIFY_THROWS_EXCEPTION(Failure, csv::save(blocked, model));
    }
};

QTEST_MAIN(TestTrafficModel)

#include "tst_traffic_model.moc"
