#include "failure.h"

#include <utility>

namespace plc {

Failure::Failure(QString description, Outcome::Kind kind, QString reason)
    : m_description(std::move(description)),
      m_kind(kind),
      m_reason(std::move(reason)),
      m_what(m_description.toUtf8())
{
}

Outcome Outcome::of(const Failure &failure)
{
    return {failure.kind(), failure.description(), QString(), failure.reason(), -1};
}

bool Outcome::isLinkFailure() const
{
    return kind >= Kind::Refused && kind <= Kind::PortNotOpened;
}

}  // namespace plc
