#include "exchange.h"

#include "frame.h"
#include "hex_text.h"
#include "plc_link.h"

namespace plc {

namespace {

QString firstCharacterCode(const QByteArray &received)
{
    return QString::number(static_cast<unsigned char>(received.at(0)), 16).toUpper();
}

}  // namespace

QString readMemory(PlcLink &link, int timeoutMs, const QString &address, const QString &count)
{
    const int expected = 2 * hexToNumber(count) + 4;
    bool accepted = false;
    const QByteArray answer = link.exchange(
        frame::build(QStringLiteral("E00") + address + count), timeoutMs,
        [expected](const QByteArray &text) { return text.size() >= expected; }, &accepted);
    return accepted ? QString::fromLatin1(answer) : QString();
}

QString writeMemory(PlcLink &link, int timeoutMs, const QString &command, const QString &address,
                     const QString &count, const QString &data)
{
    bool accepted = false;
    const QByteArray answer = link.exchange(
        frame::build(command + address + count + data), timeoutMs,
        [](const QByteArray &text) { return !text.isEmpty(); }, &accepted);
    return accepted ? firstCharacterCode(answer) : answer::Timeout;
}

QString readCpuType(PlcLink &link, int timeoutMs, const QString &address)
{
    bool accepted = false;
    const QByteArray answer = link.exchange(
        frame::build(QStringLiteral("0") + address + QStringLiteral("02")), timeoutMs,
        [](const QByteArray &text) { return text.size() > 7; }, &accepted);
    if (!accepted || !frame::isReadAnswer(QString::fromLatin1(answer), 2))
        return QString();
    const QString digits = QString::fromLatin1(answer.mid(1, 4));
    return QString::number(hexToNumber(hextext::swapPairs(digits)));
}

QString sendCharacter(PlcLink &link, int timeoutMs, int code)
{
    bool accepted = false;
    const QByteArray answer = link.exchange(
        QByteArray(1, char(code & 0xFF)), timeoutMs,
        [](const QByteArray &text) { return !text.isEmpty(); }, &accepted);
    return accepted ? firstCharacterCode(answer) : QString();
}

}  // namespace plc
