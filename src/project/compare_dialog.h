#pragma once

#include "project_compare.h"

#include <QDialog>

class QTableWidget;

namespace plc {

// The differences of a compare, one row each: part, row, column, the window's value and the
// other side's. With none it says "No differences". Its buttons tell what the user chose.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    enum class Choice { Close, WriteDiffering, TakeOther };

    // otherName: the other side as the heading names it ("Controller", a file's name);
    // canWrite: whether "Write the differing parts" is offered (a controller only).
    CompareDialog(const QString &title, const QList<Difference> &differences,
                  const QString &otherName, bool canWrite, QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    QTableWidget &table() const { return *m_table; }

private:
    void choose(Choice choice);

    QTableWidget *m_table = nullptr;
    Choice m_choice = Choice::Close;
};

}  // namespace plc
