#include "grid_view.h"
#include "io_map_frame.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace plc;

// The I/O map frame on screen: its rows after the start-up preparation, its current cell
// counted in grid rows, the chooser, and the buttons wired to the map and the controller.
class TestIoMapFrame : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TransferTest::init();
        m_frame = new IoMapFrame(m_f->ctx);
        m_frame->prepare();
        m_frame->resize(600, 800);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    }

    void cleanup()
    {
        delete m_frame;
        TransferTest::cleanup();
    }

    void preparedRows()
    {
        IoTable &map = m_frame->map();
        QCOMPARE(map.rows(), 23);
        QCOMPARE(m_frame->table().model()->rowCount(), 22);  // the heading row is the header
        for (int point = 0; point <= 20; ++point)
            QCOMPARE(map.text(point + 1, 0), QStringLiteral("IO  %1").arg(point));
        QCOMPARE(cells(), QStringList(22, "|"));
        QVERIFY(!openChooser());
        // Rows tall enough for the chooser.
        clickCell(1, 1);
        QVERIFY(m_frame->table().verticalHeader()->defaultSectionSize() >=
                openChooser()->sizeHint().height());
    }

    void currentCellInGridRows()
    {
        GridView &table = m_frame->table();
        // Like the table it replaces, it starts on the first Function cell once it has the focus.
        table.setFocus();
        QCOMPARE(table.currentGridRow(), 1);
        QCOMPARE(table.currentGridCol(), 1);
        table.setCurrentCell(21, 1);
        QCOMPARE(table.currentGridRow(), 21);
        QCOMPARE(table.currentGridCol(), 1);
        QCOMPARE(table.currentIndex().row(), 20);
        table.setCurrentCell(23, 1);  // beyond the table: nothing changes
        table.setCurrentCell(0, 2);   // the heading row cannot become current
        QCOMPARE(table.currentGridRow(), 21);
        clickCell(5, 2);
        QCOMPARE(table.currentGridRow(), 5);
        QCOMPARE(table.currentGridCol(), 2);
    }

    void clickOnTheAddressColumnKeepsTheCurrentCell_data()
    {
        QTest::addColumn<int>("row");
        testing::row("point row", 3);
        testing::row("empty last row", 22);
    }

    void clickOnTheAddressColumnKeepsTheCurrentCell()
    {
        QFETCH(int, row);
        GridView &table = m_frame->table();
        table.setCurrentCell(7, 1);
        QSignalSpy clicks(&table, &QAbstractItemView::clicked);
        clickCell(row, 0);
        QCOMPARE(table.currentGridRow(), 7);
        QCOMPARE(table.currentGridCol(), 1);
        QCOMPARE(clicks.size(), 0);
    }

    void keyboardSkipsTheAddressColumn()
    {
        GridView &table = m_frame->table();
        table.setFocus();
        table.setCurrentCell(4, 1);
        QTest::keyClick(&table, Qt::Key_Left);
        QCOMPARE(table.currentGridCol(), 1);
        QTest::keyClick(&table, Qt::Key_Home);
        QCOMPARE(table.currentGridCol(), 1);
        QTest::keyClick(&table, Qt::Key_Down);
        QCOMPARE(table.currentGridRow(), 5);
    }

    void chooserOpensOnlyOnFunctionCells_data()
    {
        testing::columns<int, int, bool>({"row", "col", "opens"});
        testing::row("Function of point 0", 1, 1, true);
        testing::row("Function of point 20", 21, 1, true);
        testing::row("Prog.name", 5, 2, false);
        testing::row("Address", 5, 0, false);
        testing::row("Function of the empty last row", 22, 1, false);
    }

    void chooserOpensOnlyOnFunctionCells()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(bool, opens);
        // The Function column made wider by hand: the chooser follows it.
        m_frame->table().setColumnWidth(1, 140);
        m_frame->map().setText(row, col, "Output -Y");
        clickCell(row, col);
        QComboBox *chooser = openChooser();
        QCOMPARE(chooser != nullptr, opens);
        if (!opens)
            return;
        QVERIFY(chooser->isVisible());
        QVERIFY(chooser->isEditable());
        QCOMPARE(chooser->currentText(), "Output -Y");  // starts with the cell's text
        QCOMPARE(chooser->geometry(),
                 m_frame->table().visualRect(m_frame->map().index(row - 1, 1)));
        QStringList entries;
        for (int i = 0; i < chooser->count(); ++i)
            entries.append(chooser->itemText(i));
        QCOMPARE(entries, (QStringList{"Input -X", "Output-Y", "Not use"}));
        // Leaving it without a choice changes nothing.
        clickCell(row, 2);
        QTRY_VERIFY(!openChooser());
        QCOMPARE(m_frame->map().text(row, 1), "Output -Y");
    }

    void choicesThroughTheChooser()
    {
        choose(0, 0);
        choose(1, 1);
        choose(3, 0);  // below the next free row: only its text
        choose(2, 0);
        QStringList expected(22, "|");
        expected[0] = "Input -X|X0";
        expected[1] = "Output-Y|Y0";
        expected[2] = "Input -X|X1";
        expected[3] = "Input -X|";
        QCOMPARE(cells(), expected);
        QCOMPARE(m_frame->state().pointTypes, (PointBytes{1, 2, 1}));
        QCOMPARE(m_frame->table().currentGridRow(), 3);
        QCOMPARE(m_frame->table().currentGridCol(), 1);
    }

    void clickAfterAChoiceOpensTheChooser_data()
    {
        testing::boolColumn("keyboard", "chosen with the mouse",
                            "chosen with Alt+Down, Down and Enter");
    }

    void clickAfterAChoiceOpensTheChooser()
    {
        QFETCH(bool, keyboard);
        if (keyboard) {
            clickCell(1, 1);
            QTest::keyClick(openChooser(), Qt::Key_Down, Qt::AltModifier);
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return})
                QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), key);
        } else {
            choose(0, 1);
        }
        QTRY_VERIFY(!openChooser());
        QCOMPARE(m_frame->map().text(1, 1), "Output-Y");
        clickCell(1, 1);
        QVERIFY(openChooser());
    }

    void keyboardAlone_data()
    {
        testing::columns<int, int>({"key", "modifiers"});
        testing::row("F2", int(Qt::Key_F2), 0);
        testing::row("Return", int(Qt::Key_Return), 0);
        testing::row("keypad Enter", int(Qt::Key_Enter), int(Qt::KeypadModifier));
        testing::row("Space", int(Qt::Key_Space), 0);
        testing::row("Alt+Down", int(Qt::Key_Down), int(Qt::AltModifier));
    }

    void keyboardAlone()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        GridView &table = m_frame->table();
        table.setCurrentCell(1, 1);
        // The list opens on the cell's entry: Down picks "Output-Y" in the empty cell, then moves
        // on to "Not use", which Escape leaves unchosen.
        for (Qt::Key last : {Qt::Key_Return, Qt::Key_Escape}) {
            QTest::keyClick(&table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY(openChooser());
            QTRY_VERIFY(QApplication::activePopupWidget());
            for (Qt::Key inList : {Qt::Key_Down, last})
                QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), inList);
            QTRY_VERIFY(!openChooser());
            QCOMPARE(m_frame->map().text(1, 1), "Output-Y");
            QCOMPARE(m_frame->focusWidget(), &table);  // the next key goes to the table
        }
    }

    void buttons()
    {
        m_f->sim.plc.pokeIoBlock(QByteArray::fromHex("0300020004000000"));
        click("ioUploadButton");  // "Upload from PLC"
        QStringList expected(22, "|");
        expected[0] = "Input -X|X0";
        expected[1] = "Input -X|X1";
        expected[2] = "Output -Y|Y0";
        expected[17] = "Input -X|X2";
        QCOMPARE(cells(), expected);

        click("ioDownloadButton");  // "Download to PLC"
        QCOMPARE(m_f->prompts.shown.size(), 0);
        QCOMPARE(m_f->sim.plc.frames("E11").at(1).data, "0300020004000000");

        click("newIoConfigButton");  // "New IO config": empty cells, not "Not use"
        QCOMPARE(cells(), QStringList(22, "|"));
        QCOMPARE(m_frame->state(), IoMap());
        QCOMPARE(m_frame->table().currentGridRow(), 21);
        QCOMPARE(m_frame->table().currentGridCol(), 1);
        QVERIFY(!m_f->link.isOpen());
    }

private:
    QPoint cellCentre(int gridRow, int col) const
    {
        return m_frame->table().visualRect(m_frame->map().index(gridRow - 1, col)).center();
    }

    void clickCell(int gridRow, int col) const
    {
        QTest::mouseClick(m_frame->table().viewport(), Qt::LeftButton, {},
                          cellCentre(gridRow, col));
    }

    QComboBox *openChooser() const { return m_frame->table().findChild<QComboBox *>("ioChooser"); }

    // Opens the chooser on a point's Function cell and picks an entry from its list.
    void choose(int point, int entry) const
    {
        clickCell(point + 1, 1);
        QComboBox *chooser = openChooser();
        QVERIFY(chooser);
        QAbstractItemView *list = chooser->view();
        chooser->showPopup();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(entry, 0)).center());
        QTRY_VERIFY(!openChooser());  // gone once the choice is made
    }

    // The texts of the Function and Prog.name cells of rows 1 to 22.
    QStringList cells() const
    {
        QStringList texts;
        for (int row = 1; row <= 22; ++row)
            texts.append(m_frame->map().text(row, 1) + "|" + m_frame->map().text(row, 2));
        return texts;
    }

    void click(const char *button) const { m_frame->findChild<QPushButton *>(button)->click(); }

    IoMapFrame *m_frame = nullptr;
};

QTEST_MAIN(TestIoMapFrame)

#include "tst_io_map_frame.moc"
