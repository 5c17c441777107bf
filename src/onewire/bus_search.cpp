#include "bus_search.h"

#include "exchange.h"
#include "grid_model.h"
#include "hex_text.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "sensor_record.h"
#include "transfer_steps.h"

namespace plc {

namespace {

constexpr int kTimeoutMs = 350;
const QString kSearchCommand = QStringLiteral("E10");
constexpr quint16 kStartSearch = 0x8001;
constexpr int kRomCodeChars = 2 * kRomBytes;

QList<RomCode> search(PlcLink &link, int settleMs)
{
    const int service = plcmem::kServiceWord.address;
    link.open();
    steps::writeExamined(link, kTimeoutMs, kSearchCommand, plcmem::kSearchCommand.address, 2,
                         hextext::word(kStartSearch));
    // The service word is read once before the wait as well; that answer is not used.
    readMemory(link, kTimeoutMs, plcmem::text(service), QStringLiteral("02"));
    Pause(settleMs);
    // The low byte of the service word holds the number of devices found.
    const QString answer = steps::readAnswered(link, kTimeoutMs, service, 2);
    const int n = hexToNumber(answer.mid(1, 2));
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

Result<QList<RomCode>> searchBus(PlcLink &link, int settleMs)
{
    return readOnLink<QList<RomCode>>(link, [&] { return search(link, settleMs); });
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
