#include "transfer_fixture.h"

#include "settings_store.h"
#include "test_helpers.h"

namespace plc {

TransferFixture::TransferFixture()
{
    applyStoredPortSettings(link);
}

void TransferTest::init()
{
    testing::start(m_f);
    m_portOpened = false;
}

void TransferTest::startWithOpenPort()
{
    init();
    m_f->link.open();
    m_portOpened = true;
    QVERIFY(m_f->link.isOpen());
}

void TransferTest::cleanup()
{
    if (!m_portOpened)
        QVERIFY(m_f->released());
    m_f.reset();
}

}  // namespace plc
