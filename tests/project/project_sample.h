#pragma once

// What the whole-project tests share: the project they start from, its edits, and differences
// in the log.
#include "io_map.h"
#include "project_compare.h"
#include "project_file.h"
#include "request_record.h"

#include <QStringList>
#include <QTest>
#include <functional>

namespace plc {

// A difference as the command line shows it, for the test log.
inline char *toString(const Difference &difference)
{
    return QTest::toString(differenceLine(difference, "left", "right"));
}

}  // namespace plc

namespace plc::projecttest {

using Edit = std::function<void(Project &)>;
const Edit kAsItIs = Edit([](Project &) {});
const Edit kFieldNet = Edit([](Project &p) { p.config.auxMode = int(AuxMode::FieldNet); });

// UART 1 a master of 3 requests (each cell of a row unlike the others), UART 2 a slave at
// address 5 keeping a table it does not use, the 1-wire port a master of 2 sensors, and an I/O
// map of inputs on points 0 and 2 and an output on point 1.
inline Project sampleProject()
{
    Project p;
    p.note = QStringLiteral("boiler room");
    UartTabState &uart1 = p.config.uarts[0];
    uart1.settings = {UartMode::ModbusMaster, 4, 2, QStringLiteral("9"), QStringLiteral("3")};
    for (int i = 1; i <= 3; ++i)
        uart1.requests.append(requestCells({i, 10, 10 * i, 100 + 10 * i, i - 1, 100 + i}));
    UartTabState &uart2 = p.config.uarts[1];
    uart2.settings = {UartMode::ModbusSlave, 0, 1, QStringLiteral("5"), QStringLiteral("100")};
    uart2.requests = {requestCells({4, 1, 0, 0, 0, 50})};
    p.config.auxMode = int(AuxMode::OneWireMaster);
    p.config.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"},
                        {"28", "FE", "4B", "12", "03", "00", "00", "A1", "1502"}};
    applyChoice(p.ioMap, 0, IoChoice::Input);
    applyChoice(p.ioMap, 1, IoChoice::Output);
    applyChoice(p.ioMap, 2, IoChoice::Input);
    return p;
}

}  // namespace plc::projecttest

Q_DECLARE_METATYPE(plc::projecttest::Edit)
