#include "traffic_model.h"

#include "exchange_text.h"

#include <algorithm>
#include <utility>

namespace plc {

TrafficModel::TrafficModel(int capacity, QObject *parent)
    : QAbstractTableModel(parent), m_capacity(qMax(1, capacity))
{
    connect(&ExchangeFeed::instance(), &ExchangeFeed::finished, this, &TrafficModel::append);
}

const ExchangeRecord &TrafficModel::record(quint64 sequence) const
{
    return m_ring[(m_oldest + std::size_t(sequence - m_oldestSequence)) % m_ring.size()];
}

QString TrafficModel::text(quint64 sequence, int column) const
{
    if (!m_pauses.empty()) {
        const auto pause = m_pauses.find(sequence);
        if (pause != m_pauses.end())
            return exchangetext::pauseColumn(record(sequence), pause->second, column);
    }
    return exchangetext::column(record(sequence), column);
}

bool TrafficModel::matches(quint64 sequence) const
{
    if (m_filter.isEmpty())
        return true;
    for (int column = 0; column < exchangetext::kColumns; ++column) {
        if (text(sequence, column).contains(m_filter, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void TrafficModel::append(const ExchangeRecord &incoming)
{
    if (m_paused) {
        ++m_missed;
        return;
    }
    hold({incoming, 0});
}

void TrafficModel::hold(Held held)
{
    if (m_held.size() == std::size_t(m_capacity))
        m_held.pop_front();  // it would leave the ring with the next ones anyway
    m_held.push_back(std::move(held));
    if (!m_holding)
        showHeldRows();
    else if (m_held.size() == 1)
        Q_EMIT rowsHeld();
}

void TrafficModel::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused || m_missed == 0)
        return;
    // One row, at the time of resuming, for all that went by.
    ExchangeRecord resumed;
    resumed.sentAt = QDateTime::currentDateTime();
    hold({std::move(resumed), std::exchange(m_missed, 0)});
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
    for (Held &incoming : m_held) {
        if (m_ring.size() < std::size_t(m_capacity)) {
            m_ring.push_back(std::move(incoming.record));
        } else {
            m_ring[m_oldest] = std::move(incoming.record);
            m_oldest = (m_oldest + 1) % m_ring.size();
            ++m_oldestSequence;
        }
        const quint64 sequence = m_oldestSequence + m_ring.size() - 1;
        if (incoming.missed > 0)
            m_pauses.emplace(sequence, incoming.missed);
        if (matches(sequence))
            added.push_back(sequence);
    }
    m_held.clear();
    while (!m_pauses.empty() && m_pauses.begin()->first < m_oldestSequence)
        m_pauses.erase(m_pauses.begin());
    if (!added.empty()) {
        const int first = int(m_shown.size());
        beginInsertRows(QModelIndex(), first, first + int(added.size()) - 1);
        m_shown.insert(m_shown.end(), added.begin(), added.end());
        endInsertRows();
    }
    Q_EMIT countsChanged();
}

void TrafficModel::clear()
{
    beginResetModel();
    m_oldestSequence += m_ring.size();
    m_ring.clear();
    m_oldest = 0;
    m_shown.clear();
    m_held.clear();
    m_pauses.clear();
    m_missed = 0;
    endResetModel();
    Q_EMIT countsChanged();
}

void TrafficModel::setFilterText(const QString &text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    m_shown.clear();
    for (quint64 s = m_oldestSequence; s < m_oldestSequence + m_ring.size(); ++s) {
        if (matches(s))
            m_shown.push_back(s);
    }
    endResetModel();
    Q_EMIT countsChanged();
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
    const int column = index.column();
    if (role == Qt::DisplayRole)
        return text(m_shown[std::size_t(index.row())], column);
    // The long texts are cut short in their cells: whole, they show on hovering.
    if (role == Qt::ToolTipRole &&
        (column == exchangetext::Request || column == exchangetext::Answer ||
         column == exchangetext::Data)) {
        const QString whole = text(m_shown[std::size_t(index.row())], column);
        return whole.isEmpty() ? QVariant() : QVariant(whole);
    }
    if (role == Qt::TextAlignmentRole && column == exchangetext::AnswerMs)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    return exchangetext::heading(section);
}

}  // namespace plc
