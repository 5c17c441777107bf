#include "line_settings.h"

#include "failure.h"

#include <QCoreApplication>
#include <QStringList>

namespace plc {

namespace {

// What each entry of the settings file's lists means to the port, index for index.
constexpr qint32 kBaudRates[] = {9600, 19200, 38400, 57600, 115200};
constexpr QSerialPort::Parity kParities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                             QSerialPort::EvenParity};
constexpr QSerialPort::StopBits kStops[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                            QSerialPort::TwoStop};

// The texts of the line settings' checks, for the translator.
struct LineSettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::LineSettings)
};

[[noreturn]] void refuse(const QString &text, const QString &why)
{
    throw Failure(LineSettingsTexts::tr("Invalid line settings \"%1\": %2").arg(text, why));
}

// The entry at index, or the empty text where the list has none.
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
    static const QStringList entries = QStringLiteral("N,O,E").split(QLatin1Char(','));
    return entries;
}

const QStringList &LineSettings::bitEntries()
{
    static const QStringList entries = QStringLiteral("7,8,9").split(QLatin1Char(','));
    return entries;
}

const QStringList &LineSettings::stopEntries()
{
    static const QStringList entries = QStringLiteral("1,1.5,2").split(QLatin1Char(','));
    return entries;
}

LineSettings LineSettings::fromListIndexes(int speed, int parity, int bits, int stop)
{
    LineSettings s;
    // An index no list has adds nothing to the text, its comma included.
    QStringList parts = {entry(speedEntries(), speed), entry(parityEntries(), parity),
                         entry(bitEntries(), bits), entry(stopEntries(), stop)};
    const bool whole = !parts.contains(QString());
    parts.removeAll(QString());
    s.m_text = parts.join(QLatin1Char(','));
    if (!whole && !s.m_text.isEmpty() && entry(stopEntries(), stop).isEmpty())
        s.m_text += QLatin1Char(',');
    if (!whole || bits > 1) {
        try {
            parse(s.m_text);
        } catch (const Failure &f) {
            s.m_fault = f.description();
        }
        return s;
    }
    s.m_baudRate = kBaudRates[speed];
    s.m_parity = kParities[parity];
    s.m_dataBits = QSerialPort::DataBits(7 + bits);
    s.m_stopBits = kStops[stop];
    return s;
}

LineSettings LineSettings::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    // A setting stored with an index outside its list leaves no trace in the text, so a short
    // text can only say how many settings it holds, not which one is missing.
    if (parts.size() != 4) {
        refuse(text,
               LineSettingsTexts::tr("%1 settings where speed, parity, data bits and stop bits "
                                     "are needed; check the stored port settings")
                   .arg(text.isEmpty() ? 0 : parts.size()));
    }
    static const char *const empty[] = {
        QT_TRANSLATE_NOOP("plc::LineSettings", "the speed setting is empty"),
        QT_TRANSLATE_NOOP("plc::LineSettings", "the parity setting is empty"),
        QT_TRANSLATE_NOOP("plc::LineSettings", "the data bits setting is empty"),
        QT_TRANSLATE_NOOP("plc::LineSettings", "the stop bits setting is empty")};
    for (int i = 0; i < 4; ++i) {
        if (parts.at(i).trimmed().isEmpty())
            refuse(text, LineSettingsTexts::tr(empty[i]));
    }

    LineSettings s;
    s.m_text = text;
    bool ok = false;
    s.m_baudRate = parts.at(0).trimmed().toInt(&ok);
    if (!ok || s.m_baudRate <= 0)
        refuse(text, LineSettingsTexts::tr("the speed \"%1\" is not a baud rate").arg(parts.at(0)));
    const int parity = int(parityEntries().indexOf(parts.at(1).trimmed().toUpper()));
    if (parity < 0)
        refuse(text, LineSettingsTexts::tr("the parity \"%1\" is unknown").arg(parts.at(1)));
    s.m_parity = kParities[parity];
    const QString bits = parts.at(2).trimmed();
    const int dataBits = bits.toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8 || bits != QString::number(dataBits))
        refuse(text, LineSettingsTexts::tr("a serial port cannot use %1 data bits").arg(bits));
    s.m_dataBits = QSerialPort::DataBits(dataBits);
    const int stop = int(stopEntries().indexOf(parts.at(3).trimmed()));
    if (stop < 0)
        refuse(text, LineSettingsTexts::tr("the stop bits \"%1\" are unknown").arg(parts.at(3)));
    s.m_stopBits = kStops[stop];
    return s;
}

}  // namespace plc
