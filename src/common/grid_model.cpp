#include "grid_model.h"

#include "shown_words.h"

namespace plc {

GridModel::GridModel(int cols, QObject *parent) : QAbstractTableModel(parent), m_cols(qMax(1, cols))
{
    m_cells = {emptyRow(), emptyRow()};
    m_alignment = QList<Qt::Alignment>(m_cols, Qt::AlignLeft | Qt::AlignVCenter);
}

QStringList GridModel::emptyRow() const
{
    return QStringList(m_cols, QString());
}

QStringList columnNames(const QString &headingLine)
{
    QStringList names;
    const QStringList pieces = headingLine.split(QLatin1Char('|'));
    for (const QString &piece : pieces)
        names.append(piece.trimmed());
    return names;
}

void GridModel::setHeadingLine(const QString &line)
{
    const QStringList pieces = line.split(QLatin1Char('|'));
    beginResetModel();
    m_cols = int(pieces.size());
    for (QStringList &row : m_cells)
        row.resize(m_cols);
    m_cells[0] = pieces;
    m_alignment.resize(m_cols, Qt::AlignLeft | Qt::AlignVCenter);
    endResetModel();
}

QString GridModel::heading(int col) const
{
    return text(0, col);
}

void GridModel::setHeadingToolTips(const QStringList &tips)
{
    m_headingTips = tips;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
}

void GridModel::setRows(int rows)
{
    rows = qMax(1, rows);
    const int old = this->rows();
    if (rows > old) {
        beginInsertRows(QModelIndex(), old - 1, rows - 2);
        while (m_cells.size() < rows)
            m_cells.append(emptyRow());
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows(QModelIndex(), rows - 1, old - 2);
        m_cells.resize(rows);
        endRemoveRows();
    }
}

QString GridModel::text(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= m_cols)
        return QString();
    return m_cells.at(row).at(col);
}

void GridModel::setText(int row, int col, const QString &text)
{
    if (row < 1 || row >= rows() || col < 0 || col >= m_cols)
        return;
    m_cells[row][col] = text;
    const QModelIndex changed = index(row - 1, col);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

void GridModel::appendGridRow(const QString &firstCell)
{
    insertGridRow(rows(), firstCell);
}

void GridModel::insertGridRow(int row, const QString &firstCell)
{
    row = qBound(1, row, rows());
    beginInsertRows(QModelIndex(), row - 1, row - 1);
    QStringList cells = emptyRow();
    cells[0] = firstCell;
    m_cells.insert(row, cells);
    endInsertRows();
}

bool GridModel::removeGridRow(int row)
{
    if (row < 1 || row >= rows() || rows() <= 2)
        return false;
    beginRemoveRows(QModelIndex(), row - 1, row - 1);
    m_cells.removeAt(row);
    endRemoveRows();
    return true;
}

void GridModel::renumber()
{
    for (int row = 1; row < rows(); ++row)
        m_cells[row][0] = QString::number(row);
    if (rows() > 1)
        Q_EMIT dataChanged(index(0, 0), index(rows() - 2, 0), {Qt::DisplayRole});
}

QList<QStringList> GridModel::dataRows() const
{
    QList<QStringList> data;
    for (int row = 1; row < rows() - 1; ++row) {
        QStringList cells = m_cells.at(row).mid(1);
        if (m_lastColumnOptional && !cells.isEmpty() && cells.constLast().isEmpty())
            cells.removeLast();
        data.append(cells);
    }
    return data;
}

void GridModel::setDataRows(const QList<QStringList> &data)
{
    setRows(1);
    setRows(int(data.size()) + 2);
    for (int row = 1; row <= data.size(); ++row) {
        const QStringList &cells = data.at(row - 1);
        for (int col = 1; col < m_cols && col <= cells.size(); ++col)
            m_cells[row][col] = cells.at(col - 1);
    }
    renumber();
    Q_EMIT dataChanged(index(0, 0), index(rows() - 2, m_cols - 1), {Qt::DisplayRole});
}

void GridModel::showUploadedRows(const QList<QStringList> &data)
{
    while (rows() > 2)
        removeGridRow(2);
    centreAllColumns();
    for (int i = 0; i < data.size(); ++i) {
        // Each appended row shows its own row number; the last one stays as the entry row.
        appendGridRow(QString::number(rows()));
        setText(i + 1, 0, QString::number(i + 1));
        const QStringList &cells = data.at(i);
        for (int c = 0; c < cells.size(); ++c)
            setText(i + 1, c + 1, cells.at(c));
    }
}

void GridModel::setColumnAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_alignment[col] = alignment;
    if (rows() > 1)
        Q_EMIT dataChanged(index(0, col), index(rows() - 2, col), {Qt::TextAlignmentRole});
}

void GridModel::centreAllColumns()
{
    for (int col = 0; col < m_cols; ++col)
        setColumnAlignment(col, Qt::AlignCenter);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows() - 1;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignment.value(index.column()));
    return QVariant();
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return shownHeading(heading(section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignment.value(section));
    if (role == Qt::ToolTipRole && section < m_headingTips.size())
        return m_headingTips.at(section);
    return QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace plc
