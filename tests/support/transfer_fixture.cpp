#include "transfer_fixture.h"

#include "settings_store.h"

TransferFixture::TransferFixture()
{
    Setup_port(link);
}
