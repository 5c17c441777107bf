#include "flash_read.h"

#include "firmware_image.h"
#include "loader_client.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace plc {

namespace {

// The texts of reading and saving the flash, for the translator.
struct FlashReadTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::FlashRead)
};

QString byteRange(quint32 address, qint64 count)
{
    return FlashReadTexts::tr("%1 to %2")
        .arg(loader::hexAddress(address), loader::hexAddress(address + quint32(count - 1)));
}

// savedText: what was saved, from %1 (the range), %2 (the byte count) and %3 (the file).
UpdateOutcome saved(const QString &path, quint32 address, const QByteArray &bytes,
                    const QString &savedText)
{
    const QString failed = saveFlashFile(path, address, bytes);
    if (!failed.isEmpty())
        return {UpdateOutcome::Kind::BadImage, failed};
    return {UpdateOutcome::Kind::Done,
            savedText.arg(byteRange(address, bytes.size()), QString::number(bytes.size()), path)};
}

}  // namespace

UpdateOutcome backupErasedPages(LoaderClient &client, const FirmwareImage &image,
                                const QString &path)
{
    const QList<int> pages = client.pagesToErase(image);
    const int pageSize = client.info().pageSize;
    if (pages.isEmpty())
        return {UpdateOutcome::Kind::Done,
                FlashReadTexts::tr("No page is erased: no backup needed")};
    const quint32 from = loader::kFlashStart + quint32(pages.first() * pageSize);
    const int count = (pages.last() - pages.first() + 1) * pageSize;
    QByteArray bytes;
    UpdateOutcome outcome = client.read(from, count, &bytes);
    if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected)
        outcome.message = FlashReadTexts::tr(
            "The chip is readout-protected: the pages to be erased cannot be read, so no backup "
            "can be made; nothing was erased.");
    else if (!outcome.ok() && outcome.kind != UpdateOutcome::Kind::Cancelled)
        outcome.message =
            FlashReadTexts::tr("The backup failed; nothing was erased. ") + outcome.message;
    if (!outcome.ok())
        return outcome;
    outcome = saved(path, from, bytes, FlashReadTexts::tr("Backup of %1 (%2 bytes) saved in %3"));
    if (!outcome.ok())
        outcome.message += FlashReadTexts::tr("; nothing was erased.");
    return outcome;
}

QString backupFileName(const QString &port, const QDateTime &when)
{
    QString name = port;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("_"));
    return QStringLiteral("backup-%1-%2.bin")
        .arg(name, when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

UpdateOutcome readFlashToFile(LoaderClient &client, qint64 size, const QString &path)
{
    const qint64 flash = client.info().flashSize();
    if (size > flash)
        return {UpdateOutcome::Kind::BadImage,
                FlashReadTexts::tr("The flash holds %1 bytes (%2 KB); %3 bytes cannot be read.")
                    .arg(flash)
                    .arg(client.info().flashKb)
                    .arg(size)};
    QByteArray bytes;
    const UpdateOutcome outcome =
        client.read(loader::kFlashStart, int(size > 0 ? size : flash), &bytes);
    if (!outcome.ok())
        return outcome;
    return saved(path, loader::kFlashStart, bytes,
                 FlashReadTexts::tr("Flash %1 (%2 bytes) saved in %3"));
}

UpdateOutcome compareWithFlash(LoaderClient &client, const FirmwareImage &image)
{
    const QString misfit = checkImageFits(image, loader::kFlashStart, client.info().flashSize());
    if (!misfit.isEmpty())
        return {UpdateOutcome::Kind::BadImage, misfit + QLatin1Char('.')};
    qint64 differing = 0;
    std::optional<quint32> first;
    for (const auto &[address, bytes] : image.runs()) {
        QByteArray back;
        const UpdateOutcome outcome = client.read(address, int(bytes.size()), &back);
        if (!outcome.ok())
            return outcome;
        for (int i = 0; i < bytes.size(); ++i) {
            if (back.at(i) == bytes.at(i))
                continue;
            if (!first)
                first = address + quint32(i);
            ++differing;
        }
    }
    if (!first)
        return {UpdateOutcome::Kind::Done,
                FlashReadTexts::tr("The flash holds the image (%1 bytes compared)")
                    .arg(image.byteCount())};
    return {UpdateOutcome::Kind::VerifyDiffers,
            FlashReadTexts::tr("The flash differs from the image: first at %1, %2 of %3 bytes "
                               "differ.")
                .arg(loader::hexAddress(*first))
                .arg(differing)
                .arg(image.byteCount())};
}

}  // namespace plc
