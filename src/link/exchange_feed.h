#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace plc {

// How one exchange ended, as far as the line shows it.
enum class ExchangeOutcome {
    Accepted,     // ACK to a write or a probe; a read answer of the right shape
    Refused,      // NAK
    Timeout,      // the line stayed silent for the answer timeout before the answer was whole
    WrongAnswer,  // a whole answer of another kind or shape
    PortLost,     // the port failed while the request went out or its answer was awaited
};

// One finished exchange as the link saw it: a plain value, kept by whoever listens.
struct ExchangeRecord {
    QDateTime sentAt;  // local time the request went out
    int portNumber = 0;
    QString device;
    QByteArray request;  // as written, STX to checksum (or the one unframed character)
    QByteArray answer;   // everything received until the wait ended
    int answerMs = 0;    // from the request written to the end of the wait
    ExchangeOutcome outcome = ExchangeOutcome::Timeout;
};

// The fields of a request: command, address, count and data; all empty for a request that is
// not a frame (the single-character probe), whose command is then that one character.
struct FrameFields {
    QByteArray command;
    QByteArray address;
    QByteArray count;
    QByteArray data;
};
FrameFields decodeRequest(const QByteArray &request);

// Whether the request reads (a read or the CPU-type probe): its answer carries data.
bool isReadRequest(const FrameFields &fields);

// The outcome of an exchange from its request, what came back, whether the wait accepted it
// and whether the port was lost meanwhile.
ExchangeOutcome judgeExchange(const QByteArray &request, const QByteArray &answer, bool accepted,
                              bool portLost);

// Where every link publishes its finished exchanges. The links do not know who listens; with
// nobody connected they do not even build the record.
class ExchangeFeed : public QObject {
    Q_OBJECT

public:
    static ExchangeFeed &instance();

    bool isListened() const;
    void publish(const ExchangeRecord &record) { Q_EMIT finished(record); }

Q_SIGNALS:
    void finished(const ExchangeRecord &record);

private:
    ExchangeFeed() = default;
};

}  // namespace plc
