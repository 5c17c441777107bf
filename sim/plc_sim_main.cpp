// plc-sim: a virtual controller on a new pseudo-terminal, for trying the tool without hardware.
#include "virtual_plc.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <unistd.h>
#include <csignal>
#include <cstdio>

using namespace plc::sim;

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

// The loader's answer in hex; a long one (data read) by its first byte and its length.
QString loaderAnswer(const QByteArray &answer)
{
    if (answer.isEmpty())
        return QStringLiteral("(no answer)");
    if (answer.size() > 8)
        return QStringLiteral("%1 +%2 bytes")
            .arg(QString::fromLatin1(answer.left(1).toHex().toUpper()))
            .arg(answer.size() - 1);
    return QString::fromLatin1(answer.toHex(' ').toUpper());
}

// The loader's options, in the order setUpLoader takes them.
struct LoaderOptions {
    const QCommandLineOption &pid, &flashKb, &extended, &pace, &failBlock, &readout,
        &writeProtected, &strayByte, &synchronised, &failSyncs;
};

bool setUpLoader(const QCommandLineParser &parser, VirtualLoader &loader, const LoaderOptions &o)
{
    bool ok = false;
    const uint pid = parser.value(o.pid).toUInt(&ok, 0);
    if (!ok || pid > 0xFFFF) {
        std::fprintf(stderr, "plc-sim: --loader-pid takes a number from 0 to 0xFFFF\n");
        return false;
    }
    const int kb = parser.value(o.flashKb).toInt(&ok);
    if (!ok || kb < 1 || kb > 4096) {
        std::fprintf(stderr, "plc-sim: --flash-kb takes a number from 1 to 4096\n");
        return false;
    }
    loader.setProductId(quint16(pid));
    loader.setFlashKb(kb);
    loader.setExtendedErase(parser.isSet(o.extended));
    loader.setPace(parser.isSet(o.pace));
    loader.setReadoutProtected(parser.isSet(o.readout));
    loader.setWriteProtected(parser.isSet(o.writeProtected));
    loader.setStrayByte(parser.isSet(o.strayByte));
    loader.setAlreadySynchronised(parser.isSet(o.synchronised));
    const int syncs = parser.value(o.failSyncs).toInt(&ok);
    if (!ok || syncs < 0) {
        std::fprintf(stderr, "plc-sim: --fail-syncs takes a count from 0\n");
        return false;
    }
    loader.failSyncs(syncs);
    if (!parser.isSet(o.failBlock))
        return true;
    const QStringList parts = parser.value(o.failBlock).split(QLatin1Char(':'));
    const int nth = parts.value(0).toInt(&ok);
    const int times = parts.size() > 2 ? parts.at(2).toInt() : 1;
    const QString kind = parts.value(1);
    if (!ok || nth < 1 || times < 1 || parts.size() > 3 ||
        (kind != QLatin1String("nack") && kind != QLatin1String("silence"))) {
        std::fprintf(stderr, "plc-sim: --fail-block takes n:nack|silence[:times]\n");
        return false;
    }
    loader.failBlock(
        nth,
        kind == QLatin1String("nack") ? VirtualLoader::Fault::Nack : VirtualLoader::Fault::Silence,
        times);
    return true;
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
    const QCommandLineOption pid(
        QStringLiteral("loader-pid"),
        QStringLiteral("Product ID the loader reports after the update word (default 0x410)."),
        QStringLiteral("id"), QStringLiteral("0x410"));
    const QCommandLineOption flashKb(QStringLiteral("flash-kb"),
                                     QStringLiteral("The loader's flash size in KB (default 64)."),
                                     QStringLiteral("kb"), QStringLiteral("64"));
    const QCommandLineOption extended(
        QStringLiteral("extended-erase"),
        QStringLiteral("The loader lists Extended Erase (0x44) instead of Erase (0x43)."));
    const QCommandLineOption pace(
        QStringLiteral("pace"),
        QStringLiteral("The loader charges the wire time of every byte at the line's speed."));
    const QCommandLineOption failBlock(
        QStringLiteral("fail-block"),
        QStringLiteral("The loader answers the n-th Write Memory block (and times - 1 more) with "
                       "NACK or not at all: n:nack|silence[:times]."),
        QStringLiteral("fault"));
    const QCommandLineOption readout(QStringLiteral("readout-protected"),
                                     QStringLiteral("The loader's chip is readout-protected."));
    const QCommandLineOption writeProtected(
        QStringLiteral("write-protected"),
        QStringLiteral("The loader's flash is write-protected."));
    const QCommandLineOption strayByte(
        QStringLiteral("stray-byte"),
        QStringLiteral("The loader sends a 0x00 before its first ACK, as line noise."));
    const QCommandLineOption synchronised(
        QStringLiteral("already-synchronised"),
        QStringLiteral("The loader awaits a command at once and answers 0x7F with NACK."));
    const QCommandLineOption failSyncs(QStringLiteral("fail-syncs"),
                                       QStringLiteral("The loader ignores the first n 0x7F bytes."),
                                       QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions({link, cpu, device, pid, flashKb, extended, pace, failBlock, readout,
                       writeProtected, strayByte, synchronised, failSyncs});
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
    if (!setUpLoader(parser, plc.loader(),
                     {pid, flashKb, extended, pace, failBlock, readout, writeProtected, strayByte,
                      synchronised, failSyncs}))
        return 2;
    plc.setFrameCallback([](const VirtualPlc::Frame &frame) {
        // A loader command shows as its name, address and count, not its up to 260 bytes.
        const QString line =
            frame.command.startsWith(QLatin1Char('L'))
                ? QStringLiteral("loader %1 %2 %3 %4 -> %5")
                      .arg(frame.command, frame.address, frame.count, frame.data.left(32),
                           loaderAnswer(frame.answer))
                      .simplified()
                : printable(frame.raw) +
                      (frame.valid ? QString() : QStringLiteral("  (rejected: NAK)"));
        std::printf("%s\n", qPrintable(line));
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
