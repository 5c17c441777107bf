#include "settings_store.h"

#include "hex_text.h"
#include "ini_file.h"
#include "plc_link.h"

namespace plc {

namespace settingsfile {

namespace {

const QString kCom = QStringLiteral("COM");
const QString kApp = QStringLiteral("COM_MB");
const QString kPorts = QStringLiteral("PORTS");
const QString kWindow = QStringLiteral("WINDOW");
const QString kUpdate = QStringLiteral("UPDATE");
const QString kUnfinished = QStringLiteral("UNFINISHED_UPDATE");
const QString kPortKey = QStringLiteral("Port_num");

QString read(const QString &section, const QString &key, const QString &def)
{
    return readIniValue(settingsFilePath(), section, key, def);
}

void write(const QString &section, const QString &key, const QString &value)
{
    writeIniValue(settingsFilePath(), section, key, value);
}

// A stored index as the port takes it: -1 when it is not a whole number of 16 bits.
int rawIndex(const QString &key)
{
    const auto value = hextext::wholeNumber(read(kCom, key, QStringLiteral("0")));
    if (!value || *value < -32768 || *value > 32767)
        return -1;
    return int(*value);
}

// A stored index as a list takes it: 0 when it names no entry.
int listIndex(const QString &section, const QString &key, int entries)
{
    const auto value = hextext::wholeNumber(read(section, key, QStringLiteral("0")));
    if (!value || *value < 0 || *value >= entries)
        return 0;
    return int(*value);
}

}  // namespace

QString keyOf(LineList list)
{
    static const char *const keys[] = {"Speed", "Parity", "Bit_num", "Stop_bit"};
    return QLatin1String(keys[int(list)]);
}

int portNumber()
{
    const int index = rawIndex(kPortKey);
    return index < 0 ? 0 : index + 1;
}

int portListIndex(int entries)
{
    return listIndex(kCom, kPortKey, entries);
}

void setPortIndex(int index)
{
    write(kCom, kPortKey, QString::number(index));
}

int comListIndex(LineList list, int entries)
{
    return listIndex(kCom, keyOf(list), entries);
}

void setComListIndex(LineList list, int index)
{
    write(kCom, keyOf(list), QString::number(index));
}

LineSettings lineSettings()
{
    return LineSettings::fromListIndexes(
        rawIndex(keyOf(LineList::Speed)), rawIndex(keyOf(LineList::Parity)),
        rawIndex(keyOf(LineList::Bits)), rawIndex(keyOf(LineList::Stop)));
}

int appListIndex(LineList list, int entries)
{
    return listIndex(kApp, keyOf(list), entries);
}

void setAppListIndex(LineList list, int index)
{
    write(kApp, keyOf(list), QString::number(index));
}

QString portDevice(int number)
{
    if (number < 1)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QString mapped = read(kPorts, QStringLiteral("COM%1").arg(number), QString());
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

bool portMapped(int number)
{
#ifdef Q_OS_WIN
    Q_UNUSED(number);
    return false;
#else
    return number >= 1 && !read(kPorts, QStringLiteral("COM%1").arg(number), QString()).isEmpty();
#endif
}

void mapPort(int number, const QString &device)
{
    write(kPorts, QStringLiteral("COM%1").arg(number), device);
}

PortSetup storedPort()
{
    const int number = portNumber();
    return {number, portDevice(number), lineSettings()};
}

QString windowValue(const QString &key)
{
    return read(kWindow, key, QString());
}

void setWindowValue(const QString &key, const QString &value)
{
    write(kWindow, key, value);
}

QString updateValue(const QString &key)
{
    return read(kUpdate, key, QString());
}

void setUpdateValue(const QString &key, const QString &value)
{
    write(kUpdate, key, value);
}

bool updateUnfinished(const QString &device)
{
    return !device.isEmpty() && read(kUnfinished, device, QString()) == QLatin1String("1");
}

void setUpdateUnfinished(const QString &device, bool unfinished)
{
    if (!device.isEmpty())
        write(kUnfinished, device, unfinished ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace settingsfile

void applyStoredPortSettings(PlcLink &link)
{
    // A link in use keeps what its running action opened the port with.
    if (link.isBusy())
        return;
    link.setPort(settingsfile::storedPort());
}

}  // namespace plc
