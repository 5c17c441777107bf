#include "failure.h"

#include <utility>

Failure::Failure(QString description, Cause cause)
    : m_description(std::move(description)), m_cause(cause), m_what(m_description.toUtf8())
{
}
