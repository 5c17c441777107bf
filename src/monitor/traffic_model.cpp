#include "traffic_model.h"

#include "exchange_text.h"

#include <algorithm>

TrafficModel::TrafficModel(int capacity, QObject *parent)
    : QAbstractTableModel(parent), m_capacity(qMax(1, capacity))
{
    connect(&ExchangeFeed::instance(), &ExchangeFeed::finished, this, &TrafficModel::append);
}

const ExchangeRecord &TrafficModel::record(quint64 sequence) const
{
    return m_ring[(m_oldest + std::size_t(sequence - m_oldestSequence)) % m_ring.size()];
}

bool TrafficModel::matches(const ExchangeRecord &record) const
{
    if (m_filter.isEmpty())
        return true;
    for (int column = 0; column < exchangetext::kColumns; ++column) {
        if (exchangetext::column(record, column).contains(m_filter, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void TrafficModel::append(const ExchangeRecord &incoming)
{
    if (m_paused)
        return;
    if (m_held.size() == std::size_t(m_capacity))
        m_held.pop_front();  // it would leave the ring with the next ones anyway
    m_held.push_back(incoming);
    if (!m_holding)
        showHeldRows();
    else if (m_held.size() == 1)
        Q_EMIT rowsHeld();
}

void TrafficModel::setHoldingRows(bool holding)
{
    m_holding = holding;
    if (!holding)
        showHeldRows();
}

void TrafficModel::showHeldRows()
{
    if (m_held.empty())
        return;
    const std::size_t room = std::size_t(m_capacity) - m_ring.size();
    const std::size_t leaving = m_held.size() > room ? m_held.size() - room : 0;
    // The rows of the records that make way leave first, in one piece: the oldest rows.
    const auto gone = std::lower_bound(m_shown.begin(), m_shown.end(), m_oldestSequence + leaving);
    if (gone != m_shown.begin()) {
        beginRemoveRows(QModelIndex(), 0, int(gone - m_shown.begin()) - 1);
        m_shown.erase(m_shown.begin(), gone);
        endRemoveRows();
    }
    std::vector<quint64> added;
    for (ExchangeRecord &incoming : m_held) {
        if (m_ring.size() < std::size_t(m_capacity)) {
            m_ring.push_back(std::move(incoming));
        } else {
            m_ring[m_oldest] = std::move(incoming);
            m_oldest = (m_oldest + 1) % m_ring.size();
            ++m_oldestSequence;
        }
        const quint64 sequence = m_oldestSequence + m_ring.size() - 1;
        if (matches(record(sequence)))
            added.push_back(sequence);
    }
    m_held.clear();
    if (added.empty())
        return;
    const int first = int(m_shown.size());
    beginInsertRows(QModelIndex(), first, first + int(added.size()) - 1);
    m_shown.insert(m_shown.end(), added.begin(), added.end());
    endInsertRows();
}

void TrafficModel::clear()
{
    beginResetModel();
    m_oldestSequence += m_ring.size();
    m_ring.clear();
    m_oldest = 0;
    m_shown.clear();
    m_held.clear();
    endResetModel();
}

void TrafficModel::setFilterText(const QString &text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    m_shown.clear();
    for (quint64 s = m_oldestSequence; s < m_oldestSequence + m_ring.size(); ++s) {
        if (matches(record(s)))
            m_shown.push_back(s);
    }
    endResetModel();
}

int TrafficModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int TrafficModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : exchangetext::kColumns;
}

QVariant TrafficModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return exchangetext::column(record(m_shown[std::size_t(index.row())]), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == exchangetext::AnswerMs)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    return exchangetext::heading(section);
}
