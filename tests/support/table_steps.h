#pragma once

// What the table and transfer tests share: data-driven tests whose rows each hold one whole
// case.
#include <QString>
#include <QTest>
#include <initializer_list>
#include <utility>

namespace plc {

namespace tablesteps {

// The controller's message when it does not answer in time.
inline const QString kSilence = QStringLiteral("Answer timeout from PLC");
// The request cell editor's refusals: UART 1's, and UART 2's in its outer and inner columns.
inline const QString kRefusedUart1 =
    QStringLiteral("You are enter incorrect value ! Pls use correct value!");
inline const QString kRefusedOuter =
    QStringLiteral("You are enter incorrect value ! Pls use correct value !");
inline const QString kRefusedInner =
    QStringLiteral("You are enter incorrect value !  Pls use correct value !");

// The rows of a data-driven test, one case each in the column "c", for QFETCH(Case, c).
template <class Case>
void addCases(std::initializer_list<std::pair<const char *, Case>> cases)
{
    QTest::addColumn<Case>("c");
    for (const auto &[name, c] : cases)
        QTest::newRow(name) << c;
}

}  // namespace tablesteps

}  // namespace plc
