#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>

namespace plc {

// A firmware image: the bytes to write, by address, in non-overlapping runs. Where it holds no
// byte the flash keeps its erased value, 0xFF.
class FirmwareImage {
public:
    // Adds bytes at address. False, with *overlapAt set, when some of them are already there.
    bool add(quint32 address, const QByteArray &bytes, quint32 *overlapAt = nullptr);

    bool isEmpty() const { return m_runs.empty(); }
    qint64 byteCount() const;
    quint32 lowest() const;   // the first address it holds (not for an empty image)
    quint32 highest() const;  // the last address it holds (not for an empty image)
    // count bytes from address, 0xFF where the image holds none.
    QByteArray bytesAt(quint32 address, int count) const;
    // The addresses of the size-aligned pieces (counted from base, at or above it) that hold at
    // least one byte of the image, in order: the pages to erase, the blocks to write.
    QList<quint32> pieces(quint32 base, int size) const;

    const std::map<quint32, QByteArray> &runs() const { return m_runs; }

private:
    std::map<quint32, QByteArray> m_runs;  // by first address; adjacent runs are joined
};

// An image file read, or the reason it cannot be used (empty when it can).
struct ImageFile {
    FirmwareImage image;
    QString error;
};

// Intel HEX text: data (00), end of file (01), extended segment (02) and linear (04) address,
// start linear address (05, ignored). A bad record is named with its line number.
ImageFile parseIntelHex(const QByteArray &text);
// Raw binary: the bytes placed from base on.
ImageFile rawImage(const QByteArray &bytes, quint32 base);
// Reads a file: Intel HEX when its name ends .hex, .ihex or .ihx, or when it reads as HEX text;
// otherwise raw binary at base. Errors name the file.
ImageFile loadImageFile(const QString &path, quint32 base);

// Whether a file name asks for Intel HEX (.hex, .ihex, .ihx) rather than raw binary.
bool isHexFileName(const QString &path);
// Bytes as Intel HEX text: 16 bytes a data record, an extended linear address record wherever
// the upper 16 bits of the address change, and the end-of-file record.
QByteArray intelHexText(quint32 address, const QByteArray &bytes);
// Saves flash bytes read from address: Intel HEX when the name asks for it, else raw binary.
// The file is replaced only once it is whole; the empty text when saved, else why not.
QString saveFlashFile(const QString &path, quint32 address, const QByteArray &bytes);

// Why an image cannot go to a flash of flashSize bytes at flashStart (empty when it can): an
// empty image, one lying outside the flash, one that does not fit. The address is named.
QString checkImageFits(const FirmwareImage &image, quint32 flashStart, quint32 flashSize);

}  // namespace plc
