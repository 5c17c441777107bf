#include "project_names.h"

#include "request_record.h"
#include "sensor_record.h"

namespace plc {

namespace {

void keepRows(QList<QStringList> &rows, const NamesKept &named, NamesKept &total)
{
    rows = named.rows;
    total += named;
}

}  // namespace

NamesKept keepProjectNames(const Project &named, Project &read, const ProjectParts &parts)
{
    NamesKept total;
    for (ProjectPart part : parts) {
        switch (part) {
            case ProjectPart::Uart1:
            case ProjectPart::Uart2: {
                const int uart = part == ProjectPart::Uart1 ? 0 : 1;
                QList<QStringList> &requests = read.config.uarts[uart].requests;
                keepRows(requests, keepRequestNames(named.config.uarts[uart].requests, requests),
                         total);
                break;
            }
            case ProjectPart::OneWire:
                keepRows(read.config.sensors,
                         keepSensorNames(named.config.sensors, read.config.sensors), total);
                break;
            case ProjectPart::IoMap:
                break;
        }
    }
    return total;
}

}  // namespace plc
