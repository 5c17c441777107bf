#pragma once

#include "exchange_feed.h"

#include <QByteArray>
#include <QString>

namespace plc {

// How the monitor writes an exchange out: one text per column.
namespace exchangetext {

enum Column { Time, Port, Request, Answer, Command, Address, Count, Data, AnswerMs, Outcome };
constexpr int kColumns = Outcome + 1;

QString heading(int column);

// Line characters as text: printable ones as they are, control characters by their names
// ("<STX>", "<ACK>" ...), anything else by its code ("<8F>").
QString visible(const QByteArray &bytes);

// "accepted", "refused", "timeout", "wrong answer", "port lost".
QString outcome(Reply::Kind kind);

// The text of one column. Data is what a write sends, or what a read's answer brings back.
QString column(const ExchangeRecord &record, int column);

// The text of one column of the row that stands for a pause: the time of resuming, and in
// Data "12 exchanges not recorded while paused".
QString pauseColumn(const ExchangeRecord &resumed, int missed, int column);

}  // namespace exchangetext

}  // namespace plc
