#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

namespace plc {

struct TransferContext;
class ErrorBufferFrame;

// The "1-wire diag" tab: the 1-wire error buffer and the button that reads it.
class OneWireDiagTab : public QWidget {
    Q_OBJECT

public:
    explicit OneWireDiagTab(TransferContext &ctx, QWidget *parent = nullptr);

    // Sets the table's heading line and centres its columns.
    void setHeadings();

    ErrorBufferFrame &buffer() const { return *m_buffer; }
    // Where the names of the sensors come from, to follow their numbers.
    void setSensorNames(std::function<QStringList()> names) { m_names = std::move(names); }

private:
    // "Read 1-wire buffer".
    void readClicked();

    TransferContext &m_ctx;
    ErrorBufferFrame *m_buffer = nullptr;
    std::function<QStringList()> m_names = [] {
        return QStringList();
    };
};

}  // namespace plc
