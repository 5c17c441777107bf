#include "link_actions.h"

#include "buffer_reader.h"
#include "io_transfer.h"
#include "port_settings_dialog.h"
#include "request_record.h"
#include "service_transfer.h"
#include "uart_port.h"

#include <QComboBox>

namespace plc {

namespace {

using Frame = sim::VirtualPlc::Frame;

AnswerUse examinedUnlessCommandWord(const Frame &f, int)
{
    return f.address == QLatin1String("2002") ? AnswerUse::Unexamined : AnswerUse::Examined;
}

std::function<int(const Frame &)> serviceOr(int other)
{
    return [other](const Frame &f) {
        return f.address == QLatin1String("3000") ? 1000 : other;
    };
}

std::function<int(const Frame &)> always(int ms)
{
    return [ms](const Frame &) {
        return ms;
    };
}

// Nine requests: two pieces on the line.
void fillRequests(GridModel &grid)
{
    for (int i = 1; i <= 9; ++i) {
        writeRequestToRow(grid, i, {i, 10, 10 * i, 100 + 10 * i, 1, 100});
        grid.appendGridRow();
    }
    grid.renumber();
}

// A controller whose tables are read in more than one block: UART 1 a master of nine
// requests, UART 2 a slave, seventeen sensors, nine devices on the bus.
void prepareController(TransferFixture &f, ActionValues &)
{
    sim::VirtualPlc &plc = f.sim.plc;
    plc.pokeWord(0x2008, 0xC409);
    plc.pokeWord(0x2006, 0x4205);
    plc.pokeWord(0x2004, 150);
    for (int i = 0; i < 9; ++i)
        plc.poke(0x2502 + 8 * i, QByteArray::fromHex("010A000064006410"));
    plc.pokeWord(0x200A, 0xC011);
    QList<QByteArray> devices;
    for (int i = 0; i < 17; ++i) {
        plc.poke(0x200C + 10 * i, QByteArray::fromHex("FF28124B0003A100DC05"));
        devices.append(QByteArray::fromHex("28FF4B12030000A1"));
    }
    plc.pokeIoBlock(QByteArray::fromHex("0300020004000000"));
    plc.poke(0x3600, QByteArray::fromHex("85"));
    plc.setOneWireDevices(devices.mid(0, 9));
}

void noPrepare(TransferFixture &, ActionValues &) {}

void addUartActions(QList<LinkAction> &list, int n)
{
    const UartPort &port = n == 1 ? UartPort::uart1() : UartPort::uart2();
    for (UartMode mode : {UartMode::ModbusMaster, UartMode::ModbusSlave, UartMode::NotUse}) {
        list.append({QStringLiteral("UART %1 download, mode %2").arg(n).arg(int(mode)),
                     [mode](TransferFixture &, ActionValues &v) {
                         fillRequests(v.grid);
                         v.settings.mode = mode;
                     },
                     [&port](TransferFixture &f, ActionValues &v) {
                         return downloadPortConfig(f.ctx, port, v.settings, v.grid.dataRows());
                     },
                     serviceOr(650), examinedUnlessCommandWord});
    }
    list.append({QStringLiteral("UART %1 upload").arg(n), prepareController,
                 [&port](TransferFixture &f, ActionValues &v) {
                     const Result<PortConfigUpload> upload = uploadPortConfig(f.ctx, port);
                     if (upload.done() && applyPortUpload(upload.value, v.settings))
                         v.grid.showUploadedRows(requestRows(upload.value.requests));
                     return upload.outcome;
                 },
                 [&port](const Frame &f) {
                     return f.address.toInt(nullptr, 16) == port.portWordAddress ? 350 : 650;
                 },
                 examinedUnlessCommandWord});
}

void addOneWireActions(QList<LinkAction> &list)
{
    for (AuxMode mode : {AuxMode::OneWireMaster, AuxMode::FieldNet, AuxMode::NotUse}) {
        list.append(
            {QStringLiteral("1-wire download, mode %1").arg(int(mode)), noPrepare,
             [mode](TransferFixture &f, ActionValues &) {
                 OneWireTabState state;
                 state.settings.mode = mode;
                 for (int i = 1; i <= 7; ++i)  // two pieces on the line
                     state.sensors.append({"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"});
                 return downloadAuxConfig(f.ctx, state);
             },
             [mode](const Frame &f) {
                 if (f.address == QLatin1String("3000"))
                     return 1000;
                 if (f.address == QLatin1String("200A"))
                     return mode == AuxMode::OneWireMaster ? 450 : 350;
                 return 650;
             },
             examinedUnlessCommandWord});
    }
    list.append({"1-wire upload", prepareController,
                 [](TransferFixture &f, ActionValues &v) {
                     const Result<AuxConfigUpload> upload = uploadAuxConfig(f.ctx);
                     if (upload.done()) {
                         applyAuxUpload(upload.value, v.aux);
                         v.sensors.showUploadedRows(upload.value.sensors);
                     }
                     return upload.outcome;
                 },
                 always(350), examinedUnlessCommandWord});
    list.append({"bus search", prepareController,
                 [](TransferFixture &f, ActionValues &v) {
                     // The wait outlasts a "too late" answer to the read before it (60 ms
                     // past its timeout) with room for a loaded machine, as the real 3.5 s does:
                     // a shorter one lets that answer spill into the reads after the wait.
                     const Result<QList<RomCode>> found = searchBus(f.ctx, 250);
                     v.found = found.value;
                     return found.outcome;
                 },
                 always(350),
                 [](const Frame &, int frame) {
                     // The first read of the service word only lets the controller catch up.
                     return frame == 2 ? AnswerUse::Unexamined : AnswerUse::Examined;
                 }});
}

void addBufferActions(QList<LinkAction> &list)
{
    for (int n : {1, 2, 3}) {
        const ErrorBuffer &buffer = n == 1   ? ErrorBuffer::uart1()
                                    : n == 2 ? ErrorBuffer::uart2()
                                             : ErrorBuffer::oneWire();
        list.append(
            {n == 3 ? QStringLiteral("1-wire buffer") : QStringLiteral("Modbus buffer %1").arg(n),
             [](TransferFixture &f, ActionValues &v) {
                 prepareController(f, v);
                 f.sim.plc.pokeWord(0x2006, 0xC446);  // UART 2 a master of 70: two blocks
             },
             [&buffer](TransferFixture &f, ActionValues &v) {
                 const Result<BufferRecords> read = readErrorBuffer(f.ctx, buffer);
                 if (read.done() && read.value)
                     showErrorRecords(v.errors, *read.value);
                 return read.outcome;
             },
             [&buffer](const Frame &f) {
                 return f.address.toInt(nullptr, 16) == buffer.countWordAddress
                            ? buffer.wordTimeoutMs
                            : buffer.blockTimeoutMs;
             },
             examinedUnlessCommandWord});
    }
}

}  // namespace

QString ActionValues::text() const
{
    QStringList t{QString::number(int(settings.mode)),
                  QString::number(settings.speed),
                  QString::number(settings.parity),
                  settings.address,
                  settings.timeout,
                  QString::number(int(aux.mode)),
                  QString::number(aux.fieldNet.speed),
                  QString::number(io.inputs),
                  QString::number(io.outputs)};
    for (const GridModel *g : {&grid, &sensors, &errors}) {
        for (const QStringList &row : g->dataRows())
            t.append(row.join(QLatin1Char(',')));
    }
    for (const RomCode &code : found)
        t.append(code.join(QString()));
    return t.join(QLatin1Char('|'));
}

QList<LinkAction> linkActions()
{
    QList<LinkAction> list;
    list.append(
        {"COM-port Test", noPrepare,
         [](TransferFixture &f, ActionValues &) {
             PortSettingsDialog dialog(f.prompts, nullptr);
             dialog.findChild<QComboBox *>(QStringLiteral("dataBitsList"))->setCurrentIndex(1);
             dialog.testConnection();  // shows its own message
             return Outcome();
         },
         always(100),
         [](const Frame &, int) {
             return AnswerUse::Probe;
         }});
    addUartActions(list, 1);
    addUartActions(list, 2);
    list.append({"UART 2 slave Download", noPrepare,
                 [](TransferFixture &f, ActionValues &v) {
                     return downloadSlaveSettings(f.ctx, UartPort::uart2(), v.settings);
                 },
                 serviceOr(650), examinedUnlessCommandWord});
    list.append({"UART 2 slave Upload", prepareController,
                 [](TransferFixture &f, ActionValues &v) {
                     const Result<SlaveSettingsUpload> upload =
                         uploadSlaveSettings(f.ctx, UartPort::uart2());
                     if (upload.done())
                         applySlaveUpload(upload.value, v.settings);
                     return upload.outcome;
                 },
                 always(350), examinedUnlessCommandWord});
    addOneWireActions(list);
    list.append({"I/O map download", noPrepare,
                 [](TransferFixture &f, ActionValues &) {
                     PointBytes types{};
                     types[0] = 1;
                     types[2] = 2;
                     return downloadIoMap(f.ctx, types);
                 },
                 serviceOr(350), examinedUnlessCommandWord});
    list.append({"I/O map upload", prepareController,
                 [](TransferFixture &f, ActionValues &v) {
                     const Result<IoMasks> masks = uploadIoMap(f.ctx);
                     if (masks.done())
                         v.io = masks.value;
                     return masks.outcome;
                 },
                 always(150), examinedUnlessCommandWord});
    addBufferActions(list);
    const auto unexamined = [](const Frame &, int) {
        return AnswerUse::Unexamined;
    };
    list.append({"restart", noPrepare,
                 [](TransferFixture &f, ActionValues &) { return restartPlc(f.ctx); }, always(1000),
                 unexamined});
    list.append({"update", noPrepare,
                 [](TransferFixture &f, ActionValues &) {
                     return updateFirmware(f.ctx, {"/bin/true"}, [](const QString &) {});
                 },
                 always(1000), unexamined});
    return list;
}

LinkAction linkAction(const QString &name)
{
    const QList<LinkAction> all = linkActions();
    for (const LinkAction &action : all) {
        if (action.name == name)
            return action;
    }
    qFatal("no action %s", qPrintable(name));
}

}  // namespace plc
