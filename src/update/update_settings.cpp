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

}  // namespace plc
