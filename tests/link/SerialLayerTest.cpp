// The line settings, the COM map and the port's open errors.
#include <gtest/gtest.h>

#include <QTemporaryDir>

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

TEST_F(ComPortOverrides, MissingDeviceIsNamedInTheMessage)
{
    qputenv("ZX4100_COM4", "/dev/zx4100-no-such-device");
    CommPort port;
    port.setCommPort(4);
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openErrorText(),
              "COM4 (/dev/zx4100-no-such-device) cannot be opened: the device does not exist.\r\n"
              "Check that the cable is plugged in, or map COM4 to another device.");
}

TEST(CommPortErrors, PermissionMessageNamesTheOwningGroup)
{
    // /dev/null exists on every system and belongs to group root.
    const QString text = DescribeOpenError(2, "/dev/null", QSerialPort::PermissionError, "Permission denied");
    EXPECT_EQ(text, "COM2 (/dev/null) cannot be opened: permission denied, or the port is in use.\r\n"
                    "The user must be a member of the group \"root\" that owns the device.");
}

TEST(CommPortErrors, NotATerminalGivesTheSystemReason)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("ZX4100_COM6", file.toLocal8Bit());
    CommPort port;
    port.setCommPort(6);
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(port.openErrorText().startsWith("COM6 (" + file + ") cannot be opened: ")) << port.openErrorText().toStdString();
    qunsetenv("ZX4100_COM6");
}

}  // namespace
}  // namespace zx::test
