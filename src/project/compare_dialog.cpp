#include "compare_dialog.h"

#include "row_name.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plc {

namespace {

// A point of the I/O map is named by its number, a table's row by its row.
QString rowText(const Difference &difference)
{
    if (difference.row == 0)
        return QString();
    if (difference.part == ProjectPart::IoMap)
        return QStringLiteral("IO %1").arg(difference.row - 1);
    return namedRowText(difference.row, difference.rowName);
}

}  // namespace

CompareDialog::CompareDialog(const QString &title, const QList<Difference> &differences,
                             const QString &otherName, bool canWrite, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    const QString count = differences.isEmpty()     ? tr("No differences")
                          : differences.size() == 1 ? tr("1 difference")
                                                    : tr("%1 differences").arg(differences.size());
    auto *summary = new QLabel(count, this);
    summary->setObjectName(QStringLiteral("compareSummary"));
    layout->addWidget(summary);

    m_table = new QTableWidget(int(differences.size()), 5, this);
    m_table->setObjectName(QStringLiteral("differenceTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Part"), tr("Row"), tr("Column"), tr("Window"), otherName});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < differences.size(); ++i) {
        const Difference &d = differences.at(i);
        const Difference shown = shownDifference(d);
        const QString cells[] = {partCaption(d.part), rowText(d), shown.column, shown.left,
                                 shown.right};
        for (int col = 0; col < 5; ++col)
            m_table->setItem(i, col, new QTableWidgetItem(cells[col]));
        m_table->item(i, 1)->setToolTip(d.rowName);
    }
    m_table->resizeColumnsToContents();
    m_table->setVisible(!differences.isEmpty());
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(this);
    if (!differences.isEmpty()) {
        if (canWrite) {
            QPushButton *write =
                buttons->addButton(tr("Write the differing parts"), QDialogButtonBox::ActionRole);
            write->setObjectName(QStringLiteral("writeDifferingButton"));
            connect(write, &QPushButton::clicked, this, [this] { choose(Choice::WriteDiffering); });
        }
        QPushButton *take = buttons->addButton(
            canWrite ? tr("Take the controller's values") : tr("Take the file's values"),
            QDialogButtonBox::ActionRole);
        take->setObjectName(QStringLiteral("takeOtherButton"));
        connect(take, &QPushButton::clicked, this, [this] { choose(Choice::TakeOther); });
    }
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, [this] { choose(Choice::Close); });
    layout->addWidget(buttons);
    resize(720, differences.isEmpty() ? 120 : 420);
}

void CompareDialog::choose(Choice choice)
{
    m_choice = choice;
    if (choice == Choice::Close)
        reject();
    else
        accept();
}

}  // namespace plc
