#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace plc {

// One write to a controller as the history keeps it: who wrote what to which port, when, and how
// it ended. Stored as one JSON object on one line.
struct HistoryEntry {
    QDateTime time;  // UTC
    QString user;
    QString host;
    QString version;     // of the program that wrote
    int portNumber = 0;  // COMn; 0 for a device named by its path alone
    QString device;
    std::optional<int> cpuType;  // when the action read it
    QString action;              // "download UART 1", "load to PLC", "restart" ...
    QString file;                // the file written from; null when none
    QByteArray sha256;           // hexadecimal, of the bytes sent
    qint64 bytes = 0;            // how many bytes were sent
    QString outcome;             // "done", "refused", "timeout", "cancelled" ...
    QString message;             // the outcome's text
    bool partial = false;        // the controller may hold a partial configuration
    bool verified = false;       // read back after writing and found as written

    // "COM3", or the device's path when it has no port number.
    QString portText() const;
    // The result as a person reads it: "done", or the outcome's text, with the partial note.
    QString resultText() const;
    QJsonObject toJson() const;
    static HistoryEntry fromJson(const QJsonObject &json);
};

// One line of the history file: the entry and the line as stored, its end of line left off.
struct HistoryLine {
    HistoryEntry entry;
    QByteArray text;
};

// The line an entry is stored as, ending in '\n': a compact JSON object, which holds no line
// break of its own (those in texts are escaped).
QByteArray historyLineOf(const HistoryEntry &entry);

// A stored line read back; none for one that is not a whole entry (a line cut short by a crash,
// a line with no valid time).
std::optional<HistoryLine> parseHistoryLine(const QByteArray &text);

// How the time is stored: UTC, ISO 8601 with milliseconds, "Z" ("2025-03-01T08:15:02.120Z").
QString historyTimeText(const QDateTime &time);

}  // namespace plc
