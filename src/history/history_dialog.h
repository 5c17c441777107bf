#pragma once

#include "history_entry.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QTableWidget;

namespace plc {

// "History": this user's writes to controllers, newest first, with a choice of port, action and
// result. It does not hold the window: it stays open beside it.
class HistoryDialog : public QDialog {
    Q_OBJECT

public:
    explicit HistoryDialog(QWidget *parent = nullptr);

    // Reads the history file again and shows it as the choices say.
    void refresh();

private:
    void showChosen();
    void fillChoice(QComboBox *box, const QStringList &values);

    QComboBox *m_port;
    QComboBox *m_action;
    QComboBox *m_result;
    QTableWidget *m_table;
    QList<HistoryLine> m_lines;  // as read, oldest first
};

// Opens the parent's history dialog, made on first use, refreshed each time it opens.
HistoryDialog *openHistoryDialog(QWidget *parent);

}  // namespace plc
