#pragma once

#include "grid_model.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

namespace plc {

// Small helpers every widget and table test uses.
namespace testing {

// One data row on one line: row("name", a, b) adds what QTest::newRow("name") << a << b does.
template <typename... T>
void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << values);
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

// The rows below the heading, each as its first `cols` cells (all when -1) joined by "|".
QStringList rowTexts(const GridModel &grid, int cols = -1);

// A file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString &path);
// Writes a whole file; false when it cannot.
bool writeBytes(const QString &path, const QByteArray &bytes);

}  // namespace testing

}  // namespace plc
