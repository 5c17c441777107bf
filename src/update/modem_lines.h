#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace plc {

// The two modem control lines a board may wire to its reset and its boot-mode pin.
enum class ModemLine { Dtr, Rts };
QString modemLineName(ModemLine line);  // "DTR", "RTS"

// One step of a sequence that drives the lines: a line asserted (1) or released (0), or a pause.
struct ModemStep {
    enum class Kind { Set, Wait };
    Kind kind = Kind::Wait;
    ModemLine line = ModemLine::Dtr;
    bool asserted = false;
    int ms = 0;

    bool operator==(const ModemStep &other) const
    {
        return kind == other.kind &&
               (kind == Kind::Wait ? ms == other.ms
                                   : line == other.line && asserted == other.asserted);
    }
};
using ModemSequence = QList<ModemStep>;

// "rts=1,dtr=0,wait=100,dtr=1,wait=50": dtr= and rts= take 0 or 1, wait= a pause in ms (0 to
// 10000); case and blanks around the parts do not matter. nullopt, with *error naming the bad
// part, when it is not such a list.
std::optional<ModemSequence> parseModemSequence(const QString &text, QString *error);

// What drives the lines: a serial port, or a recorder in tests.
class ModemLines {
public:
    virtual ~ModemLines() = default;
    // Asserts or releases the line; the empty text when done, else why not (naming the line).
    virtual QString setLine(ModemLine line, bool asserted) = 0;
    // Waits ms without using the CPU.
    virtual void pause(int ms) = 0;
};

// Runs the steps in order; stops at the first line that cannot be driven and says why.
QString runModemSequence(const ModemSequence &sequence, ModemLines &lines);

}  // namespace plc
