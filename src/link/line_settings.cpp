#include "line_settings.h"

#include "failure.h"

#include <QStringList>

namespace {

[[noreturn]] void refuse(const QString &text, const QString &why)
{
    throw Failure(QStringLiteral("Invalid line settings \"%1\": %2").arg(text, why));
}

}  // namespace

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
    bool ok = false;
    s.baudRate = parts.at(0).trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        refuse(text, QStringLiteral("the speed \"%1\" is not a baud rate").arg(parts.at(0)));

    const QString parity = parts.at(1).trimmed().toUpper();
    if (parity == QLatin1String("N"))
        s.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("O"))
        s.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("E"))
        s.parity = QSerialPort::EvenParity;
    else
        refuse(text, QStringLiteral("the parity \"%1\" is unknown").arg(parts.at(1)));

    const QString bits = parts.at(2).trimmed();
    if (bits == QLatin1String("5"))
        s.dataBits = QSerialPort::Data5;
    else if (bits == QLatin1String("6"))
        s.dataBits = QSerialPort::Data6;
    else if (bits == QLatin1String("7"))
        s.dataBits = QSerialPort::Data7;
    else if (bits == QLatin1String("8"))
        s.dataBits = QSerialPort::Data8;
    else
        refuse(text, QStringLiteral("a serial port cannot use %1 data bits").arg(bits));

    const QString stop = parts.at(3).trimmed();
    if (stop == QLatin1String("1"))
        s.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        s.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        s.stopBits = QSerialPort::TwoStop;
    else
        refuse(text, QStringLiteral("the stop bits \"%1\" are unknown").arg(parts.at(3)));
    return s;
}
