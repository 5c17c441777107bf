#include "failure.h"

#include <utility>

Failure::Failure(QString description)
    : m_description(std::move(description)), m_what(m_description.toUtf8())
{
}
