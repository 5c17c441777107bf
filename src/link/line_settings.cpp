#include "line_settings.h"

#include "failure.h"

#include <QStringList>

namespace {

[[noreturn]] void refuse(const QString &text, const QString &why)
{
    throw Failure(QStringLiteral("Invalid line settings \"%1\": %2").arg(text, why));
}

}  // namespace

namespace {

// The lists' entries and what each means to the port, index for index.
constexpr qint32 kBaudRates[] = {9600, 19200, 38400, 57600, 115200};
constexpr QSerialPort::Parity kParities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                             QSerialPort::EvenParity};
constexpr QSerialPort::StopBits kStops[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                            QSerialPort::TwoStop};

QString entry(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

}  // namespace

LineSettings::LineSettings() : m_text(QStringLiteral("9600,N,8,1")) {}

const QStringList &LineSettings::speedEntries()
{
    static const QStringList entries = {QStringLiteral("9600"), QStringLiteral("19200"),
                                        QStringLiteral("38400"), QStringLiteral("57600"),
                                        QStringLiteral("115200")};
    return entries;
}

const QStringList &LineSettings::parityEntries()
{
    static const QStringList entries = {QStringLiteral("N"), QStringLiteral("O"),
                                        QStringLiteral("E")};
    return entries;
}

const QStringList &LineSettings::bitEntries()
{
    static const QStringList entries = {QStringLiteral("7"), QStringLiteral("8"),
                                        QStringLiteral("9")};
    return entries;
}

const QStringList &LineSettings::stopEntries()
{
    static const QStringList entries = {QStringLiteral("1"), QStringLiteral("1.5"),
                                        QStringLiteral("2")};
    return entries;
}

LineSettings LineSettings::fromListIndexes(int speed, int parity, int bits, int stop)
{
    // An index no list has adds nothing to the text, comma included.
    auto part = [](const QStringList &list, int index, bool last) {
        const QString e = entry(list, index);
        return e.isEmpty() || last ? e : e + QLatin1Char(',');
    };
    const QString text = part(speedEntries(), speed, false) + part(parityEntries(), parity, false) +
                         part(bitEntries(), bits, false) + part(stopEntries(), stop, true);
    const bool usable = !entry(speedEntries(), speed).isEmpty() &&
                        !entry(parityEntries(), parity).isEmpty() && (bits == 0 || bits == 1) &&
                        !entry(stopEntries(), stop).isEmpty();
    if (!usable) {
        LineSettings s;
        s.m_text = text;
        try {
            parse(text);
        } catch (const Failure &f) {
            s.m_fault = f.description();
        }
        return s;
    }
    LineSettings s;
    s.m_baudRate = kBaudRates[speed];
    s.m_parity = kParities[parity];
    s.m_dataBits = bits == 0 ? QSerialPort::Data7 : QSerialPort::Data8;
    s.m_stopBits = kStops[stop];
    s.m_text = text;
    return s;
}

LineSettings LineSettings::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    // A setting stored with an index outside its list leaves no trace in the text, so a short
    // text can only say how many settings it holds, not which one is missing.
    if (parts.size() != 4) {
        refuse(text, QStringLiteral("%1 settings where speed, parity, data bits and stop bits "
                                    "are needed; check the stored port settings")
                         .arg(text.isEmpty() ? 0 : parts.size()));
    }
    static const char *const names[] = {"speed", "parity", "data bits", "stop bits"};
    for (int i = 0; i < 4; ++i) {
        if (parts.at(i).trimmed().isEmpty())
            refuse(text, QStringLiteral("the %1 setting is empty").arg(QLatin1String(names[i])));
    }

    LineSettings s;
    s.m_text = text;
    bool ok = false;
    s.m_baudRate = parts.at(0).trimmed().toInt(&ok);
    if (!ok || s.m_baudRate <= 0)
        refuse(text, QStringLiteral("the speed \"%1\" is not a baud rate").arg(parts.at(0)));

    const QString parity = parts.at(1).trimmed().toUpper();
    if (parity == QLatin1String("N"))
        s.m_parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("O"))
        s.m_parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("E"))
        s.m_parity = QSerialPort::EvenParity;
    else
        refuse(text, QStringLiteral("the parity \"%1\" is unknown").arg(parts.at(1)));

    const QString bits = parts.at(2).trimmed();
    if (bits == QLatin1String("5"))
        s.m_dataBits = QSerialPort::Data5;
    else if (bits == QLatin1String("6"))
        s.m_dataBits = QSerialPort::Data6;
    else if (bits == QLatin1String("7"))
        s.m_dataBits = QSerialPort::Data7;
    else if (bits == QLatin1String("8"))
        s.m_dataBits = QSerialPort::Data8;
    else
        refuse(text, QStringLiteral("a serial port cannot use %1 data bits").arg(bits));

    const QString stop = parts.at(3).trimmed();
    if (stop == QLatin1String("1"))
        s.m_stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        s.m_stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        s.m_stopBits = QSerialPort::TwoStop;
    else
        refuse(text, QStringLiteral("the stop bits \"%1\" are unknown").arg(parts.at(3)));
    return s;
}
