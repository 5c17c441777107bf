#pragma once

#include "exchange.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace plc {

// One finished exchange as the link saw it: a plain value, kept by whoever listens.
struct ExchangeRecord {
    QDateTime sentAt;  // local time the request went out
    int portNumber = 0;
    QString device;
    Request request;
    QByteArray frame;  // as written, STX to checksum (or the one unframed character)
    Reply reply;       // with everything received until the wait ended
    int answerMs = 0;  // from the request written to the end of the wait
};

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
