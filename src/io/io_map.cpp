#include "io_map.h"

namespace plc {

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
        map.inputsUsed.at(number) = 0;
    else if (name.startsWith(QLatin1Char('Y')))
        map.outputsUsed.at(number) = 0;
}

// Makes the point an input or output with this number.
void assign(IoMap &map, int point, IoType type, quint8 number)
{
    const bool input = type == IoType::Input;
    releaseName(map, point);
    (input ? map.inputsUsed : map.outputsUsed).at(number) = 1;
    map.name.at(point) = ioName(input ? QLatin1Char('X') : QLatin1Char('Y'), number);
    map.pointTypes.at(point) = quint8(type);
}

}  // namespace

quint8 firstFreePoint(const PointBytes &bytes)
{
    for (int i = 0; i < kIoPoints; ++i) {
        if (bytes[i] == 0)
            return quint8(i);
    }
    return 0;
}

const QStringList &choiceTexts()
{
    // Kept by their text in project files; the window shows them translated.
    static const QStringList texts = {
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Input -X")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Output-Y")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Not use"))};
    return texts;
}

QString ioName(QChar letter, int number)
{
    return letter + QString::number(number, 8);
}

void applyChoice(IoMap &map, int point, IoChoice choice)
{
    // Both are taken before anything changes.
    const quint8 fy = firstFreePoint(map.outputsUsed);
    const quint8 fx = firstFreePoint(map.inputsUsed);
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
            map.pointTypes.at(point) = quint8(IoType::NotUsed);
            break;
    }
    map.function.at(point) = choiceTexts().at(int(choice));
}

}  // namespace plc
