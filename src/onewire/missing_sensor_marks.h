#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QStyledItemDelegate;

namespace plc {

class GridView;

// Marks the sensor rows a bus search did not find: their texts grey and slanted, and "not
// found" as their tool tip, until the table is next changed or the marks are replaced.
class MissingSensorMarks : public QObject {
    Q_OBJECT

public:
    explicit MissingSensorMarks(GridView &view);

    // Marks these table rows (from 1), and no others.
    void mark(const QList<int> &rows);
    void clear();
    // The rows marked, from 1.
    const QList<int> &rows() const { return m_rows; }

private:
    GridView &m_view;
    QStyledItemDelegate *m_delegate = nullptr;
    QList<int> m_rows;
};

}  // namespace plc
