#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace plc {

// The controller's discrete points, numbered 0 to 20.
constexpr int kIoPoints = 21;

// One byte per point (index 0 to 20).
using PointBytes = std::array<quint8, kIoPoints>;

// What a point is: the values of its point-type byte, the one the controller receives.
enum class IoType : quint8 { NotUsed = 0, Input = 1, Output = 2 };

// The I/O map as the window holds it: per point the texts of its Function and Prog.name cells
// and its function, and which input and output numbers are taken. A new map is all unassigned.
struct IoMap {
    std::array<QString, kIoPoints> function;
    std::array<QString, kIoPoints> name;
    PointBytes pointTypes{};   // IoType of each point: the only part the controller receives
    PointBytes inputsUsed{};   // 1 where that input number is given
    PointBytes outputsUsed{};  // 1 where that output number is given

    bool operator==(const IoMap &other) const
    {
        return function == other.function && name == other.name && pointTypes == other.pointTypes &&
               inputsUsed == other.inputsUsed && outputsUsed == other.outputsUsed;
    }
};

// The lowest index whose byte is 0; 0 when every byte is taken.
quint8 firstFreePoint(const PointBytes &bytes);

// The chooser's entries, by their place in its list.
enum class IoChoice { Input = 0, Output = 1, NotUse = 2 };
// "Input -X", "Output-Y", "Not use".
const QStringList &choiceTexts();

// "X" or "Y" followed by the number in octal: X0 to X7, X10 ...
QString ioName(QChar letter, int number);

// A choice made for a point. An input or output is accepted only on the next free point (the
// number of inputs given plus the number of outputs given), which then takes the lowest free
// number; "Not use" is accepted on any point. The number the point held before is freed.
// Whether accepted or not, the point's Function text becomes the chosen entry's text.
void applyChoice(IoMap &map, int point, IoChoice choice);

}  // namespace plc
