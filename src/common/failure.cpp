#include "failure.h"

#include <utility>

Failure::Failure(QString description, Cause cause, QString reason)
    : m_description(std::move(description)),
      m_cause(cause),
      m_reason(std::move(reason)),
      m_what(m_description.toUtf8())
{
}
