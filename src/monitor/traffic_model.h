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
    void append(const ExchangeRecord &record);
    void clear();

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

private:
    const ExchangeRecord &record(quint64 sequence) const;
    bool matches(const ExchangeRecord &record) const;
    void showRow(quint64 sequence);

    int m_capacity;
    bool m_paused = false;
    QString m_filter;
    std::vector<ExchangeRecord> m_ring;  // grows to the capacity, then wraps
    std::size_t m_oldest = 0;            // where the oldest record lies in the ring
    quint64 m_oldestSequence = 0;        // every record ever kept has its own number
    std::deque<quint64> m_shown;         // the rows: sequence numbers, oldest first
};
