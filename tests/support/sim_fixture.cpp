#include "sim_fixture.h"

#include "ini_file.h"

namespace plc {

SimFixture::SimFixture()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    if (!plc.start(&m_error))
        return;
    writeIniValue(settingsFile(), QStringLiteral("PORTS"), QStringLiteral("COM1"),
                  plc.devicePath());
    setCom(QStringLiteral("Bit_num"), QStringLiteral("1"));  // 8 data bits: 9600,N,8,1
    m_ok = true;
}

SimFixture::~SimFixture()
{
    for (const std::unique_ptr<sim::VirtualPlc> &more : m_more)
        more->stop();
    plc.stop();
}

bool SimFixture::addControllers(int count)
{
    for (int i = 0; i < count; ++i) {
        m_more.push_back(std::make_unique<sim::VirtualPlc>());
        if (!m_more.back()->start(&m_error))
            return false;
        writeIniValue(settingsFile(), QStringLiteral("PORTS"),
                      QStringLiteral("COM%1").arg(m_more.size() + 1), m_more.back()->devicePath());
    }
    return true;
}

sim::VirtualPlc &SimFixture::controller(int number)
{
    return number <= 1 ? plc : *m_more.at(size_t(number - 2));
}

void SimFixture::setCom(const QString &key, const QString &value) const
{
    writeIniValue(settingsFile(), QStringLiteral("COM"), key, value);
}

QStringList wire(const QList<sim::VirtualPlc::Frame> &frames)
{
    QStringList texts;
    for (const sim::VirtualPlc::Frame &f : frames)
        texts.append(QStringList{f.command, f.address, f.count, f.data}.join(' ').trimmed());
    return texts;
}

}  // namespace plc
