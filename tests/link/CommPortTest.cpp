// The port's receive event over a pseudo-terminal: once per complete reply,
// with extra bytes kept for the next one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTest>

#include "common/Patience.h"
#include "platform/CommPort.h"

namespace zx::test {
namespace {

class CommPortOnPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[256] = {};
        termios raw {};
        cfmakeraw(&raw);
        ASSERT_EQ(::openpty(&master, &slave, name, &raw, nullptr), 0);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        qputenv("ZX4100_COM11", name);
        port.setCommPort(11);
        ASSERT_TRUE(port.open()) << port.openErrorText().toStdString();
    }
    void TearDown() override
    {
        port.close();
        ::close(master);
        ::close(slave);
        qunsetenv("ZX4100_COM11");
    }
    void RadioSends(const QByteArray& bytes)
    {
        ASSERT_EQ(::write(master, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    }

    int master = -1;
    int slave = -1;
    CommPort port;
};

TEST_F(CommPortOnPty, ReplyInPiecesRaisesOneEventWhenComplete)
{
    QSignalSpy received(&port, &CommPort::received);
    port.setRThreshold(8);
    RadioSends("ABC");
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() == 3; }));
    QTest::qWait(30);
    EXPECT_EQ(received.count(), 0);
    RadioSends("DEFGHxy");  // completes the reply and starts the next one
    ASSERT_TRUE(WaitUntil([&] { return received.count() > 0; }));
    EXPECT_EQ(port.input(8), "ABCDEFGH");
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() == 2; }));
    QTest::qWait(30);
    EXPECT_EQ(received.count(), 1);
    // The next reply is two bytes long: what is already waiting answers it.
    port.setRThreshold(2);
    ASSERT_TRUE(WaitUntil([&] { return received.count() == 2; }));
    EXPECT_EQ(port.input(2), "xy");
}

TEST_F(CommPortOnPty, OutputReachesTheRadioAndClearingEmptiesTheInput)
{
    port.output("PROGRAM");
    char buffer[16] = {};
    QByteArray got;
    ASSERT_TRUE(WaitUntil([&] {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, n);
        return got.size() >= 7;
    }));
    EXPECT_EQ(got, "PROGRAM");
    RadioSends("\x06\x06");
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() == 2; }));
    port.clearBuffers();
    EXPECT_EQ(port.inBufferCount(), 0);
}

TEST_F(CommPortOnPty, OpensWithTheProgrammingLineSetting)
{
    termios t {};
    ASSERT_EQ(::tcgetattr(slave, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & PARENB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
}

}  // namespace
}  // namespace zx::test
