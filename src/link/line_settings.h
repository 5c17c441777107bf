#pragma once

#include <QSerialPort>
#include <QString>

namespace plc {

// The line settings of a serial port, typed, with the text they go by ("9600,N,8,1").
class LineSettings {
public:
    // 9600,N,8,1.
    LineSettings();

    qint32 baudRate() const { return m_baudRate; }
    QSerialPort::Parity parity() const { return m_parity; }
    QSerialPort::DataBits dataBits() const { return m_dataBits; }
    QSerialPort::StopBits stopBits() const { return m_stopBits; }
    // As the settings file's lists spell them, such as "9600,N,8,1"; a stored index with no
    // entry in its list leaves no trace here.
    const QString &text() const { return m_text; }
    // Why a port cannot use these settings (a stored index no list has, 9 data bits); empty
    // when it can. The port refuses to open with such settings.
    const QString &fault() const { return m_fault; }

    // From a text such as "9600,N,8,1"; a Failure names the missing or unusable setting.
    static LineSettings parse(const QString &text);
    // From the indexes of the speed, parity, bit-number and stop-bit lists as the settings file
    // stores them (speed 0 = 9600 ... 4 = 115200; parity N, O, E; bits 7, 8, 9; stop 1, 1.5, 2).
    static LineSettings fromListIndexes(int speed, int parity, int bits, int stop);

    // The list entries behind those indexes, as the "COM-port setting" dialog shows them.
    static const QStringList &speedEntries();
    static const QStringList &parityEntries();
    static const QStringList &bitEntries();
    static const QStringList &stopEntries();

private:
    qint32 m_baudRate = 9600;
    QSerialPort::Parity m_parity = QSerialPort::NoParity;
    QSerialPort::DataBits m_dataBits = QSerialPort::Data8;
    QSerialPort::StopBits m_stopBits = QSerialPort::OneStop;
    QString m_text;
    QString m_fault;
};

// Which port an action talks through: its number (for messages; 0 for a device given by its
// path alone), the device behind it and its line settings.
struct PortSetup {
    int number = 0;
    QString device;  // such as /dev/ttyUSB0; empty when the number names no port
    LineSettings line;
};

}  // namespace plc
