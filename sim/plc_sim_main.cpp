// plc-sim: a virtual controller on a new pseudo-terminal, for trying the tool without hardware.
#include "virtual_plc.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 's';
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

QString printable(const QByteArray &raw)
{
    QString text;
    for (const char c : raw) {
        if (c == 0x02)
            text += QStringLiteral("<STX>");
        else if (c == 0x03)
            text += QStringLiteral("<ETX>");
        else if (uchar(c) < 0x20 || uchar(c) > 0x7E)
            text += QStringLiteral("<%1>").arg(uchar(c), 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plc-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A virtual controller on a pseudo-terminal. It prints the device to open "
                       "and every frame it receives; Ctrl-C ends it."));
    parser.addHelpOption();
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Also reach the terminal through a symlink at <path>."),
        QStringLiteral("path"));
    const QCommandLineOption cpu(QStringLiteral("cpu-type"),
                                 QStringLiteral("CPU type the probe answers (default 291)."),
                                 QStringLiteral("n"), QStringLiteral("291"));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("A 1-wire ROM code the bus search finds, 16 hex "
                                                   "digits, Byte 0 first; repeat for more."),
                                    QStringLiteral("hex"));
    parser.addOptions({link, cpu, device});
    parser.process(app);

    VirtualPlc plc;
    bool ok = false;
    const uint cpuType = parser.value(cpu).toUInt(&ok, 0);
    if (!ok || cpuType > 0xFFFF) {
        std::fprintf(stderr, "plc-sim: --cpu-type takes a number from 0 to 65535\n");
        return 2;
    }
    plc.setCpuType(quint16(cpuType));
    QList<QByteArray> devices;
    for (const QString &code : parser.values(device)) {
        const QByteArray bytes = QByteArray::fromHex(code.toLatin1());
        if (bytes.size() != 8 || code.size() != 16) {
            std::fprintf(stderr, "plc-sim: --device takes 16 hex digits, not %s\n",
                         qPrintable(code));
            return 2;
        }
        devices.append(bytes);
    }
    plc.setOneWireDevices(devices);
    plc.setFrameCallback([](const VirtualPlc::Frame &frame) {
        std::printf("%s%s\n", qPrintable(printable(frame.raw)),
                    frame.valid ? "" : "  (rejected: NAK)");
        std::fflush(stdout);
    });

    QString error;
    if (!plc.start(&error)) {
        std::fprintf(stderr, "plc-sim: %s\n", qPrintable(error));
        return 1;
    }
    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(plc.devicePath(), linkPath)) {
            std::fprintf(stderr, "plc-sim: cannot create the link %s\n", qPrintable(linkPath));
            return 1;
        }
    }
    std::printf("plc-sim: virtual controller on %s%s%s\n", qPrintable(plc.devicePath()),
                linkPath.isEmpty() ? "" : " linked as ", qPrintable(linkPath));
    std::printf("plc-sim: map it in set.ini: [PORTS] COM1=%s\n",
                qPrintable(linkPath.isEmpty() ? plc.devicePath() : linkPath));
    std::fflush(stdout);

    if (pipe(g_signalPipe) != 0)
        return 1;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    char c;
    while (::read(g_signalPipe[0], &c, 1) < 0) {
    }
    plc.stop();
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    std::printf("plc-sim: stopped\n");
    return 0;
}
