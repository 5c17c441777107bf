#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QTableView;

namespace plc {

class Prompts;
class TrafficModel;

// The "Traffic monitor" window: every exchange of every link while it is open, newest at the
// bottom, following the end unless the user has scrolled up. Closing it discards it, so a
// closed monitor costs the links nothing.
class TrafficMonitor : public QWidget {
    Q_OBJECT

public:
    explicit TrafficMonitor(Prompts &prompts, QWidget *parent = nullptr);

    TrafficModel &model() const { return *m_model; }
    QTableView &table() const { return *m_table; }

    // "Save as...": the rows shown, as CSV, into a file the user names; the line beside the
    // button then says where they went.
    void saveAs();

private:
    void followTheEnd();
    void batchRows();

    Prompts &m_prompts;
    TrafficModel *m_model;
    QTableView *m_table;
    QLabel *m_saved;  // "Saved to" the last file written
    bool m_following = true;
    QTimer m_paintPeriod;  // runs from one batch of rows shown until the next may be
};

}  // namespace plc
