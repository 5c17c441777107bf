#pragma once

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <array>

class QComboBox;
class QFormLayout;
class QVBoxLayout;

namespace plc {

// The frame of a port's four line-settings lists (speed, parity, bit number, stop bit), as the
// UART tabs and the auxiliary port's Field Net frame show them.
class LineSettingsBox : public QGroupBox {
    Q_OBJECT

public:
    enum class List { Speed, Parity, Bits, Stop };
    // A list's objectName and entries.
    struct ListSpec {
        QString name;
        QStringList entries;
    };

    LineSettingsBox(const QString &caption, const QString &name,
                    const std::array<ListSpec, 4> &lists, QWidget *parent = nullptr);

    // A list's selected index; an index outside the list selects nothing.
    int index(List list) const;
    void setIndex(List list, int index);

    // The lists' form, for rows a port adds below them.
    QFormLayout &form() const { return *m_form; }

private:
    QFormLayout *m_form = nullptr;
    std::array<QComboBox *, 4> m_lists{};
};

// Lays out a port tab: a column of fixed width at the left, whose layout comes back for the
// tab's frames, and then (addTableFrame) the table frame taking the rest of the width; the
// column stays in place while the table frame is hidden.
QVBoxLayout *addPortColumn(QWidget &tab);
void addTableFrame(QWidget &tab, QWidget *tableFrame);

}  // namespace plc
