#include "stop_switch.h"

namespace plc {

void StopSwitch::raise()
{
    if (!m_flag.exchange(true))
        Q_EMIT raised();
}

}  // namespace plc
