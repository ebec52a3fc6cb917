// The pieces of ignition-cli that decide what it prints: argument parsing,
// port names, the monitor's lines and rows, the progress line.

#include "CliOptions.h"
#include "Link.h"
#include "MonitorOutput.h"
#include "PortName.h"
#include "PortsCommand.h"
#include "TransferCommands.h"
#include "TransferProgress.h"

#include <QtTest>

#include <array>

using ign::Byte;
using ign::cli::CliOptions;
using ign::cli::Command;

namespace {

// A monitor frame with its check byte: twelve bytes XOR to 0xFF.
std::array<Byte, 12> Frame(std::array<Byte, 11> head) {
    std::array<Byte, 12> frame{};
    Byte x = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        frame[i] = head[i];
        x = static_cast<Byte>(x ^ head[i]);
    }
    frame[11] = static_cast<Byte>(~x);
    return frame;
}

}  // namespace

class TestCliParts : public QObject {
    Q_OBJECT

private slots:
    void acceptedArguments();
    void portNames_data();
    void portNames();
    void monitorRowsAndLines();
    void progressLine();
    void identificationKeepsLeadingBlank();
    void portsListing_data();
    void portsListing();
};

void TestCliParts::acceptedArguments() {
    CliOptions o;
    std::string error;
    QVERIFY(ign::cli::ParseCliArguments({"--lang=cs", "read", "--port=/dev/pts/7", "-o", "-"}, o, error));
    QCOMPARE(o.command, Command::Read);
    QCOMPARE(o.language, Byte{1});
    QCOMPARE(o.port, std::string("/dev/pts/7"));
    QVERIFY(o.output.empty());  // "-" is standard output

    o = {};
    QVERIFY(
        ign::cli::ParseCliArguments({"monitor", "--seconds", "0.5", "--csv", "--port", "COM3"}, o, error));
    QCOMPARE(*o.seconds, 0.5);
    QVERIFY(o.csv);

    o = {};
    QVERIFY(ign::cli::ParseCliArguments({"program", "--port", "simulator", "--", "-odd name"}, o, error));
    QCOMPARE(o.file, std::string("-odd name"));

    o = {};
    QVERIFY(ign::cli::ParseCliArguments({"defaults", "Honda CBR 600"}, o, error));
    QCOMPARE(o.machine, std::string("Honda CBR 600"));

    o = {};
    QVERIFY(!ign::cli::ParseCliArguments({"monitor", "--port", "simulator", "--csv=1"}, o, error));
}

void TestCliParts::portNames_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("COM1") << "COM1"
                          << "/dev/ttyUSB3";
    QTest::newRow("com2") << "com2"
                          << "/dev/ttyS9";
    QTest::newRow("COM3 is a system name") << "COM3"
                                           << "COM3";
    QTest::newRow("COM10 is a system name") << "COM10"
                                            << "COM10";
    QTest::newRow("a device path") << "/dev/pts/7"
                                   << "/dev/pts/7";
    QTest::newRow("simulator") << "simulator"
                               << "simulator";
}

void TestCliParts::portNames() {
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QCOMPARE(
        QString::fromStdString(ign::cli::ResolvePortName(given.toStdString(), "/dev/ttyUSB3", "/dev/ttyS9")),
        expected);
}

void TestCliParts::monitorRowsAndLines() {
    ign::Monitor monitor;
    // A temperature frame before any status frame: no temperature is known yet.
    auto early = Frame({0xB1, 0x03, 0xE8, 0x00, 0x00, 0x0F, 0x22, 0x00, 100, 0x03, 0x20});
    QVERIFY(monitor.ShowMonitorFrame(early.data()));
    QCOMPARE(ign::cli::MonitorTextLines(monitor, 1).substr(0, 46),
             std::string("TWS= --- [°]= 296 [mV]\nATS= --- [°]= 0 [mV]\n"));

    // Type 3: throttle 12 %, pressure 40 %, water 85 °C, air -5 °C.
    auto status = Frame({0xB3, 12, 40, 185, 95, 0, 0, 0, 0, 0, 0});
    QVERIFY(monitor.ShowMonitorFrame(status.data()));
    QCOMPARE(ign::cli::MonitorCsvRow(55, 3, monitor), std::string("55,3,,40,,,,12,,85,,-5,,,,,,,,\n"));
    QCOMPARE(ign::cli::MonitorTextLines(monitor, 3), std::string());

    // Type 1: W5 = 3874 is 1150 mV and 13.3 V; W7 = 100 is 3000 us; W9 = 800 is -80°.
    auto type1 = Frame({0xB1, 0x03, 0xE8, 0x00, 0x00, 0x0F, 0x22, 0x00, 100, 0x03, 0x20});
    QVERIFY(monitor.ShowMonitorFrame(type1.data()));
    QCOMPARE(ign::cli::MonitorCsvRow(1234, 1, monitor),
             std::string("1234,1,,,,,,,,85,296,-5,0,13.3,1150,3000,-80,,,\n"));
    QCOMPARE(ign::cli::MonitorTextLines(monitor, 1), std::string("TWS= 85 [°]= 296 [mV]\n"
                                                                 "ATS= -5 [°]= 0 [mV]\n"
                                                                 "U = 13.3 [V]= 1150 [mV]\n"
                                                                 "INJ. TIME = 3000 [us]\n"
                                                                 "INJ. POS. = -80 [°]\n"));

    // Type 2: W1 = 2000 is 1000 rpm, W3 = 1940 a dwell of 3600 us, W9 = 7.
    auto type2 = Frame({0xB2, 0x07, 0xD0, 0x07, 0x94, 0, 0, 0, 0, 0x00, 0x07});
    QVERIFY(monitor.ShowMonitorFrame(type2.data()));
    QCOMPARE(ign::cli::MonitorCsvRow(0, 2, monitor), std::string("0,2,,,,,,,,,,,,,,,,1000,3600,7\n"));
    QCOMPARE(ign::cli::MonitorTextLines(monitor, 2),
             std::string("RPM = 1000 \nDWELLTIME = 3600 [us]\nTest = 7 \n"));

    const std::string header = ign::cli::MonitorCsvHeader();
    QCOMPARE(std::count(header.begin(), header.end(), ','), 19);
}

void TestCliParts::progressLine() {
    ign::Link link;  // no line: the request goes nowhere and stays outstanding
    link.StartProgram();
    QCOMPARE(ign::cli::ProgressLine(link, 0), std::string("Program device: [                    ] block 0"));
    link.StartRead();
    QCOMPARE(ign::cli::ProgressLine(link, 2), std::string("Lesen: [                    ] block 0"));
}

void TestCliParts::identificationKeepsLeadingBlank() {
    const ign::UnitIdentification id{"ABC07", " 5. 2.2002", "09:07"};
    QCOMPARE(ign::cli::IdentificationText(id, 0),
             std::string("Version: ABC07\nDate:  5. 2.2002\nTime: 09:07\n"));
    QCOMPARE(ign::cli::IdentificationText(id, 1),
             std::string("Verze: ABC07\nDatum:  5. 2.2002\nČas: 09:07\n"));
}

void TestCliParts::portsListing_data() {
    QTest::addColumn<QString>("com1");
    QTest::addColumn<QString>("com2");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("listing");
    const QString serial = "/dev/ttyS0\n";
    const QString adapter =
        "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0 (/dev/ttyUSB0): FT232R USB UART, "
        "FTDI, "
        "USB 0403:6001, serial A50285BI";
    QTest::newRow("COM1 by device, COM2 the simulator")
        << "/dev/ttyUSB0"
        << " SIMULATOR" << 0 << serial + adapter + "  [COM1]\nsimulator: simulated unit  [COM2]\n";
    QTest::newRow("both on one port, Czech")
        << "/dev/ttyS0"
        << "/dev/ttyS0" << 1
        << "/dev/ttyS0  [COM1, COM2]\n" + adapter + "\nsimulator: simulované zapalování\n";
    // What the system does not list still gets its mark, on a line of its own.
    QTest::newRow("neither listed")
        << "/dev/ttyIGN-gone"
        << "/dev/ttyIGN-gone" << 0
        << serial + adapter +
               "\nsimulator: simulated unit\n/dev/ttyIGN-gone: port not there  [COM1, "
               "COM2]\n";
}

void TestCliParts::portsListing() {
    QFETCH(QString, com1);
    QFETCH(QString, com2);
    QFETCH(int, language);
    QFETCH(QString, listing);
    std::vector<ign::PortDescription> ports(2);
    ports[0].name = ports[0].device = "/dev/ttyS0";
    ports[1] = {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                "/dev/ttyUSB0",
                "FT232R USB UART",
                "FTDI",
                "A50285BI",
                0x0403,
                0x6001};
    QCOMPARE(QString::fromStdString(ign::cli::PortsListing(ports, com1.toStdString(), com2.toStdString(),
                                                           static_cast<Byte>(language))),
             listing);
}

QTEST_GUILESS_MAIN(TestCliParts)
#include "test_cli_parts.moc"
