#include "io_map.h"

namespace {

// Frees the number a point's name holds, so that it can be given again and never twice.
void releaseName(IoMap &map, int point)
{
    const QString &name = map.name.at(point);
    bool ok = false;
    const int number = name.mid(1).toInt(&ok, 8);
    if (!ok || number < 0 || number >= kIoPoints)
        return;
    if (name.startsWith(QLatin1Char('X')))
        Mark_free(quint8(number), map.X_used);
    else if (name.startsWith(QLatin1Char('Y')))
        Mark_free(quint8(number), map.Y_used);
}

// Makes the point an input or output with this number.
void assign(IoMap &map, int point, IoType type, quint8 number)
{
    const bool input = type == IoType::Input;
    releaseName(map, point);
    Mark_used(number, input ? map.X_used : map.Y_used);
    map.name.at(point) = ioName(input ? QLatin1Char('X') : QLatin1Char('Y'), number);
    map.IO_type.at(point) = quint8(type);
}

}  // namespace

quint8 First_free(const PointBytes &bytes)
{
    for (int i = 0; i < kIoPoints; ++i) {
        if (bytes[i] == 0)
            return quint8(i);
    }
    return 0;
}

// An index beyond the map is a programming error: at() stops it.
void Mark_used(quint8 index, PointBytes &bytes)
{
    bytes.at(index) = 1;
}

void Mark_free(quint8 index, PointBytes &bytes)
{
    bytes.at(index) = 0;
}

const QStringList &choiceTexts()
{
    static const QStringList texts = {QStringLiteral("Input -X"), QStringLiteral("Output-Y"),
                                      QStringLiteral("Not use")};
    return texts;
}

QString ioName(QChar letter, int number)
{
    return letter + QString::number(number, 8);
}

void applyChoice(IoMap &map, int point, IoChoice choice)
{
    // Both are taken before anything changes.
    const quint8 fy = First_free(map.Y_used);
    const quint8 fx = First_free(map.X_used);
    const bool nextFree = point == fx + fy;
    switch (choice) {
        case IoChoice::Input:
            if (nextFree)
                assign(map, point, IoType::Input, fx);
            break;
        case IoChoice::Output:
            if (nextFree)
                assign(map, point, IoType::Output, fy);
            break;
        case IoChoice::NotUse:
            releaseName(map, point);
            map.name.at(point).clear();
            map.IO_type.at(point) = quint8(IoType::NotUsed);
            break;
    }
    map.function.at(point) = choiceTexts().at(int(choice));
}

void newIoConfig(IoMap &map)
{
    map = IoMap();
}
