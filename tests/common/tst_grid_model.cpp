#include "grid_model.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

// The tables' row semantics: the heading row counts, the last row is the entry row.
class TestGridModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newTableHasHeadingAndOneRow()
    {
        GridModel grid(7);
        QCOMPARE(grid.rows(), 2);
        QCOMPARE(grid.cols(), 7);
        QCOMPARE(grid.rowCount(), 1);
    }

    void headingLineSplitsExactly_data()
    {
        testing::columns<QString, QStringList>({"line", "headings"});
        testing::row("requests",
                     "Slot | Address | Num word | Address slave | Address master | "
                     "Function | Timeout,[ms] ",
                     QStringList{"Slot ", " Address ", " Num word ", " Address slave ",
                                 " Address master ", " Function ", " Timeout,[ms] "});
        testing::row(
            "error buffer", "Slot  |  Errors  type   |   Short descriptions of error    ",
            QStringList{"Slot  ", "  Errors  type   ", "   Short descriptions of error    "});
        testing::row("one column", "Num", QStringList{"Num"});
    }

    void headingLineSplitsExactly()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, headings);
        GridModel grid;
        grid.setHeadingLine(line);
        QCOMPARE(grid.cols(), headings.size());
        for (int c = 0; c < headings.size(); ++c) {
            QCOMPARE(grid.heading(c), headings.at(c));
            QCOMPARE(grid.headerData(c, Qt::Horizontal).toString(), headings.at(c));
        }
    }

    void viewSeesRowsBelowTheHeading()
    {
        GridModel grid(2);
        grid.setText(1, 1, QStringLiteral("a"));
        grid.appendGridRow(QStringLiteral("2"));
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.data(grid.index(0, 1)).toString(), QStringLiteral("a"));
        QCOMPARE(grid.data(grid.index(1, 0)).toString(), QStringLiteral("2"));
        QVERIFY(!(grid.flags(grid.index(0, 1)) & Qt::ItemIsEditable));
    }

    void appendInsertRemove()
    {
        GridModel grid(2);
        grid.setText(1, 0, QStringLiteral("last"));
        grid.insertGridRow(1, QStringLiteral("IO  0"));
        grid.insertGridRow(2, QStringLiteral("IO  1"));
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.text(1, 0), QStringLiteral("IO  0"));
        QCOMPARE(grid.text(3, 0), QStringLiteral("last"));

        QSignalSpy removed(&grid, &QAbstractItemModel::rowsRemoved);
        QVERIFY(grid.removeGridRow(1));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(grid.text(1, 0), QStringLiteral("IO  1"));
        QVERIFY(!grid.removeGridRow(0));  // the heading row stays
        QVERIFY(!grid.removeGridRow(3));  // beyond the end
        grid.appendGridRow(QStringLiteral("x"));
        QCOMPARE(grid.text(grid.rows() - 1, 0), QStringLiteral("x"));
    }

    void lastRowBelowTheHeadingStays()
    {
        GridModel grid(1);
        QCOMPARE(grid.rows(), 2);
        QVERIFY(!grid.removeGridRow(1));
        QCOMPARE(grid.rows(), 2);
    }

    void renumberCountsFromRowOne()
    {
        GridModel grid(2);
        grid.appendGridRow();
        grid.appendGridRow();
        grid.renumber();
        QCOMPARE(grid.text(0, 0), QString());
        QCOMPARE(grid.text(1, 0), QStringLiteral("1"));
        QCOMPARE(grid.text(3, 0), QStringLiteral("3"));
    }

    void outsideCellsAreEmptyAndIgnored()
    {
        GridModel grid(2);
        grid.setHeadingLine(QStringLiteral("A|B"));
        grid.setText(0, 0, QStringLiteral("changed"));
        grid.setText(5, 0, QStringLiteral("x"));
        grid.setText(1, 2, QStringLiteral("x"));
        QCOMPARE(grid.heading(0), QStringLiteral("A"));
        QCOMPARE(grid.text(5, 0), QString());
        QCOMPARE(grid.text(1, -1), QString());
    }

    void setRowsGrowsAndCuts()
    {
        GridModel grid(3);
        grid.setRows(23);
        QCOMPARE(grid.rows(), 23);
        QCOMPARE(grid.rowCount(), 22);
        grid.setText(22, 2, QStringLiteral("y"));
        grid.setRows(2);
        QCOMPARE(grid.rows(), 2);
        grid.setRows(0);
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(grid.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGridModel)

#include "tst_grid_model.moc"
