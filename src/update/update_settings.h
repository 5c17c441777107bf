#pragma once

#include "firmware_image.h"
#include "update_outcome.h"

#include <QString>
#include <QStringList>
#include <thread>
#include <vector>

namespace plc {

// The update window's choices as the user left them.
struct WindowChoices {
    int toolPort = 0;  // the configuration tool's port number they were made under
    QString device;
    int speed = 115200;
    bool evenParity = true;
    QString entry;  // the entry sequence as typed
};

// An image written through the loader, as the user's history of writes keeps it.
struct FirmwareWrite {
    int portNumber = 0;  // COMn; 0 for a device named by its path
    QString device;
    QString imageFile;
    QByteArray written;  // the image's bytes in the order they go into the flash
    UpdateOutcome outcome;
    bool partial = false;  // the flash may hold part of the image: erased, not all verified
};
// The write of image from imageFile on a device, as it ended; reached: the loader answered.
FirmwareWrite firmwareWrite(int portNumber, const QString &device, const QString &imageFile,
                            const FirmwareImage &image, const UpdateOutcome &outcome, bool reached);

// What plc-update reads from and keeps in the configuration tool's settings: the device behind a
// port number, the window's choices, and the devices an update was left unfinished on (which
// the tool's main window reads to explain a controller that does not answer).
class UpdateSettings {
public:
    virtual ~UpdateSettings() = default;
    // The device behind port number n as the tool maps it; the empty text for n < 1.
    virtual QString deviceOf(int number) const = 0;
    // The window's choices; toolPort 0 and no device when none were kept.
    virtual WindowChoices windowChoices() const = 0;
    virtual void keepWindowChoices(const WindowChoices &choices) = 0;
    virtual bool updateUnfinished(const QString &device) const = 0;
    virtual void setUpdateUnfinished(const QString &device, bool unfinished) = 0;
    // A write of an image ended: one line in the user's history of writes (the tool's own
    // file, beside its settings). None by default: tests and the loader alone keep no history.
    virtual void recordWrite(const FirmwareWrite & /*write*/) {}
};

// The mark of an update on one device for the length of a run: set as the run starts (so a run
// that never ends leaves it set) and, at its end, cleared once the firmware was started, put
// back as it was when the run never reached the controller, else left set. No settings: no mark.
class UnfinishedMark {
public:
    UnfinishedMark(UpdateSettings *settings, const QString &device);
    // reached: the controller was switched over or its loader answered; started: Go was
    // acknowledged or the exit sequence driven.
    void end(bool reached, bool started);

private:
    UpdateSettings *m_settings;
    QString m_device;
    bool m_before = false;
};

// The marks of a command-line run, one per device, set on a thread of their own: the settings
// file is synced to disk when written, and the first byte to the loader need not wait for that.
// Only they touch the settings file while the run goes on.
class UnfinishedMarks {
public:
    UnfinishedMarks(UpdateSettings *settings, const QStringList &devices);
    ~UnfinishedMarks();
    UnfinishedMarks(const UnfinishedMarks &) = delete;
    UnfinishedMarks &operator=(const UnfinishedMarks &) = delete;

    // The end of the run on devices[i], as UnfinishedMark::end; on the thread that made them.
    void end(int i, bool reached, bool started);

private:
    void waitForThem();

    std::vector<UnfinishedMark> m_marks;
    std::thread m_setting;
};

}  // namespace plc
