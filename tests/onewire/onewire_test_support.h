#pragma once

// What the 1-wire tests share: tables as text, controls by name, and the sensors and bus devices
// the tables and the virtual controller hold.
#include "grid_model.h"
#include "hex_text.h"
#include "sim_fixture.h"
#include "test_helpers.h"
#include "virtual_plc.h"

#include <QObject>
#include <QStringList>

namespace plc {

namespace onewiretest {

using testing::child;
using testing::rowTexts;

// The ROM code of device j, 28 jj 4B 12 03 00 00 A1, as the tables show it and as the bus has it.
inline QStringList romCode(int j)
{
    return {"28", hextext::digits(j, 2), "4B", "12", "03", "00", "00", "A1"};
}
inline QByteArray romBytes(int j)
{
    return QByteArray::fromHex(romCode(j).join(QString()).toLatin1());
}

// Sensor i of the test tables: device 256 - i with register 1500 + 2(i - 1); sensor 1 is the
// ROM bytes 28 FF 4B 12 03 00 00 A1, record FF28124B0003A100DC05.
inline QStringList sensor(int i)
{
    return romCode(256 - i) + QStringList{QString::number(1500 + 2 * (i - 1))};
}
inline QList<QStringList> sensors(int n)
{
    QList<QStringList> list;
    for (int i = 1; i <= n; ++i)
        list.append(sensor(i));
    return list;
}

}  // namespace onewiretest

}  // namespace plc
