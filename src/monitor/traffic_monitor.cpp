#include "traffic_monitor.h"

#include "csv_file.h"
#include "exchange_text.h"
#include "failure.h"
#include "prompts.h"
#include "recent_files.h"
#include "traffic_model.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace plc {

namespace {

// Rows are costly to insert and lay out: the table takes them in at most this often while
// exchanges pour in.
constexpr int kPaintPeriodMs = 100;

// Starting widths in characters; the data column takes what is left.
constexpr int kColumnChars[exchangetext::kColumns] = {12, 20, 30, 22, 8, 8, 6, 0, 9, 12};

QPushButton *button(QWidget *parent, const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TrafficMonitor::TrafficMonitor(Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_prompts(prompts),
      m_model(new TrafficModel(TrafficModel::kDefaultCapacity, this)),
      m_table(new QTableView(this)),
      m_saved(new QLabel(this))
{
    setObjectName(QStringLiteral("TrafficMonitor"));
    setWindowTitle(tr("Traffic monitor"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *pause = button(this, tr("Pause"), QStringLiteral("pauseButton"));
    pause->setCheckable(true);
    auto *clear = button(this, tr("Clear"), QStringLiteral("clearButton"));
    auto *filter = new QLineEdit(this);
    filter->setObjectName(QStringLiteral("filterText"));
    filter->setPlaceholderText(tr("Filter"));
    filter->setClearButtonEnabled(true);
    // "n of m": the rows the filter lets through, of all those kept.
    auto *count = new QLabel(this);
    count->setObjectName(QStringLiteral("filterCount"));
    const auto showCount = [this, count] {
        count->setText(tr("%1 of %2").arg(m_model->rowCount()).arg(m_model->keptCount()));
    };
    connect(m_model, &TrafficModel::countsChanged, count, showCount);
    showCount();
    auto *save = button(this, tr("Save as..."), QStringLiteral("saveAsButton"));
    m_saved->setObjectName(QStringLiteral("savedNote"));
    m_saved->setMinimumWidth(1);  // a long path is cut short rather than widen the window
    connect(pause, &QPushButton::toggled, m_model, &TrafficModel::setPaused);
    connect(clear, &QPushButton::clicked, m_model, &TrafficModel::clear);
    connect(filter, &QLineEdit::textChanged, m_model, &TrafficModel::setFilterText);
    connect(save, &QPushButton::clicked, this, &TrafficMonitor::saveAs);

    m_table->setObjectName(QStringLiteral("trafficTable"));
    // Before the view hears of it: the cursor on a row that leaves the ring would move to the
    // next row and drag the view up there.
    connect(m_model, &TrafficModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                const int row = m_table->currentIndex().row();
                if (row >= first && row <= last)
                    m_table->selectionModel()->clearCurrentIndex();
            });
    m_table->setModel(m_model);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One scroll step per row, so that a row leaving the top is one step back.
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Rows of one height: no row is measured, however many arrive.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // A selected row marks every heading bold, which cut the longer ones short: no marks, and
    // every column as wide as its bold heading at least.
    QHeaderView *headings = m_table->horizontalHeader();
    headings->setHighlightSections(false);
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < exchangetext::kColumns; ++c) {
        if (kColumnChars[c] > 0)
            m_table->setColumnWidth(
                c, qMax(kColumnChars[c] * charWidth, headings->sectionSizeHint(c)));
    }
    headings->setSectionResizeMode(exchangetext::Data, QHeaderView::Stretch);
    followTheEnd();
    batchRows();

    auto *bar = new QHBoxLayout;
    bar->addWidget(pause);
    bar->addWidget(clear);
    bar->addWidget(filter, 1);
    bar->addWidget(count);
    bar->addWidget(m_saved);
    bar->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_table);
    resize(1100, 420);
}

void TrafficMonitor::followTheEnd()
{
    QScrollBar *scroll = m_table->verticalScrollBar();
    connect(scroll, &QScrollBar::valueChanged, this,
            [this, scroll](int value) { m_following = value == scroll->maximum(); });
    // New rows widen the range: at the end, stay at the end.
    connect(scroll, &QScrollBar::rangeChanged, this, [this, scroll](int, int maximum) {
        if (m_following)
            scroll->setValue(maximum);
    });
    // Scrolled up while the oldest row goes: the rows being read stay where they are.
    connect(m_model, &TrafficModel::rowsRemoved, this,
            [this, scroll](const QModelIndex &, int first, int last) {
                if (!m_following && first == 0)
                    scroll->setValue(scroll->value() - (last + 1));
            });
}

void TrafficMonitor::batchRows()
{
    m_model->setHoldingRows(true);
    m_paintPeriod.setSingleShot(true);
    // The first exchange after a quiet spell shows at the next turn of the loop, the ones after
    // it together at the end of the period, so the table lays out and paints once per batch.
    connect(m_model, &TrafficModel::rowsHeld, this, [this] {
        if (!m_paintPeriod.isActive())
            m_paintPeriod.start(0);
    });
    connect(&m_paintPeriod, &QTimer::timeout, this, [this] {
        if (!m_model->hasHeldRows())
            return;  // a quiet spell begins
        m_model->showHeldRows();
        m_paintPeriod.start(kPaintPeriodMs);
    });
}

void TrafficMonitor::saveAs()
{
    // The monitor stays usable while a transfer waits for the controller: its dialogs must
    // not hold the transfer until they close. The rows are those shown when the name is given.
    m_prompts.saveFileNameLater(
        this, tr("Save as"), recentfiles::dialogFolder(), tr("CSV files (*.csv)"),
        QStringLiteral("csv"), [this](const QString &path) {
            try {
                csv::save(path, *m_model);
            } catch (const Failure &f) {
                m_saved->clear();
                m_prompts.messageLater(this, f.description());
                return;
            }
            m_saved->setText(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
        });
}

}  // namespace plc
