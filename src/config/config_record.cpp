#include "config_record.h"

#include "failure.h"
#include "grid_model.h"
#include "hex_text.h"
#include "request_record.h"
#include "sensor_record.h"
#include "settings_store.h"
#include "shown_words.h"
#include "uart_port.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace plc {

namespace {

// The texts of the configuration record's checks, for the translator.
struct ConfigRecordTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ConfigRecord)
};

// One description of the record's layout, read by gather (window to record), spread (record
// to window) and the load check alike.

constexpr int kSectionSize = 3754;
constexpr int kReservedTexts = 4 * kSectionSize;  // three 8-character fields, then 6 bytes
constexpr int kReservedTextSize = 8;
constexpr int kMaxEntries = 128;

enum class Kind { U8, I16, HexByte };

// A table column: its column in the window's table and its place in an entry.
struct Column {
    int col;
    int offset;
    Kind kind;
};

struct Table {
    const char *name;  // for messages, after "UART n" or "1-wire"
    int offset;        // of entry 0 within the section
    int entrySize;
    int countOffset;
    QList<Column> columns;
    int cols;  // columns of the window's table, the number column included
    const QStringList &headings;
};

const QStringList kRequestHeadings = columnNames(kRequestHeadingLine);
const QStringList kSensorHeadings = columnNames(kSensorHeadingLine);

const Table kRequests = {QT_TRANSLATE_NOOP("plc::ConfigRecord", "request table"),
                         0,
                         9,
                         3741,
                         {{1, 0, Kind::U8},
                          {5, 1, Kind::U8},
                          {2, 2, Kind::U8},
                          {3, 3, Kind::I16},
                          {4, 5, Kind::I16},
                          {6, 7, Kind::I16}},
                         7,
                         kRequestHeadings};
const Table kSensors = {QT_TRANSLATE_NOOP("plc::ConfigRecord", "sensor table"),
                        1161,
                        11,
                        3742,
                        {{1, 1, Kind::HexByte},
                         {2, 2, Kind::HexByte},
                         {3, 3, Kind::HexByte},
                         {4, 4, Kind::HexByte},
                         {5, 5, Kind::HexByte},
                         {6, 6, Kind::HexByte},
                         {7, 7, Kind::HexByte},
                         {8, 8, Kind::HexByte},
                         {9, 9, Kind::I16}},
                        10,
                        kSensorHeadings};

// The one-byte settings of a section, and how many entries each list has.
constexpr int kAddress = 3744;
constexpr int kMode = 3745;
constexpr int kSpeed = 3746;
constexpr int kParity = 3747;
constexpr int kBits = 3748;
constexpr int kStop = 3749;
constexpr int kTimeout = 3750;

struct ListSetting {
    int offset;
    int entries;
    const char *name;
    bool uart1Only;
};
const ListSetting kUartLists[] = {
    {kMode, 3, QT_TRANSLATE_NOOP("plc::ConfigRecord", "port mode"), false},
    {kSpeed, 8, QT_TRANSLATE_NOOP("plc::ConfigRecord", "speed index"), false},
    {kParity, 3, QT_TRANSLATE_NOOP("plc::ConfigRecord", "parity index"), false},
    {kBits, 3, QT_TRANSLATE_NOOP("plc::ConfigRecord", "bit-number index"), true},
    {kStop, 3, QT_TRANSLATE_NOOP("plc::ConfigRecord", "stop-bit index"), true},
};

QString uartName(int uart)
{
    return QStringLiteral("UART %1").arg(uart + 1);
}

int sectionStart(int section)
{
    return section * kSectionSize;
}

[[noreturn]] void refuseCell(const QString &where, const QString &text, const QString &fits)
{
    throw Failure(ConfigRecordTexts::tr("The configuration cannot be saved: %1 holds \"%2\"; %3 "
                                        "fits there.")
                      .arg(where, text, fits));
}

// One cell or box into its bytes at `to`, little-endian; a Failure naming where() when it does
// not fit. The name is only made for a refusal: a save stores thousands of cells.
template <typename Where>
void encodeCell(Kind kind, const QString &text, char *to, const Where &where)
{
    if (kind == Kind::HexByte) {
        const QString t = text.trimmed();
        bool ok = t.size() == 2;
        const uint value = ok ? t.toUInt(&ok, 16) : 0;
        if (!ok)
            refuseCell(where(), text, ConfigRecordTexts::tr("a byte of two hexadecimal digits"));
        *to = char(value);
        return;
    }
    const auto value = hextext::wholeNumber(text);
    if (kind == Kind::U8) {
        if (!value || *value < 0 || *value > 255)
            refuseCell(where(), text, ConfigRecordTexts::tr("a whole number from 0 to 255"));
        *to = char(*value);
        return;
    }
    if (!value || *value < -32768 || *value > 32767)
        refuseCell(where(), text, ConfigRecordTexts::tr("a whole number from -32768 to 32767"));
    qToLittleEndian(qint16(*value), to);
}

QString decodeCell(Kind kind, const char *at)
{
    switch (kind) {
        case Kind::U8:
            return QString::number(quint8(*at));
        case Kind::I16:
            return QString::number(qFromLittleEndian<qint16>(at));
        case Kind::HexByte:
            return hextext::digits(quint8(*at), 2);
    }
    return QString();
}

// The table's entries and count, into a section of the record being built.
void gatherTable(QByteArray &bytes, int section, const Table &table, const QString &owner,
                 const QList<QStringList> &rows)
{
    const int count = qMin(int(rows.size()), kMaxEntries);
    char *base = bytes.data() + sectionStart(section);
    for (int k = 0; k < count; ++k) {
        const QStringList &row = rows.at(k);
        for (const Column &c : table.columns) {
            encodeCell(c.kind, row.value(c.col - 1),
                       base + table.offset + k * table.entrySize + c.offset, [&] {
                           return ConfigRecordTexts::tr("the %1 %2, row %3, column \"%4\"")
                               .arg(owner, ConfigRecordTexts::tr(table.name))
                               .arg(k + 1)
                               .arg(shownHeading(table.headings.at(c.col)));
                       });
        }
    }
    base[table.countOffset] = char(count);
}

QList<QStringList> spreadTable(const QByteArray &bytes, int section, const Table &table)
{
    const char *base = bytes.constData() + sectionStart(section);
    const int count = quint8(base[table.countOffset]);
    QList<QStringList> rows;
    for (int k = 0; k < count; ++k) {
        QStringList cells(table.cols - 1);
        for (const Column &c : table.columns)
            cells[c.col - 1] =
                decodeCell(c.kind, base + table.offset + k * table.entrySize + c.offset);
        rows.append(cells);
    }
    return rows;
}

void gatherUart(QByteArray &bytes, int uart, const UartTabState &state)
{
    const QString owner = uartName(uart);
    gatherTable(bytes, uart, kRequests, owner, state.requests);
    char *base = bytes.data() + sectionStart(uart);
    encodeCell(Kind::U8, state.settings.address, base + kAddress, [&] {
        return ConfigRecordTexts::tr("the %1 box \"%2\"")
            .arg(owner, QCoreApplication::translate("plc::UartTab", "MB address"));
    });
    const auto timeout = hextext::wholeNumber(state.settings.timeout);
    if (!timeout)
        refuseCell(ConfigRecordTexts::tr("the %1 box \"%2\"")
                       .arg(owner, QCoreApplication::translate("plc::UartTab", "Timeout,[msec]")),
                   state.settings.timeout, ConfigRecordTexts::tr("a whole number"));
    qToLittleEndian(float(*timeout), base + kTimeout);
    base[kMode] = char(state.settings.mode);
    base[kSpeed] = char(state.settings.speed);
    base[kParity] = char(state.settings.parity);
    if (uart == 0) {
        base[kBits] = char(state.bits);
        base[kStop] = char(state.stop);
    }
}

UartTabState spreadUart(const QByteArray &bytes, int uart)
{
    const char *base = bytes.constData() + sectionStart(uart);
    UartTabState state;
    state.requests = spreadTable(bytes, uart, kRequests);
    state.settings.mode = UartMode(quint8(base[kMode]));
    state.settings.speed = quint8(base[kSpeed]);
    state.settings.parity = quint8(base[kParity]);
    state.settings.address = QString::number(quint8(base[kAddress]));
    // A whole number, as the load check made sure.
    state.settings.timeout = QString::number(qint64(qFromLittleEndian<float>(base + kTimeout)));
    state.bits = quint8(base[kBits]);
    state.stop = quint8(base[kStop]);
    return state;
}

[[noreturn]] void refuseFile(const QString &what)
{
    throw Failure(
        ConfigRecordTexts::tr("This is not a configuration file the tool can load: %1.").arg(what));
}

void checkByte(const QByteArray &bytes, int section, int offset, int limit, const QString &what)
{
    const int value = quint8(bytes.at(sectionStart(section) + offset));
    if (value >= limit)
        refuseFile(ConfigRecordTexts::tr("the %1 is %2, where 0 to %3 are known")
                       .arg(what)
                       .arg(value)
                       .arg(limit - 1));
}

// A slave timeout must come back as the whole number a box can hold and save again.
void checkTimeout(const QByteArray &bytes, int uart)
{
    const float t = qFromLittleEndian<float>(bytes.constData() + sectionStart(uart) + kTimeout);
    if (!(t >= -2147483648.0f && t < 2147483648.0f) || t != float(qint64(t)))
        refuseFile(ConfigRecordTexts::tr("the %1 slave timeout is %2, not a whole number of "
                                         "milliseconds")
                       .arg(uartName(uart))
                       .arg(double(t)));
}

}  // namespace

WindowConfig startUpWindowConfig()
{
    WindowConfig config;
    const UartPort *ports[] = {&UartPort::uart1(), &UartPort::uart2()};
    for (size_t i = 0; i < config.uarts.size(); ++i) {
        config.uarts.at(i).settings.address = ports[i]->initialAddress;
        config.uarts.at(i).settings.timeout = QStringLiteral("2");
    }
    using settingsfile::LineList;
    config.uarts[0].bits = settingsfile::appListIndex(LineList::Bits, 3);
    config.uarts[0].stop = settingsfile::appListIndex(LineList::Stop, 3);
    return config;
}

ConfigRecord::ConfigRecord() : m_bytes(kSize, '\0') {}

ConfigRecord ConfigRecord::fromFile(const QByteArray &bytes)
{
    if (bytes.size() < kSize)
        throw Failure(
            ConfigRecordTexts::tr("The file is %1 bytes long; a configuration file is %2 bytes")
                .arg(bytes.size())
                .arg(kSize));
    for (int uart = 0; uart < 2; ++uart) {
        for (const ListSetting &list : kUartLists) {
            if (!list.uart1Only || uart == 0)
                checkByte(bytes, uart, list.offset, list.entries,
                          uartName(uart) + QLatin1Char(' ') + ConfigRecordTexts::tr(list.name));
        }
        checkByte(bytes, uart, kRequests.countOffset, kMaxEntries + 1,
                  ConfigRecordTexts::tr("%1 request count").arg(uartName(uart)));
        checkTimeout(bytes, uart);
    }
    checkByte(bytes, 2, kMode, 3, ConfigRecordTexts::tr("auxiliary port mode"));
    checkByte(bytes, 2, kSensors.countOffset, kMaxEntries + 1,
              ConfigRecordTexts::tr("sensor count"));
    ConfigRecord record;
    record.m_bytes = bytes.left(kSize);
    return record;
}

void ConfigRecord::gather(const WindowConfig &window)
{
    QByteArray bytes = m_bytes;
    for (int i = 0; i < 3; ++i)
        std::memset(bytes.data() + kReservedTexts + i * kReservedTextSize, ' ', kReservedTextSize);
    for (int uart = 0; uart < 2; ++uart)
        gatherUart(bytes, uart, window.uarts.at(size_t(uart)));
    gatherTable(bytes, 2, kSensors, QStringLiteral("1-wire"), window.sensors);
    bytes[sectionStart(2) + kMode] = char(window.auxMode);
    m_bytes = bytes;
}

WindowConfig ConfigRecord::spread(const WindowConfig &current) const
{
    WindowConfig window = current;
    for (int uart = 0; uart < 2; ++uart)
        window.uarts.at(size_t(uart)) = spreadUart(m_bytes, uart);
    window.uarts[1].bits = current.uarts[1].bits;
    window.uarts[1].stop = current.uarts[1].stop;
    window.auxMode = quint8(m_bytes.at(sectionStart(2) + kMode));
    window.sensors = spreadTable(m_bytes, 2, kSensors);
    return window;
}

}  // namespace plc
