// The line settings, the COM map and the port's open errors.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/AppCore.h"

#include "platform/ComPortMap.h"
#include "platform/CommPort.h"
#include "platform/PortSettings.h"
#include "platform/SettingsStore.h"

namespace zx::test {
namespace {

TEST(PortSettings, ParsesTheCommControlNotation)
{
    const auto s = PortSettings::Parse("9600,N,8,2");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baudRate, 9600);
    EXPECT_EQ(s->parity, QLatin1Char('N'));
    EXPECT_EQ(s->dataBits, 8);
    EXPECT_EQ(s->stopBits, 2);
    const auto probe = PortSettings::Parse(kProbePortSettings);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->baudRate, 19200);
    EXPECT_EQ(probe->stopBits, 1);
    EXPECT_EQ(probe->toString(), "19200,N,8,1");
}

TEST(PortSettings, RefusesMalformedSettings)
{
    for (const char* text : {"", "9600", "9600,N,8", "fast,N,8,1", "9600,X,8,1", "9600,N,9,1", "9600,N,8,3",
                             "-9600,N,8,1", "9600,N,8,1,1"})
        EXPECT_FALSE(PortSettings::Parse(text)) << text;
    CommPort port;
    EXPECT_FALSE(port.setSettings("9600,N,8"));
    EXPECT_EQ(port.settings(), "9600,N,8,2");
}

TEST(ComPortMap, DefaultTable)
{
    const std::vector<std::pair<int, QString>> table = {
        {1, "/dev/ttyUSB0"}, {8, "/dev/ttyUSB7"}, {9, "/dev/ttyACM0"}, {12, "/dev/ttyACM3"},
        {13, "/dev/ttyS0"},  {20, "/dev/ttyS7"},  {0, ""},             {21, ""}};
    for (const auto& [port, device] : table)
        EXPECT_EQ(DefaultComDevice(port), device) << port;
}

class ComPortOverrides : public ::testing::Test {
protected:
    void TearDown() override
    {
        qunsetenv("ZX4100_COM4");
        auto settings = OpenSettings();
        settings->remove("Ports");
    }
};

TEST_F(ComPortOverrides, SettingsFileThenEnvironmentWin)
{
    qunsetenv("ZX4100_COM4");
    EXPECT_EQ(ComPortDevice(4), "/dev/ttyUSB3");
    {
        auto settings = OpenSettings();
        settings->setValue("Ports/COM4", "/dev/ttyS9");
    }
    EXPECT_EQ(ComPortDevice(4), "/dev/ttyS9");
    EXPECT_EQ(ComPortDevice(5), "/dev/ttyUSB4");
    qputenv("ZX4100_COM4", "/dev/pts/77");
    EXPECT_EQ(ComPortDevice(4), "/dev/pts/77");
}

TEST_F(ComPortOverrides, ReadmePortsExampleMapsThePortTheProgramUses)
{
    // The README's example, as a user would paste it into the settings file.
    const QString path = OpenSettings()->fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Ports]\nCOM1=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n");
    }
    qunsetenv("ZX4100_COM1");
    const AppCore core;
    EXPECT_EQ(core.link.ComPortNumber, 1) << "the port the program uses";
    EXPECT_EQ(ComPortDevice(1), "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
}

TEST_F(ComPortOverrides, MissingDeviceIsNamedInTheMessage)
{
    qputenv("ZX4100_COM4", "/dev/zx4100-no-such-device");
    CommPort port;
    port.setCommPort(4);
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openErrorText(),
              "COM4 (/dev/zx4100-no-such-device) cannot be opened: the device does not exist.\r\n"
              "Check that the cable is plugged in, or map COM4 to another device." +
                  PresentDevicesText(PresentSerialDevices()));
}

TEST(CommPortErrors, MissingDeviceMessageListsTheDevicesPresent)
{
    EXPECT_EQ(PresentDevicesText({}), "\r\nNo serial device is present.");
    EXPECT_EQ(PresentDevicesText({"/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0", "/dev/ttyS0"}),
              "\r\nSerial devices present: /dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0, /dev/ttyS0.");
    // Whatever the machine has, stable by-id names come before the rest.
    const QStringList present = PresentSerialDevices();
    bool pastById = false;
    for (const QString& device : present) {
        if (!device.startsWith("/dev/serial/by-id/"))
            pastById = true;
        else
            EXPECT_FALSE(pastById) << device.toStdString();
    }
}

TEST(CommPortErrors, PermissionMessageNamesAGroupOnlyWhenJoiningItWouldHelp)
{
    const QString joinDialout = "permission denied, or the port is in use.\r\n"
                                "The user must be a member of the group \"dialout\" that owns the device.";
    const QString noAccess = "permission denied.\r\nThe user has no access to the device.";
    const QString inUse = "permission denied, or the port is in use.";
    struct Case {
        unsigned mode;
        bool inGroup;
        bool access;
        QString expected;
    } cases[] = {
        {0660, false, false, joinDialout},  // the usual serial adapter
        {0600, false, false, noAccess},     // only the owner: no group helps
        {0640, false, false, noAccess},     // the group may only read
        {0660, true, false, noAccess},      // already a member
        {0666, false, true, inUse},         // access is there: the port is busy
    };
    for (const Case& c : cases)
        EXPECT_EQ(PermissionDeniedText(c.mode, "dialout", c.inGroup, c.access), c.expected) << std::oct << c.mode;
    // /dev/null belongs to root and everyone may use it: no group is named.
    EXPECT_EQ(DescribeOpenError(2, "/dev/null", QSerialPort::PermissionError, "Permission denied"),
              "COM2 (/dev/null) cannot be opened: " + inUse);
}

TEST(CommPortErrors, DeviceThatIsNoSerialPortIsCalledSo)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (const QString& device : {file, QStringLiteral("/dev/null")}) {
        qputenv("ZX4100_COM6", device.toLocal8Bit());
        CommPort port;
        port.setCommPort(6);
        EXPECT_FALSE(port.open());
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.openErrorText(), "COM6 (" + device + ") cannot be opened: the device is not a serial port.");
    }
    qunsetenv("ZX4100_COM6");
}

}  // namespace
}  // namespace zx::test
