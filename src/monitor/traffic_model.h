#pragma once

#include "exchange_feed.h"

#include <QAbstractTableModel>
#include <QString>
#include <deque>
#include <vector>

// The monitor's table: the last `capacity` exchanges of every link, one row each, oldest first,
// narrowed by a text filter. It listens to the links from its construction to its destruction.
class TrafficModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kDefaultCapacity = 10000;

    explicit TrafficModel(int capacity = kDefaultCapacity, QObject *parent = nullptr);

    // Keeps one more exchange; the oldest goes once the ring is full. Ignored while paused.
    // While rows are held, the exchange waits with the others for showHeldRows().
    void append(const ExchangeRecord &record);
    void clear();

    // A view that repaints now and then holds the rows back: exchanges wait as plain values,
    // and each showHeldRows() tells the views of them in one removal of the rows that leave the
    // ring and one insertion at the end, however many there are. Not holding shows them at once.
    void setHoldingRows(bool holding);
    void showHeldRows();
    bool hasHeldRows() const { return !m_held.empty(); }

    void setPaused(bool paused) { m_paused = paused; }
    bool isPaused() const { return m_paused; }

    // Rows with the text in any column (case ignored); the empty text shows every row.
    void setFilterText(const QString &text);
    const QString &filterText() const { return m_filter; }

    int capacity() const { return m_capacity; }
    // Exchanges kept, shown or not.
    int keptCount() const { return int(m_ring.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The first exchange is held back since the last showHeldRows().
    void rowsHeld();

private:
    const ExchangeRecord &record(quint64 sequence) const;
    bool matches(const ExchangeRecord &record) const;

    int m_capacity;
    bool m_paused = false;
    bool m_holding = false;
    std::deque<ExchangeRecord> m_held;  // not in the ring yet, oldest first
    QString m_filter;
    std::vector<ExchangeRecord> m_ring;  // grows to the capacity, then wraps
    std::size_t m_oldest = 0;            // where the oldest record lies in the ring
    quint64 m_oldestSequence = 0;        // every record ever kept has its own number
    std::deque<quint64> m_shown;         // the rows: sequence numbers, oldest first
};
