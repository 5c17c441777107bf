#include "grid_view.h"
#include "io_map_frame.h"
#include "link_action.h"
#include "plc_link.h"
#include "scripted_prompts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QtTest>

// The I/O map table: its rows after the start-up preparation and its current cell, counted in
// grid rows, which never lands on the fixed "Address" column.
class TestIoMapFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void preparedRows();
    void currentCellInGridRows();
    void clickOnTheAddressColumnKeepsTheCurrentCell_data();
    void clickOnTheAddressColumnKeepsTheCurrentCell();
    void keyboardSkipsTheAddressColumn();

private:
    QPoint cellCentre(int gridRow, int col) const;

    PlcLink m_link;
    ScriptedPrompts m_prompts;
    RecordingProgress m_progress;
    TransferContext m_ctx{m_link, m_prompts, m_progress, nullptr};
    IoMapFrame *m_frame = nullptr;
};

void TestIoMapFrame::init()
{
    m_frame = new IoMapFrame(m_ctx);
    m_frame->prepare();
    m_frame->resize(600, 800);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestIoMapFrame::cleanup()
{
    delete m_frame;
}

QPoint TestIoMapFrame::cellCentre(int gridRow, int col) const
{
    return m_frame->table().visualRect(m_frame->map().index(gridRow - 1, col)).center();
}

void TestIoMapFrame::preparedRows()
{
    GridModel &map = m_frame->map();
    QCOMPARE(map.rows(), 23);
    QCOMPARE(m_frame->table().model()->rowCount(), 22);  // the heading row is the header
    for (int point = 0; point <= 20; ++point)
        QCOMPARE(map.text(point + 1, 0), QStringLiteral("IO  %1").arg(point));
    for (int col = 0; col < 3; ++col)
        QCOMPARE(map.text(22, col), QString());

    // The in-cell chooser: hidden, its three entries, rows tall enough for it.
    QComboBox &chooser = m_frame->chooser();
    QVERIFY(chooser.isHidden());
    QVERIFY(chooser.isEditable());
    QStringList entries;
    for (int i = 0; i < chooser.count(); ++i)
        entries.append(chooser.itemText(i));
    QCOMPARE(entries, (QStringList{"Input -X", "Output-Y", "Not use"}));
    QVERIFY(m_frame->table().verticalHeader()->defaultSectionSize() >= chooser.sizeHint().height());
}

void TestIoMapFrame::currentCellInGridRows()
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
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cellCentre(5, 2));
    QCOMPARE(table.currentGridRow(), 5);
    QCOMPARE(table.currentGridCol(), 2);
}

void TestIoMapFrame::clickOnTheAddressColumnKeepsTheCurrentCell_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("point row") << 3;
    QTest::newRow("empty last row") << 22;
}

void TestIoMapFrame::clickOnTheAddressColumnKeepsTheCurrentCell()
{
    QFETCH(int, row);
    GridView &table = m_frame->table();
    table.setCurrentCell(7, 1);
    QSignalSpy clicks(&table, &QAbstractItemView::clicked);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cellCentre(row, 0));
    QCOMPARE(table.currentGridRow(), 7);
    QCOMPARE(table.currentGridCol(), 1);
    QCOMPARE(clicks.size(), 0);
}

void TestIoMapFrame::keyboardSkipsTheAddressColumn()
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

QTEST_MAIN(TestIoMapFrame)
#include "tst_io_map_frame.moc"
