#pragma once

#include "exchange_feed.h"

#include <QAbstractTableModel>
#include <QString>
#include <deque>
#include <map>
#include <vector>

namespace plc {

// The monitor's table: the last `capacity` exchanges of every link, one row each, oldest first,
// narrowed by a text filter. It listens to the links from its construction to its destruction.
class TrafficModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kDefaultCapacity = 10000;

    explicit TrafficModel(int capacity = kDefaultCapacity, QObject *parent = nullptr);

    // Keeps one more exchange; the oldest goes once the ring is full. While paused it is only
    // counted, and resuming keeps one row saying how many were not recorded.
    // While rows are held, the exchange waits with the others for showHeldRows().
    void append(const ExchangeRecord &record);
    void clear();

    // A view that repaints now and then holds the rows back: exchanges wait as plain values,
    // and each showHeldRows() tells the views of them in one removal of the rows that leave the
    // ring and one insertion at the end, however many there are. Not holding shows them at once.
    void setHoldingRows(bool holding);
    void showHeldRows();
    bool hasHeldRows() const { return !m_held.empty(); }

    void setPaused(bool paused);

    // Rows with the text in any column (case ignored); the empty text shows every row.
    void setFilterText(const QString &text);
    const QString &filterText() const { return m_filter; }

    int capacity() const { return m_capacity; }
    // Rows kept (exchanges and the rows that stand for a pause), shown or not.
    int keptCount() const { return int(m_ring.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The first exchange is held back since the last showHeldRows().
    void rowsHeld();
    // Rows were kept, shown or cleared: rowCount() or keptCount() may differ. Once per batch.
    void countsChanged();

private:
    // An exchange waiting to join the ring, or the row of a pause (`missed` exchanges).
    struct Held {
        ExchangeRecord record;
        int missed = 0;
    };

    void hold(Held held);
    const ExchangeRecord &record(quint64 sequence) const;
    QString text(quint64 sequence, int column) const;
    bool matches(quint64 sequence) const;

    int m_capacity;
    bool m_paused = false;
    bool m_holding = false;
    int m_missed = 0;                 // exchanges that came while paused
    std::deque<Held> m_held;          // not in the ring yet, oldest first
    std::map<quint64, int> m_pauses;  // the rows of pauses in the ring: exchanges not recorded
    QString m_filter;
    std::vector<ExchangeRecord> m_ring;  // grows to the capacity, then wraps
    std::size_t m_oldest = 0;            // where the oldest record lies in the ring
    quint64 m_oldestSequence = 0;        // every record ever kept has its own number
    std::deque<quint64> m_shown;         // the rows: sequence numbers, oldest first
};

}  // namespace plc
