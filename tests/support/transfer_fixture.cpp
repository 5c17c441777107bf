#include "transfer_fixture.h"

#include "settings_store.h"

namespace plc {

TransferFixture::TransferFixture()
{
    applyStoredPortSettings(link);
}

}  // namespace plc
