#include "port_setup.h"

#include "hex_text.h"
#include "ini_file.h"
#include "plc_link.h"

#include <QStringList>

namespace {

// The stored index of a "COM" key, or -1 when it is not a whole number.
int storedIndex(const QString &key)
{
    const auto value = hextext::wholeNumber(
        Read_ini(settingsFilePath(), QStringLiteral("COM"), key, QStringLiteral("0")));
    if (!value || *value < -32768 || *value > 32767)
        return -1;
    return int(*value);
}

QString entry(const QStringList &table, int index)
{
    return index >= 0 && index < table.size() ? table.at(index) : QString();
}

}  // namespace

QString storedLineSettings()
{
    static const QStringList speeds = {QStringLiteral("9600,"), QStringLiteral("19200,"),
                                       QStringLiteral("38400,"), QStringLiteral("57600,"),
                                       QStringLiteral("115200,")};
    static const QStringList parities = {QStringLiteral("N,"), QStringLiteral("O,"),
                                         QStringLiteral("E,")};
    static const QStringList bits = {QStringLiteral("7,"), QStringLiteral("8,"),
                                     QStringLiteral("9,")};
    static const QStringList stops = {QStringLiteral("1"), QStringLiteral("1.5"),
                                      QStringLiteral("2")};
    return entry(speeds, storedIndex(QStringLiteral("Speed"))) +
           entry(parities, storedIndex(QStringLiteral("Parity"))) +
           entry(bits, storedIndex(QStringLiteral("Bit_num"))) +
           entry(stops, storedIndex(QStringLiteral("Stop_bit")));
}

int storedPortNumber()
{
    const int index = storedIndex(QStringLiteral("Port_num"));
    return index < 0 ? 0 : index + 1;
}

QString portDevice(int number)
{
    if (number < 1)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QString mapped = Read_ini(settingsFilePath(), QStringLiteral("PORTS"),
                                    QStringLiteral("COM%1").arg(number), QString());
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

int storedListIndex(const QString &section, const QString &key, int entries)
{
    const auto value =
        hextext::wholeNumber(Read_ini(settingsFilePath(), section, key, QStringLiteral("0")));
    if (!value || *value < 0 || *value >= entries)
        return 0;
    return int(*value);
}

void Setup_port(PlcLink &link)
{
    if (link.settingsPinned())
        return;
    const int number = storedPortNumber();
    link.setLineSettings(storedLineSettings());
    link.setPort(number, portDevice(number));
}
