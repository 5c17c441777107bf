#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace plc {

// One request to the controller as a value: what it asks, where and how much. It knows the frame
// it travels in and how long a whole answer to it is.
struct Request {
    enum class Command {
        Read,          // "E00": `bytes` bytes from address
        Write,         // "E11": data from address
        CommandWrite,  // "E10": a word the controller acts on (a search, a Modbus restart)
        CpuTypeProbe,  // "0": the CPU type's word
        Enquiry,       // ENQ alone, without a frame
    };

    Command command = Command::Read;
    int address = 0;
    int bytes = 0;
    QByteArray data;  // hexadecimal digits, two a byte; writes only

    static Request read(int address, int bytes) { return {Command::Read, address, bytes, {}}; }
    // A write of data (hexadecimal digits); its byte count is half their number.
    static Request write(int address, const QString &digits, Command command = Command::Write)
    {
        const QByteArray data = digits.toLatin1();
        return {command, address, int(data.size() / 2), data};
    }
    static Request cpuTypeProbe(int address) { return {Command::CpuTypeProbe, address, 2, {}}; }
    static Request enquiry() { return {Command::Enquiry, 0, 0, {}}; }

    // A read or the probe: the answer carries data.
    bool readsData() const { return command == Command::Read || command == Command::CpuTypeProbe; }
    // "E00", "E11", "E10", "0", or the ENQ character itself.
    QByteArray commandText() const;
    // The address and count as the frame carries them ("2008", "02"); empty for ENQ.
    QByteArray addressText() const;
    QByteArray countText() const;
    // What goes on the line, in one piece: STX, body, ETX, checksum; ENQ alone.
    QByteArray frame() const;
    // How many characters make the answer whole: STX, two digits a byte, ETX and the checksum
    // for one that carries data, a single character otherwise.
    int answerLength() const { return readsData() ? 2 * bytes + 4 : 1; }
};

// How the controller answered one request, judged once, where the answer came in.
struct Reply {
    enum class Kind {
        Acknowledged,  // ACK to a write or to ENQ
        Data,          // a read answer of the right shape
        Refused,       // NAK
        WrongAnswer,   // a whole answer of another kind or shape
        NoAnswer,      // the line stayed silent for the timeout before the answer was whole
        PortLost,      // the port failed while the request went out or its answer was awaited
    };

    Kind kind = Kind::NoAnswer;
    QByteArray received;  // everything that came, until the wait ended
    QString lostReason;   // the system's words, when the port was lost

    // Judges what came for a request: whole tells whether the answer reached its length before
    // the line went silent; lostReason is null unless the port failed meanwhile.
    static Reply judge(const Request &request, QByteArray received, bool whole,
                       const QString &lostReason);

    bool isData() const { return kind == Kind::Data; }
    // The data digits of a read answer, two a byte, STX and ETX left out.
    QByteArray digits() const { return received.mid(1, received.indexOf('\x03', 1) - 1); }
    // The 16-bit word at data byte offset `byte`, low byte first on the line.
    quint16 word(int byte = 0) const;
    // The code of the first character that came; -1 when none came.
    int firstCode() const { return received.isEmpty() ? -1 : quint8(received.at(0)); }
};

}  // namespace plc
