#include "loader_protocol.h"

namespace plc {

namespace loader {

quint8 xorOf(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (const char c : bytes)
        sum ^= quint8(c);
    return sum;
}

QByteArray commandFrame(quint8 command)
{
    QByteArray frame;
    frame.append(char(command));
    frame.append(char(command ^ 0xFF));
    return frame;
}

QByteArray addressFrame(quint32 address)
{
    QByteArray frame;
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.append(char((address >> shift) & 0xFF));
    frame.append(char(xorOf(frame)));
    return frame;
}

QByteArray readLengthFrame(int count)
{
    Q_ASSERT(count >= 1 && count <= kMaxBlock);
    return commandFrame(quint8(count - 1));
}

QByteArray dataFrame(const QByteArray &data)
{
    Q_ASSERT(!data.isEmpty() && data.size() <= kMaxBlock);
    QByteArray frame(1, char(data.size() - 1));
    frame += data;
    frame.append(char(xorOf(frame)));
    return frame;
}

QByteArray eraseFrame(const QList<int> &pages)
{
    Q_ASSERT(!pages.isEmpty() && pages.size() <= kMaxErasePages);
    QByteArray frame(1, char(pages.size() - 1));
    for (const int page : pages)
        frame.append(char(page & 0xFF));
    frame.append(char(xorOf(frame)));
    return frame;
}

QByteArray extendedEraseFrame(const QList<int> &pages)
{
    Q_ASSERT(!pages.isEmpty() && pages.size() <= 0xFFF0);
    QByteArray frame;
    const int count = int(pages.size()) - 1;
    frame.append(char(count >> 8));
    frame.append(char(count & 0xFF));
    for (const int page : pages) {
        frame.append(char((page >> 8) & 0xFF));
        frame.append(char(page & 0xFF));
    }
    frame.append(char(xorOf(frame)));
    return frame;
}

int getAnswerLength(const QByteArray &head)
{
    return head.isEmpty() ? -1 : quint8(head.at(0)) + 1;
}

std::optional<GetAnswer> parseGetAnswer(const QByteArray &answer)
{
    const int length = getAnswerLength(answer);
    if (length < 1 || answer.size() != 1 + length)
        return std::nullopt;
    return GetAnswer{quint8(answer.at(1)), answer.mid(2)};
}

std::optional<quint16> parseIdAnswer(const QByteArray &answer)
{
    if (answer.size() != 3 || answer.at(0) != 1)
        return std::nullopt;
    return quint16((quint8(answer.at(1)) << 8) | quint8(answer.at(2)));
}

std::optional<Chip> chipFor(quint16 pid)
{
    constexpr quint32 f1Size = 0x1FFFF7E0;
    constexpr quint32 f1Options = 0x1FFFF800;
    constexpr quint32 f3Size = 0x1FFFF7CC;
    switch (pid) {
        case 0x412:
            return Chip{pid, QStringLiteral("STM32F10x low density"), 1024, f1Size, f1Options};
        case 0x410:
            return Chip{pid, QStringLiteral("STM32F10x medium density"), 1024, f1Size, f1Options};
        case 0x414:
            return Chip{pid, QStringLiteral("STM32F10x high density"), 2048, f1Size, f1Options};
        case 0x430:
            return Chip{pid, QStringLiteral("STM32F10x XL density"), 2048, f1Size, f1Options};
        case 0x422:
        case 0x432:
        case 0x438:
        case 0x439:
        case 0x446:
            return Chip{pid, QStringLiteral("STM32F3 family"), 2048, f3Size};
        default:
            return std::nullopt;
    }
}

QList<int> writeProtectedPages(const QByteArray &optionBytes, const Chip &chip,
                               const QList<int> &pages)
{
    QList<int> locked;
    if (optionBytes.size() < kOptionBytesCount)
        return locked;
    quint32 unlocked = 0;  // one bit per group of pages, 1: writable
    for (int i = 0; i < 4; ++i)
        unlocked |= quint32(quint8(optionBytes.at(8 + 2 * i))) << (8 * i);
    for (const int page : pages) {
        const int bit = chip.pageSize == 1024 ? page / 4 : qMin(page / 2, 31);
        if (bit < 32 && (unlocked & (1U << bit)) == 0)
            locked.append(page);
    }
    return locked;
}

QString hexAddress(quint32 address)
{
    // By hand: every block's step is named with it, between one answer and the next command.
    static const char digits[] = "0123456789ABCDEF";
    char text[10] = {'0', 'x'};
    for (int i = 0; i < 8; ++i)
        text[2 + i] = digits[(address >> (28 - 4 * i)) & 0xF];
    return QString::fromLatin1(text, int(sizeof text));
}

}  // namespace loader

}  // namespace plc
