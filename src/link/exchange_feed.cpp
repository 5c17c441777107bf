#include "exchange_feed.h"

#include <QMetaMethod>

namespace plc {

ExchangeFeed &ExchangeFeed::instance()
{
    static ExchangeFeed feed;
    return feed;
}

bool ExchangeFeed::isListened() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&ExchangeFeed::finished);
    return isSignalConnected(signal);
}

}  // namespace plc
