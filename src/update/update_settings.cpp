#include "update_settings.h"

namespace plc {

UnfinishedMark::UnfinishedMark(UpdateSettings *settings, const QString &device)
    : m_settings(settings), m_device(device)
{
    if (!m_settings)
        return;
    m_before = m_settings->updateUnfinished(m_device);
    m_settings->setUpdateUnfinished(m_device, true);
}

void UnfinishedMark::end(bool reached, bool started)
{
    if (m_settings)
        m_settings->setUpdateUnfinished(m_device, started ? false : reached || m_before);
}

UnfinishedMarks::UnfinishedMarks(UpdateSettings *settings, const QStringList &devices)
{
    if (!settings)
        return;
    m_setting = std::thread([this, settings, devices] {
        for (const QString &device : devices)
            m_marks.emplace_back(settings, device);
    });
}

UnfinishedMarks::~UnfinishedMarks()
{
    waitForThem();
}

void UnfinishedMarks::waitForThem()
{
    if (m_setting.joinable())
        m_setting.join();
}

void UnfinishedMarks::end(int i, bool reached, bool started)
{
    waitForThem();
    if (i < int(m_marks.size()))
        m_marks[size_t(i)].end(reached, started);
}

FirmwareWrite firmwareWrite(int portNumber, const QString &device, const QString &imageFile,
                            const FirmwareImage &image, const UpdateOutcome &outcome, bool reached)
{
    FirmwareWrite write{portNumber, device, imageFile, {}, outcome, false};
    for (const auto &[address, bytes] : image.runs())
        write.written += bytes;  // in address order, as the loader's writes go
    // Refused before the erase (read protection, a bad image) leaves the flash as it was.
    const bool beforeErase = outcome.kind == UpdateOutcome::Kind::ReadoutProtected ||
                             outcome.kind == UpdateOutcome::Kind::BadImage;
    write.partial = reached && !outcome.ok() && !beforeErase;
    return write;
}

}  // namespace plc
