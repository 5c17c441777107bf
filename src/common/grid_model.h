#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace plc {

// The column names of a heading line such as "Num | Byte 0 | Dxxxx ": its pieces, trimmed.
QStringList columnNames(const QString &headingLine);

// The text of one of the window's tables. Row 0 is the heading row and counts in rows(),
// as in the tables the controller engineers know; a view shows it as the header (each heading
// translated, shownHeading()), so Qt row r is grid row r + 1. Cells are plain text; our own cell
// editors change them.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // A new table: the heading row and one empty row.
    explicit GridModel(int cols = 1, QObject *parent = nullptr);

    // Splits the heading line at "|", keeping every piece exactly, and takes as many columns.
    void setHeadingLine(const QString &line);
    QString heading(int col) const;
    // What each column heading says when the mouse rests on it: the limits its cells must
    // keep. A new heading line leaves them as they are.
    void setHeadingToolTips(const QStringList &tips);

    int rows() const { return int(m_cells.size()); }
    int cols() const { return m_cols; }
    // Grows with empty rows or cuts from the end; never below the heading row.
    void setRows(int rows);

    // Cell text by grid row and column; outside the table the text is empty.
    QString text(int row, int col) const;
    // Writing outside the table or into the heading row does nothing.
    void setText(int row, int col, const QString &text);

    // Appends a row whose first cell holds firstCell.
    void appendGridRow(const QString &firstCell = QString());
    // Inserts a row at position row (1 to rows()), moving the rows below down.
    void insertGridRow(int row, const QString &firstCell = QString());
    // Removes one row below the heading; the last row below the heading always stays.
    bool removeGridRow(int row);
    // Writes "1", "2", ... into column 0 of rows 1 to rows() - 1.
    void renumber();

    // The data rows of a table that ends in an entry row (rows 1 to rows() - 2), each as the
    // texts of columns 1 onward: the table as a plain value. An optional last column (a row's
    // name) that is empty is left out, so rows without it are the same values as before it was.
    QList<QStringList> dataRows() const;
    void setLastColumnOptional(bool optional) { m_lastColumnOptional = optional; }
    bool lastColumnOptional() const { return m_lastColumnOptional; }
    // Replaces the data rows by these (columns 1 onward, missing cells empty), followed by an
    // empty entry row, and renumbers; the heading row stays.
    void setDataRows(const QList<QStringList> &rows);
    // The number of data rows: every row below the heading but the entry row.
    int dataRowCount() const { return qMax(0, rows() - 2); }
    // Puts rows read back from the controller into the table: it is cut back to the heading
    // and row 1, centred, and gets rows 1 to n with these cells (columns 1 onward, numbered in
    // column 0) and the entry row n + 1. With no row, row 1 keeps its texts as the entry row.
    void showUploadedRows(const QList<QStringList> &rows);

    void setColumnAlignment(int col, Qt::Alignment alignment);
    void centreAllColumns();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList emptyRow() const;

    int m_cols;
    QList<QStringList> m_cells;
    QList<Qt::Alignment> m_alignment;
    QStringList m_headingTips;
    bool m_lastColumnOptional = false;
};

}  // namespace plc
