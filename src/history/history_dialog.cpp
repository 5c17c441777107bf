#include "history_dialog.h"

#include "history_file.h"
#include "history_filter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace plc {

namespace {

QComboBox *choiceBox(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

// The cells of a line: local time, port, action, file, result.
QStringList cellsOf(const HistoryEntry &entry)
{
    const QString port = entry.portNumber > 0
                             ? QStringLiteral("%1 (%2)").arg(entry.portText(), entry.device)
                             : entry.device;
    return {entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), port,
            entry.action, QDir::toNativeSeparators(entry.file), entry.resultText()};
}

}  // namespace

HistoryDialog::HistoryDialog(QWidget *parent)
    : QDialog(parent),
      m_port(choiceBox(QStringLiteral("portChoice"), this)),
      m_action(choiceBox(QStringLiteral("actionChoice"), this)),
      m_result(choiceBox(QStringLiteral("resultChoice"), this)),
      m_table(new QTableWidget(0, 5, this))
{
    setObjectName(QStringLiteral("historyDialog"));
    setWindowTitle(tr("History"));
    setModal(false);

    auto *choices = new QHBoxLayout;
    const std::pair<QString, QComboBox *> labelled[] = {
        {tr("Port:"), m_port}, {tr("Action:"), m_action}, {tr("Result:"), m_result}};
    for (const auto &[label, box] : labelled) {
        auto *form = new QFormLayout;
        form->addRow(label, box);
        choices->addLayout(form);
        connect(box, &QComboBox::currentIndexChanged, this, &HistoryDialog::showChosen);
    }
    choices->addStretch();

    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Time"), tr("Port"), tr("Action"), tr("File"), tr("Result")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *refreshButton = buttons->addButton(tr("Refresh"), QDialogButtonBox::ActionRole);
    refreshButton->setObjectName(QStringLiteral("refreshButton"));
    connect(refreshButton, &QPushButton::clicked, this, &HistoryDialog::refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(900, 480);
}

void HistoryDialog::refresh()
{
    m_lines = HistoryFile(historyFilePath()).read();
    QStringList ports, actions, results;
    for (const HistoryLine &line : std::as_const(m_lines)) {
        ports.append(line.entry.portText());
        actions.append(line.entry.action);
        results.append(line.entry.outcome);
    }
    // Filling the choices would show the table once per change.
    const QSignalBlocker portQuiet(m_port), actionQuiet(m_action), resultQuiet(m_result);
    fillChoice(m_port, ports);
    fillChoice(m_action, actions);
    fillChoice(m_result, results);
    showChosen();
}

void HistoryDialog::fillChoice(QComboBox *box, const QStringList &values)
{
    const QString chosen = box->currentData().toString();
    QStringList distinct = values;
    distinct.removeDuplicates();
    std::sort(distinct.begin(), distinct.end());
    box->clear();
    box->addItem(tr("All"), QString());
    for (const QString &value : std::as_const(distinct))
        box->addItem(value, value);
    // What was chosen stays chosen while the history still has it.
    box->setCurrentIndex(qMax(0, box->findData(chosen)));
}

void HistoryDialog::showChosen()
{
    HistoryFilter filter;
    filter.port = m_port->currentData().toString();
    filter.action = m_action->currentData().toString();
    filter.outcome = m_result->currentData().toString();
    const QList<HistoryLine> shown = filteredHistory(m_lines, filter);
    m_table->setRowCount(int(shown.size()));
    for (int row = 0; row < shown.size(); ++row) {
        const HistoryLine &line = shown.at(shown.size() - 1 - row);  // newest first
        const QString whole = QString::fromUtf8(line.text);
        const QStringList cells = cellsOf(line.entry);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(whole);
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
}

HistoryDialog *openHistoryDialog(QWidget *parent)
{
    auto *dialog = parent->findChild<HistoryDialog *>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = new HistoryDialog(parent);
    dialog->refresh();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

}  // namespace plc
