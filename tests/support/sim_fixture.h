#pragma once

#include "ini_file.h"
#include "virtual_plc.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace plc {

// The frames as tests compare them: "E11 3000 02 0FFF", "E00 2008 02", one text a frame.
QStringList wire(const QList<sim::VirtualPlc::Frame> &frames);

// A temporary folder whose set.ini the settings file path points at while it lives; nothing is
// written there until a test writes it.
class SettingsDir : public QTemporaryDir {
public:
    SettingsDir() { setSettingsFilePath(file()); }
    ~SettingsDir() { setSettingsFilePath(QString()); }
    QString file() const { return filePath(QStringLiteral("set.ini")); }
};

// A virtual controller on a real pseudo-terminal, reached as COM1 through a temporary settings
// file's [PORTS] section. The settings file path points at it while the fixture lives.
class SimFixture {
public:
    SimFixture();
    ~SimFixture();

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString settingsFile() const { return m_dir.file(); }
    // Writes a "COM" key (Speed, Parity, Bit_num, Stop_bit, Port_num).
    void setCom(const QString &key, const QString &value) const;

    // Starts more controllers, each on its own pty, mapped as COM2, COM3 ... in the settings
    // file; false (with error()) when one does not start.
    bool addControllers(int count);
    // The controller behind COMn: plc for COM1, then those added.
    sim::VirtualPlc &controller(int number);

    sim::VirtualPlc plc;

private:
    std::vector<std::unique_ptr<sim::VirtualPlc>> m_more;
    SettingsDir m_dir;
    bool m_ok = false;
    QString m_error;
};

}  // namespace plc
