#include "traffic_model.h"

#include "exchange_text.h"

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

void TrafficModel::showRow(quint64 sequence)
{
    const int row = int(m_shown.size());
    beginInsertRows(QModelIndex(), row, row);
    m_shown.push_back(sequence);
    endInsertRows();
}

void TrafficModel::append(const ExchangeRecord &incoming)
{
    if (m_paused)
        return;
    if (m_ring.size() < std::size_t(m_capacity)) {
        m_ring.push_back(incoming);
    } else {
        if (!m_shown.empty() && m_shown.front() == m_oldestSequence) {
            beginRemoveRows(QModelIndex(), 0, 0);
            m_shown.pop_front();
            endRemoveRows();
        }
        m_ring[m_oldest] = incoming;
        m_oldest = (m_oldest + 1) % m_ring.size();
        ++m_oldestSequence;
    }
    const quint64 sequence = m_oldestSequence + m_ring.size() - 1;
    if (matches(incoming))
        showRow(sequence);
}

void TrafficModel::clear()
{
    beginResetModel();
    m_oldestSequence += m_ring.size();
    m_ring.clear();
    m_oldest = 0;
    m_shown.clear();
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
