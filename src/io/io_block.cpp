#include "io_block.h"

#include "hex_text.h"

namespace plc {

namespace {

QString maskDigits(quint32 mask)
{
    return hextext::word(quint16(mask & 0xFFFF)) + hextext::word(quint16(mask >> 16));
}

// The mask whose two words start at data byte `byte` of the answer, low word first.
quint32 maskAt(const QString &answer, int byte)
{
    return quint32(hextext::wordAt(answer, byte)) | quint32(hextext::wordAt(answer, byte + 2))
                                                        << 16;
}

bool has(quint32 mask, int point)
{
    return (mask >> point) & 1U;
}

}  // namespace

IoMasks masksOf(const PointBytes &pointTypes)
{
    IoMasks masks;
    for (int point = 0; point < kIoPoints; ++point) {
        if (pointTypes[point] == quint8(IoType::Input))
            masks.inputs |= 1U << point;
        else if (pointTypes[point] == quint8(IoType::Output))
            masks.outputs |= 1U << point;
    }
    return masks;
}

QString encodeIoBlock(const IoMasks &masks)
{
    return maskDigits(masks.inputs) + maskDigits(masks.outputs);
}

IoMasks decodeIoBlock(const QString &answer)
{
    return {maskAt(answer, 0), maskAt(answer, 4)};
}

void applyUpload(IoMap &map, const IoMasks &masks)
{
    IoMap uploaded;
    quint8 x = 0;
    quint8 y = 0;
    for (int point = 0; point < kIoPoints; ++point) {
        if (has(masks.inputs, point)) {
            uploaded.function[point] =
                QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Input -X"));
            uploaded.name[point] = ioName(QLatin1Char('X'), x);
            uploaded.pointTypes[point] = quint8(IoType::Input);
            uploaded.inputsUsed.at(x++) = 1;
        } else if (has(masks.outputs, point)) {
            uploaded.function[point] =
                QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Output -Y"));
            uploaded.name[point] = ioName(QLatin1Char('Y'), y);
            uploaded.pointTypes[point] = quint8(IoType::Output);
            uploaded.outputsUsed.at(y++) = 1;
        }
    }
    map = uploaded;
}

}  // namespace plc
