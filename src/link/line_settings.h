#pragma once

#include <QSerialPort>
#include <QString>

// A line-settings text such as "9600,N,8,1", taken apart for the serial port.
struct LineSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;

    // Raises a Failure that names the missing or unusable setting.
    static LineSettings parse(const QString &text);
};
