#pragma once

#include <QtTest>

// Small helpers of the monitor, diagnosis, service, update, simulator and common tests.
namespace testing {

// One data row on one line: row("name", a, b) adds what QTest::newRow("name") << a << b does.
template <typename... T>
void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << values);
}

}  // namespace testing
