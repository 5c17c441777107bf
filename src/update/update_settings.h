#pragma once

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
