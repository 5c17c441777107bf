#include "bus_search.h"

#include "exchange.h"
#include "grid_model.h"
#include "hex_text.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"
#include "transfer_steps.h"

namespace plc {

namespace {

constexpr int kTimeoutMs = 350;
constexpr quint16 kStartSearch = 0x8001;
constexpr int kRomCodeChars = 2 * kRomBytes;

QList<RomCode> search(TransferContext &ctx, int settleMs)
{
    PlcLink &link = ctx.link;
    const int service = plcmem::kServiceWord.address;
    link.open();
    // Open for the whole search, the wait included: its Cancel ends the wait at once.
    ProgressGuard progress(ctx.progress, cancelActionOn(link));
    steps::writeExamined(link, kTimeoutMs,
                         Request::write(plcmem::kSearchCommand.address, hextext::word(kStartSearch),
                                        Request::Command::CommandWrite));
    // The service word is read once before the wait as well; that answer is not used.
    steps::send(link, Request::read(service, 2), kTimeoutMs);
    link.pause(settleMs);
    // The low byte of the service word holds the number of devices found.
    const int n = steps::readAnswered(link, kTimeoutMs, service, 2).word() & 0xFF;
    const QString text = steps::readText(link, nullptr, kTimeoutMs, plcmem::kFoundRomCodes.address,
                                         kRomCodeChars * n);
    QList<RomCode> devices;
    for (int j = 0; j < n; ++j) {
        RomCode code;
        for (int k = 0; k < kRomBytes; ++k)
            code.append(text.mid(kRomCodeChars * j + 2 * k, 2));
        devices.append(code);
    }
    return devices;
}

}  // namespace

Result<QList<RomCode>> searchBus(TransferContext &ctx, int settleMs)
{
    return readOnLink<QList<RomCode>>(ctx.link, [&] { return search(ctx, settleMs); });
}

void showFoundDevices(GridModel &grid, const QList<RomCode> &devices)
{
    // Row 1 is emptied too: a device of an earlier search must not look found again.
    grid.setRows(1);
    grid.setRows(2);
    for (int j = 1; j <= devices.size(); ++j) {
        grid.setText(j, 0, QString::number(j));
        for (int k = 0; k < kRomBytes; ++k)
            grid.setText(j, 1 + k, devices.at(j - 1).value(k));
        grid.appendGridRow(QString::number(grid.rows()));
    }
}

}  // namespace plc
