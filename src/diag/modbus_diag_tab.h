#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

namespace plc {

struct TransferContext;
class ErrorBufferFrame;

// The "Modbus diag" tab: the error buffers of UART 1 and UART 2 and the buttons that read them.
class ModbusDiagTab : public QWidget {
    Q_OBJECT

public:
    explicit ModbusDiagTab(TransferContext &ctx, QWidget *parent = nullptr);

    // Sets both tables' heading lines and centres their columns.
    void setHeadings();

    // Where the names of a UART's requests come from (uart 1 or 2), to follow their slot numbers.
    void setRequestNames(std::function<QStringList(int uart)> names) { m_names = std::move(names); }

    // The buffer of UART 1 (uart 1) or UART 2 (uart 2).
    ErrorBufferFrame &buffer(int uart) const { return *m_buffers[uart == 2 ? 1 : 0]; }

private:
    // "Read modbus buffer 1" / "Read modbus buffer 2".
    void readClicked(int uart);

    TransferContext &m_ctx;
    ErrorBufferFrame *m_buffers[2] = {};
    std::function<QStringList(int uart)> m_names = [](int) {
        return QStringList();
    };
};

}  // namespace plc
