#pragma once

#include "grid_model.h"
#include "sim_fixture.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <memory>

namespace plc {

// Small helpers every widget and table test uses.
namespace testing {

// One data row on one line: row("name", a, b) adds what QTest::newRow("name") << a << b does.
template <typename... T>
void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << values);
}

// A data table's columns in one call: columns<QString, int>({"text", "value"}) declares what
// QTest::addColumn<QString>("text") and QTest::addColumn<int>("value") do.
template <typename... T>
void columns(const std::array<const char *, sizeof...(T)> &names)
{
    std::size_t i = 0;
    (QTest::addColumn<T>(names[i++]), ...);
}

// A data table of one bool column: the row named `no` holds false, the row named `yes` true.
inline void boolColumn(const char *name, const char *no, const char *yes)
{
    QTest::addColumn<bool>(name);
    row(no, false);
    row(yes, true);
}

// The control of this type and objectName below parent; the test stops when there is none.
template <class T>
T *child(const QObject *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// What a program said on standard error, run with LANG set to lang and nothing else of the
// environment asking for a language; *exitCode gets its exit code (-1 when it did not end).
QString standardErrorUnder(const QString &lang, const QString &program,
                           const QStringList &arguments, int *exitCode);

// The rows below the heading, each as its first `cols` cells joined by "|"; -1: all but an
// optional last column (a row's name).
QStringList rowTexts(const GridModel &grid, int cols = -1);

// The virtual controller of a fixture, or the fixture itself when it is one.
inline const SimFixture &simOf(const SimFixture &sim)
{
    return sim;
}
template <class Fixture>
const SimFixture &simOf(const Fixture &f)
{
    return f.sim;
}

// A fresh fixture in `f` for the next test function (the last one gone first, so that two
// controllers never hold a pseudo-terminal at once); the test stops when its virtual controller
// did not start.
template <class Fixture>
void start(std::unique_ptr<Fixture> &f)
{
    f.reset();
    f = std::make_unique<Fixture>();
    QVERIFY2(simOf(*f).ok(), qPrintable(simOf(*f).error()));
}

// A file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString &path);
// Writes a whole file; false when it cannot.
bool writeBytes(const QString &path, const QByteArray &bytes);

}  // namespace testing

}  // namespace plc
