#include "config_parts.h"

namespace plc {

namespace {

QString bytesText(const PointBytes &bytes)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())).toHex());
}

QStringList ioMapText(const IoMap &map)
{
    QStringList texts{bytesText(map.pointTypes), bytesText(map.inputsUsed),
                      bytesText(map.outputsUsed)};
    for (int point = 0; point < kIoPoints; ++point)
        texts.append(map.function.at(point) + QLatin1Char('|') + map.name.at(point));
    return texts;
}

const QList<QStringList> &tableRows(const Project &project, ConfigPart part)
{
    static const QList<QStringList> none;
    switch (part) {
        case ConfigPart::Uart1:
            return project.config.uarts.at(0).requests;
        case ConfigPart::Uart2:
            return project.config.uarts.at(1).requests;
        case ConfigPart::OneWire:
            return project.config.sensors;
        case ConfigPart::IoMap:
        case ConfigPart::Note:
            break;
    }
    return none;
}

}  // namespace

QStringList partSettingsText(const Project &project, ConfigPart part)
{
    switch (part) {
        case ConfigPart::Note:
            return {project.note};
        case ConfigPart::IoMap:
            return ioMapText(project.ioMap);
        case ConfigPart::OneWire: {
            const FieldNetSettings &f = project.fieldNet;
            return {QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(project.config.auxMode)
                        .arg(f.speed)
                        .arg(f.parity)
                        .arg(f.bits)
                        .arg(f.stop)};
        }
        case ConfigPart::Uart1:
        case ConfigPart::Uart2:
            break;
    }
    const UartTabState &s = project.config.uarts.at(part == ConfigPart::Uart1 ? 0 : 1);
    return {QString::number(int(s.settings.mode)),
            QString::number(s.settings.speed),
            QString::number(s.settings.parity),
            s.settings.address,
            s.settings.timeout,
            QString::number(s.bits),
            QString::number(s.stop)};
}

QStringList partText(const Project &project, ConfigPart part)
{
    QStringList texts = partSettingsText(project, part);
    for (const QStringList &row : tableRows(project, part))
        texts.append(row.join(QLatin1Char('|')));
    return texts;
}

}  // namespace plc
