// Radio information, the port dialog and the test-mode entry through the
// real main window and its port, against the radio simulator on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QRadioButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QWindow>

#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "common/StaysAbove.h"
#include "core/AppCore.h"
#include "core/ui/HelpKeyFilter.h"
#include "core/ui/HelpWindow.h"
#include "app/MDIForm1.h"
#include "link/ExchangeLock.h"
#include "link/MainLinkMessages.h"
#include "link/PortProbe.h"
#include "link/ui/ComForm.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/DJJInfoForm.h"
#include "link/ui/MainLinkController.h"
#include "link/ui/TransferCommands.h"
#include "link/MainWindowOnSimulator.h"
#include "link/TransferToTheEnd.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

constexpr int kComPort = 6;
const QByteArray kTimeoutText = "please check all connections and communication port settings.";

class MainWindowLink : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        // The radio's memory is the image of its model: its identification
        // starts with the model letter.
        const RadioImage radio = DefaultFor(0x21, 0xF8);
        std::copy(radio.bytes().begin(), radio.bytes().end(), sim_.radio.memory.begin());
    }
    void TearDown() override
    {
        SetConnectFormRunner(previousRunner_);
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    MainLinkController& Link() { return main_->mainLink(); }
    DJJInfoForm* Info() { return Link().infoForm(); }
    bool InfoShown() { return Info() && Info()->isVisible(); }

    // Tools > Radio Information, then waits for the dialog.
    void ShowRadioInformation()
    {
        main_->action("MnuToolRadioInformation")->trigger();
        ASSERT_TRUE(WaitUntil([this] { return InfoShown(); }));
    }

    // Program > Read with OK clicked in the transfer dialog, to its end.
    void ReadFromRadio()
    {
        previousRunner_ = SetConnectFormRunner(OkToTheEnd());
        main_->action("MnuProgramRead")->trigger();
        SetConnectFormRunner(previousRunner_);
    }

    ConnectFormRunner previousRunner_;
};

const QByteArray kInfoBytes = QByteArray("PROGRAM") + QByteArray("\x02\x06NRK\x06\x50\x06\x45");

TEST_F(MainWindowLink, RadioInformationShowsTheSerialNumberWithTheMainWindowDisabled)
{
    const RadioImage before = core_.image;
    ShowRadioInformation();
    EXPECT_EQ(sim_.radio.received, kInfoBytes);

    DJJInfoForm& form = *Info();
    EXPECT_FALSE(main_->isEnabled());
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.windowTitle(), "Radio Information");
    EXPECT_EQ(form.lblModelType->text(), "Model Type");
    EXPECT_EQ(form.lblFrequency->text(), "Frequency");
    EXPECT_EQ(form.lblSerialNum->text(), "Serial Number");
    EXPECT_EQ(form.lblVersion->text(), "Version");
    EXPECT_EQ(form.cmdClose->text(), "&Close");
    EXPECT_EQ(form.cmdHelp->text(), "&Help");
    EXPECT_FALSE(form.cmdHelp->isVisibleTo(&form));
    EXPECT_EQ(form.LabModel->text(), "ZX-4100");
    EXPECT_EQ(form.LabFreq->text(), "UHF: 400-480 MHz");
    EXPECT_EQ(form.LabSN->text(), "ABC1234 X 56789012");
    EXPECT_EQ(form.LabVersion->text(), "V1.01");
    EXPECT_EQ(form.property("helpContextId").toInt(), 6100);

    // Its own window, kept in front of the main window, not its child.
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_TRUE(StaysAbove(form, *main_));

    EXPECT_FALSE(Link().link().port().isOpen());
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_EQ(core_.image, before);
    EXPECT_TRUE(prompts_.messages().empty());

    // F1 and the hidden Help button open its page.
    HelpKeyFilter::Install();
    QTest::keyClick(form.cmdClose, Qt::Key_F1);
    EXPECT_EQ(HelpWindow::instance()->currentPage(), "radioinfo");
    HelpWindow::instance()->ShowPage("general", false);
    form.cmdHelp->click();
    EXPECT_EQ(HelpWindow::instance()->currentPage(), "radioinfo");
    HelpWindow::instance()->close();

    QTest::mouseClick(form.cmdClose, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([this] { return !Info(); }));
    EXPECT_TRUE(main_->isEnabled());
}

TEST_F(MainWindowLink, TheInformationDialogHasAFixedSizeAndShowsItsTextsAsTheyAre)
{
    ShowRadioInformation();
    DJJInfoForm& form = *Info();
    const QSize shown = form.size();
    EXPECT_EQ(form.minimumSize(), shown);
    EXPECT_EQ(form.maximumSize(), shown);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    form.resize(shown * 2);
    EXPECT_EQ(form.size(), shown);
    for (const QLabel* label : {form.LabModel, form.LabFreq, form.LabSN, form.LabVersion})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    form.cmdClose->click();
    EXPECT_TRUE(WaitUntil([this] { return !Info(); }));
}

TEST_F(MainWindowLink, EveryWayOfClosingTheInformationEnablesTheMainWindow)
{
    const std::vector<std::function<void(DJJInfoForm&)>> closers = {
        [](DJJInfoForm& f) { f.close(); },                             // the close box
        [](DJJInfoForm& f) { QTest::keyClick(&f, Qt::Key_Escape); },  // Esc
        [](DJJInfoForm& f) { f.cmdClose->click(); },
    };
    for (std::size_t i = 0; i < closers.size(); ++i) {
        sim_.radio.received.clear();
        ShowRadioInformation();
        ASSERT_FALSE(main_->isEnabled()) << i;
        closers[i](*Info());
        EXPECT_TRUE(WaitUntil([this] { return !Info(); })) << i;
        EXPECT_TRUE(main_->isEnabled()) << i;
        EXPECT_EQ(sim_.radio.received, kInfoBytes) << i;
    }
    // The menus work again: Read goes through.
    ReadFromRadio();
    EXPECT_EQ(prompts_.messages().back().text, "Reading Completed");
}

TEST_F(MainWindowLink, BandIsTheImagesNotTheRadios)
{
    const std::vector<std::pair<std::uint8_t, const char*>> table = {
        {0x01, "VHF: 136-174 MHz"}, {0x83, "UHF: 460-520 MHz"}, {0x00, "UHF: 400-480 MHz"}, {0x20, "UHF: 400-480 MHz"}};
    for (const auto& [code, text] : table) {
        core_.image.setModelBandCode(code);
        ShowRadioInformation();
        EXPECT_EQ(Info()->LabFreq->text(), text) << int(code);
        Info()->close();
        ASSERT_TRUE(WaitUntil([this] { return !Info(); }));
    }
}

TEST_F(MainWindowLink, ARadioOfAnotherBandAndVariantIsAccepted)
{
    sim_.radio.identBand = 0x83;
    sim_.radio.identVariant = 0x33;
    ShowRadioInformation();
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(Info()->LabFreq->text(), "UHF: 400-480 MHz");
}

TEST_F(MainWindowLink, AnotherModelLetterBringsTheBoxAtOnce)
{
    sim_.radio.identModelLetter = 'L';
    prompts_.answer(MsgResult::Cancel);
    main_->action("MnuToolRadioInformation")->trigger();
    // The box comes without the 200 ms time-out: MainLink's tests time it on
    // the virtual clock. Here: the real port brings it, after two commands.
    ASSERT_TRUE(WaitUntil([this] { return !prompts_.messages().empty(); }));
    EXPECT_EQ(prompts_.messages()[0].text, kTimeoutText);
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));
    EXPECT_EQ(sim_.radio.received, QByteArray("PROGRAM\x02"));
}

TEST_F(MainWindowLink, SilenceAfterTheWakeUpAsksAndRetryWakesTheRadioAgain)
{
    sim_.radio.muteWakeUps = 1;
    prompts_.answer(MsgResult::Retry);
    ShowRadioInformation();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& box = prompts_.messages()[0];
    EXPECT_EQ(box.text, kTimeoutText);
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(box.defaultButton, MsgResult::Retry);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(sim_.radio.received, "PROGRAM" + kInfoBytes);
    EXPECT_EQ(Info()->LabSN->text(), "ABC1234 X 56789012");
}

TEST_F(MainWindowLink, ALateReplyUnderTheBoxBringsNoSecondBox)
{
    // The answer to "NRK" comes only after the time-out, while the box is
    // up: it must neither move the exchange nor bring a second box.
    sim_.radio.replyFilter = [&](const RadioModel::Command& c, const QByteArray& normal) {
        if (c.kind != RadioModel::Command::InfoRequest || c.occurrence != 1)
            return normal;
        sim_.Inject(normal, 300);
        return QByteArray();
    };
    int boxes = 0;
    bool boxUp = false;
    qsizetype sentWhileUp = -1;
    const MessageHandler previous = SetMessageHandler([&](const MessageRequest& r) {
        EXPECT_FALSE(boxUp) << "a second box while the first is up";
        const QScopedValueRollback up(boxUp, true);
        ++boxes;
        // The late bytes have been read by the program's port while the box
        // is up; then a moment for anything it would wrongly send to arrive.
        EXPECT_TRUE(WaitUntil([&] { return sim_.injectsWritten() == 1 && sim_.unreadByProgram() == 0; }));
        QTest::qWait(150);
        sentWhileUp = sim_.radio.received.size();
        return r.buttons == MsgButtons::RetryCancel ? MsgResult::Retry : r.defaultButton;
    });
    main_->action("MnuToolRadioInformation")->trigger();
    const bool shown = WaitUntil([this] { return InfoShown(); });
    SetMessageHandler(previous);
    ASSERT_TRUE(shown);
    EXPECT_EQ(boxes, 1);
    // Nothing went out under the box; the retry began with the wake-up.
    ASSERT_EQ(sentWhileUp, QByteArray("PROGRAM\x02\x06NRK").size());
    EXPECT_EQ(sim_.radio.received, QByteArray("PROGRAM\x02\x06NRK") + kInfoBytes);
    EXPECT_EQ(Info()->LabSN->text(), "ABC1234 X 56789012");
}

TEST_F(MainWindowLink, NineBytesForTheSecondQuestionBringTheBox)
{
    sim_.radio.secondInfoLength = 9;
    prompts_.answer(MsgResult::Cancel);
    main_->action("MnuToolRadioInformation")->trigger();
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, kTimeoutText);
    EXPECT_EQ(sim_.radio.received, QByteArray("PROGRAM\x02\x06NRK\x06\x50"));
    EXPECT_EQ(Info(), nullptr);
    EXPECT_TRUE(main_->isEnabled());
}

TEST_F(MainWindowLink, CancelSendsNothingMoreClosesThePortAndReadWorksAfterwards)
{
    sim_.radio.muteWakeUps = 1;
    prompts_.answer(MsgResult::Cancel);
    main_->action("MnuToolRadioInformation")->trigger();
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));
    QTest::qWait(300);
    EXPECT_EQ(sim_.radio.received, "PROGRAM");
    EXPECT_FALSE(Link().link().port().isOpen());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_EQ(Info(), nullptr);

    sim_.radio.FillPattern();
    ReadFromRadio();
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core_.image.at(a), sim_.radio.memory[static_cast<std::size_t>(a)]) << a;
}

TEST_F(MainWindowLink, TheTransferDialogStaysAboveTheMainWindow)
{
    bool checked = false;
    previousRunner_ = SetConnectFormRunner([&](ConnectForm& form) {
        form.show();
        EXPECT_TRUE(StaysAbove(form, *main_));
        checked = true;
        OkToTheEnd()(form);
    });
    main_->action("MnuProgramRead")->trigger();
    EXPECT_TRUE(checked);
    EXPECT_EQ(sim_.radio.count(RadioModel::Command::Read), 17);
}

TEST_F(MainWindowLink, OneExchangeAtATime)
{
    int transferDialogs = 0;
    previousRunner_ = SetConnectFormRunner([&](ConnectForm&) { ++transferDialogs; });
    main_->action("MnuToolRadioInformation")->trigger();
    EXPECT_TRUE(ExchangeRunning());
    // While it runs: Read, Write, a second Radio Information and the port
    // dialog do nothing.
    main_->action("MnuProgramRead")->trigger();
    main_->action("MnuProgramWrite")->trigger();
    main_->action("MnuToolRadioInformation")->trigger();
    main_->action("MnuSetupCommunicationPort")->trigger();
    EXPECT_FALSE(Link().probe().running());
    ASSERT_TRUE(WaitUntil([this] { return InfoShown(); }));
    EXPECT_EQ(transferDialogs, 0);
    EXPECT_EQ(sim_.radio.received, kInfoBytes);
    EXPECT_EQ(Link().portForm(), nullptr);

    // And while a read runs, Radio Information does nothing.
    Info()->close();
    ASSERT_TRUE(WaitUntil([this] { return !Info(); }));
    SetConnectFormRunner([&](ConnectForm& form) {
        bool closed = false;
        QObject::connect(&form, &ConnectForm::unloaded, [&] { closed = true; });
        form.show();
        QTest::mouseClick(form.cmdOK, Qt::LeftButton);
        main_->action("MnuToolRadioInformation")->trigger();
        EXPECT_TRUE(WaitUntil([&] { return closed; }));
    });
    sim_.radio.received.clear();
    main_->action("MnuProgramRead")->trigger();
    EXPECT_FALSE(sim_.radio.received.contains("NRK"));
    EXPECT_EQ(sim_.radio.count(RadioModel::Command::Read), 17);
}

TEST_F(MainWindowLink, ADeviceThatVanishesEndsTheExchangeWithOneMessage)
{
    sim_.radio.replyFilter = [this](const RadioModel::Command& c, const QByteArray& normal) {
        if (c.kind == RadioModel::Command::InfoRequest)
            QTimer::singleShot(0, &sim_, [this] { sim_.HangUp(); });
        return c.kind == RadioModel::Command::InfoRequest ? QByteArray() : normal;
    };
    main_->action("MnuToolRadioInformation")->trigger();
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));
    QTest::qWait(400);  // past the reply time-out: no box comes
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_TRUE(prompts_.messages()[0].text.startsWith("COM6 (")) << prompts_.messages()[0].text.toStdString();
    EXPECT_TRUE(prompts_.messages()[0].text.contains("disconnected"));
    EXPECT_FALSE(Link().link().port().isOpen());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_EQ(Info(), nullptr);
}

TEST_F(MainWindowLink, APortThatCannotBeOpenedIsReportedAndNothingStarts)
{
    qputenv("ZX4100_COM11", "/dev/zx4100-no-such-device");
    core_.link.ComPortNumber = 11;
    main_->action("MnuToolRadioInformation")->trigger();
    qunsetenv("ZX4100_COM11");
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_TRUE(prompts_.messages()[0].text.startsWith("COM11 (/dev/zx4100-no-such-device) cannot be opened: "))
        << prompts_.messages()[0].text.toStdString();
    EXPECT_EQ(prompts_.messages()[0].title, "Error");
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(main_->isEnabled());
    QTest::qWait(200);
    EXPECT_TRUE(sim_.radio.received.isEmpty());
    EXPECT_FALSE(Link().exchange().running());
}

// A port mapped to a value far longer than any path (a damaged or hostile
// settings file, or environment) is refused at once, with a message that
// shows only the value's beginning.
struct HugePortValue {
    const char* name;
    bool inSettingsFile;  // else in the environment
};
void PrintTo(const HugePortValue& c, std::ostream* os) { *os << c.name; }

class HugePortValueTest : public MainWindowLink, public ::testing::WithParamInterface<HugePortValue> {};

TEST_P(HugePortValueTest, IsRefusedAtOnceWithAShortMessage)
{
    const QByteArray value = "/dev/<b>tty</b>" + QByteArray(10 * 1024 * 1024, 'x');
    const QString settingsPath = OpenSettings()->fileName();
    if (GetParam().inSettingsFile) {
        // Written as a hand-edited file is, behind the program's back.
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("\n[Ports]\nCOM11=" + value + "\n");
        file.close();
    } else {
        qputenv("ZX4100_COM11", value);
    }
    core_.link.ComPortNumber = 11;
    QElapsedTimer clock;
    clock.start();
    main_->action("MnuToolRadioInformation")->trigger();
    const qint64 elapsed = clock.elapsed();
    qunsetenv("ZX4100_COM11");
    OpenSettings()->clear();

    // The fault was a freeze of minutes; a loaded machine takes a second or two.
    EXPECT_LT(elapsed, kHangGuardMs);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const QString text = prompts_.messages()[0].text;
    EXPECT_EQ(text, "COM11 cannot be opened: the device \"/dev/<b>tty</b>" + QString(33, 'x')
                        + "...\" is longer than the system's path limit of 4095 bytes.");
    EXPECT_EQ(prompts_.messages()[0].title, "Error");
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_TRUE(sim_.radio.received.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Sources, HugePortValueTest,
                         ::testing::Values(HugePortValue{"SettingsFile", true}, HugePortValue{"Environment", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the test-mode entry, through the main window's port ---------------------

// The test-mode steps as the test-mode subsystem will fill them: here a fake
// that compares with the image's table as raw bytes.
class FakeSteps : public TestEntryHooks {
public:
    void StoreTuningData(const QByteArray& reply) override { calls.push_back("Tuning:" + QString::number(reply.size())); }
    void StoreTestFrequency(int n, const QByteArray&) override { calls.push_back("List:" + QString::number(n)); }
    bool TestFrequencyMatches(int n, const QByteArray& reply) override
    {
        return reply == Core().image.toByteArray(0x280 + 8 * (n - 1), 8);
    }
    void ShowTestForm() override
    {
        calls.push_back("ShowTestForm");
        mainEnabledAtShow = main->isEnabled();
        portOpenAtShow = link->port().isOpen();
    }
    QStringList calls;
    QWidget* main = nullptr;
    PortLink* link = nullptr;
    bool mainEnabledAtShow = true;
    bool portOpenAtShow = true;
};

class TestEntry : public MainWindowLink {
protected:
    void SetUp() override
    {
        MainWindowLink::SetUp();
        steps.main = main_.get();
        steps.link = &Link().link();
        for (int n = 1; n <= 16; ++n)
            sim_.radio.testTable[static_cast<std::size_t>(n - 1)] = core_.image.toByteArray(0x280 + 8 * (n - 1), 8);
    }
    FakeSteps steps;
};

TEST_F(TestEntry, AMismatchAtEntryFiveIsReportedAndTheMainWindowStaysEnabled)
{
    sim_.radio.testTable[4] = QByteArray::fromHex("0025611400256114");
    Link().StartTestEntry(steps);
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));

    QByteArray expected = QByteArray("TUNING \x02\x06\x05\x06");
    for (int n = 1; n <= 5; ++n)
        expected += QByteArray("\x10") + char(n) + QByteArray("\x06");
    EXPECT_EQ(sim_.radio.received, expected);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& box = prompts_.messages()[0];
    EXPECT_EQ(box.text, "Test Frequency mismatch.\r\nExecute read data from radio\r\nor write to radio.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_FALSE(Link().link().port().isOpen());
    const QStringList calls = {"Tuning:62", "List:1", "List:2", "List:3", "List:4", "List:5"};
    EXPECT_EQ(steps.calls, calls);
}

TEST_F(TestEntry, TheMismatchBoxInChinese)
{
    core_.LanguageChinese = true;
    EXPECT_EQ(TestFrequencyMismatchText(),
              QString::fromUtf8("测试频率不匹配。\r\n执行\"从对讲机读取数据\"\r\n或\"向对讲机写入数据\"。"));
    ShowTestFrequencyMismatch();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].title, QString::fromUtf8("警告"));
}

TEST_F(TestEntry, SixteenMatchesShowTheTestWindowWithThePortClosed)
{
    Link().StartTestEntry(steps);
    ASSERT_TRUE(WaitUntil([this] { return steps.calls.contains("ShowTestForm"); }));
    EXPECT_FALSE(steps.mainEnabledAtShow);
    EXPECT_FALSE(steps.portOpenAtShow);
    EXPECT_FALSE(main_->isEnabled());
    EXPECT_EQ(steps.calls.count("ShowTestForm"), 1);
    EXPECT_FALSE(sim_.radio.received.contains('E'));
    EXPECT_TRUE(sim_.radio.inTestMode());
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_TRUE(Link().exchange().TestEntryDone());
    // The test window holds the lock now; it gives it back when it closes.
    EXPECT_TRUE(ExchangeRunning());
    EndExchange();
    main_->setEnabled(true);
}

TEST_F(TestEntry, RetryReadsTheWholeOpeningAgain)
{
    sim_.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::TestChannel && c.occurrence == 2 ? QByteArray() : normal;
    };
    prompts_.answer(MsgResult::Retry);
    Link().StartTestEntry(steps);
    ASSERT_TRUE(WaitUntil([this] { return steps.calls.contains("ShowTestForm"); }));
    const QByteArray opening = QByteArray("TUNING \x02\x06\x05\x06");
    const QByteArray retried = opening + QByteArray("\x10\x01\x06\x10\x02") + opening + QByteArray("\x10\x01");
    EXPECT_TRUE(sim_.radio.received.startsWith(retried));
    EXPECT_EQ(steps.calls.count("Tuning:62"), 2);
    // Once per opening, before the test channels of that opening.
    ASSERT_GE(steps.calls.size(), 4);
    const QStringList firstCalls = {"Tuning:62", "List:1", "Tuning:62", "List:1"};
    EXPECT_EQ(steps.calls.mid(0, 4), firstCalls);
    EndExchange();
    main_->setEnabled(true);
}

TEST_F(TestEntry, TestModeInTheMenuStartsTheEntry)
{
    // A radio that never wakes: the time-out question, then Cancel ends it.
    sim_.radio.muteWakeUps = 100;
    prompts_.answer(MsgResult::Cancel);
    main_->action("MnuProgramTestMode")->trigger();
    ASSERT_TRUE(WaitUntil([this] { return !prompts_.messages().empty(); }));
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));
    EXPECT_TRUE(sim_.radio.received.startsWith("TUNING "));
    EXPECT_EQ(prompts_.messages()[0].text, QString::fromLatin1(kTimeoutText));
}

// --- the port dialog --------------------------------------------------------

// Every port is mapped (no test touches a real device): to devices that do
// not exist, and the simulator's.
class PortDialog : public MainWindowLink {
protected:
    void SetUp() override
    {
        MainWindowLink::SetUp();
        for (int n = 1; n <= 20; ++n)
            if (n != kComPort)
                qputenv(("ZX4100_COM" + QByteArray::number(n)).constData(),
                        "/dev/zx4100-none-" + QByteArray::number(n));
    }
    void TearDown() override
    {
        for (int n = 1; n <= 20; ++n)
            if (n != kComPort)
                qunsetenv(("ZX4100_COM" + QByteArray::number(n)).constData());
        MainWindowLink::TearDown();
    }
    // Setup > Communication Port; `step` runs once the dialog is up (after
    // the probe), from inside its modal loop.
    void WithPortDialog(std::function<void(ComForm&)> step)
    {
        bool done = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            ComForm* form = Link().portForm();
            if (!form || !form->isVisible())
                return;
            poll.stop();
            step(*form);
            if (form->isVisible())
                form->reject();
        });
        QObject::connect(&Link().probe(), &PortProbe::finished, &poll, [&] { probeDoneAt = clock.elapsed(); });
        probeDoneAt = -1;
        clock.start();
        poll.start();
        main_->action("MnuSetupCommunicationPort")->trigger();
        // The probe runs on a timer: the command returns at once and the
        // program keeps running.
        EXPECT_EQ(Link().portForm(), nullptr);
        EXPECT_TRUE(Link().probe().running());
        EXPECT_TRUE(ExchangeRunning());
        done = WaitUntil([this] { return !ExchangeRunning(); });
        EXPECT_TRUE(done);
    }
    QRadioButton* Option(ComForm& form, int port) { return form.optPort[static_cast<std::size_t>(port - 1)]; }

    QElapsedTimer clock;
    qint64 probeDoneAt = -1;
};

TEST_F(PortDialog, OnlyTheSimulatorsPortIsEnabledAndItGetsTheProbeText)
{
    core_.link.ComPortNumber = 2;  // a port whose device does not exist
    WithPortDialog([this](ComForm& form) {
        EXPECT_TRUE(StaysAbove(form, *main_));
        EXPECT_EQ(form.windowTitle(), "Communication Port");
        EXPECT_EQ(form.frmPort->title(), "Communication Port");
        EXPECT_EQ(form.cmdOK->text(), "&OK");
        EXPECT_EQ(form.cmdCancel->text(), "&Cancel");
        EXPECT_FALSE(form.cmdHelp->isVisibleTo(&form));
        EXPECT_EQ(form.property("helpContextId").toInt(), 7100);
        for (int n = 1; n <= 20; ++n) {
            QRadioButton* option = Option(form, n);
            EXPECT_EQ(option->text(), "COM " + QString::number(n));
            EXPECT_EQ(option->isEnabled(), n == kComPort) << n;
            EXPECT_EQ(option->isChecked(), n == 2) << n;
            EXPECT_EQ(option->toolTip(), n == kComPort ? sim_.slavePath() : "/dev/zx4100-none-" + QString::number(n));
        }
        // Four columns of five.
        EXPECT_EQ(Option(form, 2)->x(), Option(form, 1)->x());
        EXPECT_GT(Option(form, 2)->y(), Option(form, 1)->y());
        EXPECT_EQ(Option(form, 6)->y(), Option(form, 1)->y());
        EXPECT_GT(Option(form, 6)->x(), Option(form, 1)->x());
        EXPECT_GT(Option(form, 16)->x(), Option(form, 11)->x());
        EXPECT_EQ(Option(form, 20)->y(), Option(form, 5)->y());
        EXPECT_EQ(sim_.radio.received, QByteArray::fromHex("415449310D"));
        HelpKeyFilter::Install();
        QTest::keyClick(Option(form, kComPort), Qt::Key_F1);
        EXPECT_EQ(HelpWindow::instance()->currentPage(), "commport");
        HelpWindow::instance()->close();
        QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(sim_.radio.received, QByteArray::fromHex("415449310D"));
    // The 200 ms hold runs on a timer: the command has returned with the
    // probe still running (checked in WithPortDialog), and the hold ends no
    // sooner than 200 ms after the command began, less the 5 % a coarse
    // timer may fire early by.
    ExpectWaitedAbout(probeDoneAt, PortProbe::kHoldMs, PortProbe::kHoldMs / 20);
    // OK on the disabled current port keeps it.
    EXPECT_EQ(core_.link.ComPortNumber, 2);
    EXPECT_EQ(main_->statusPanel(1)->text(), "COM2");
}

TEST_F(PortDialog, TipsShowTheDevicesAsTypedAndAHugeValueByItsBeginning)
{
    const QString markup = QStringLiteral("/dev/<h1>BIG</h1><img src=\"/usr/share/pixmaps/x.png\">");
    qputenv("ZX4100_COM2", markup.toLocal8Bit());
    qputenv("ZX4100_COM3", "/dev/" + QByteArray(10 * 1024 * 1024, 'y'));
    WithPortDialog([&](ComForm& form) {
        // What the tip shows, as its rich-text reading of it.
        const auto shown = [](const QRadioButton* option) {
            const QString tip = option->toolTip();
            return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
        };
        EXPECT_EQ(shown(Option(form, 2)), markup);
        EXPECT_EQ(shown(Option(form, 3)), "/dev/" + QString(43, 'y') + "...");
        EXPECT_FALSE(Option(form, 2)->isEnabled());
        EXPECT_FALSE(Option(form, 3)->isEnabled());
        EXPECT_TRUE(Option(form, kComPort)->isEnabled());
    });
    // The fault was a freeze of minutes; a loaded machine takes a second or two.
    EXPECT_LT(probeDoneAt, kHangGuardMs) << "the probe refuses the huge value at once";
}

TEST_F(PortDialog, OkOnComThreeIsUsedByTheNextRead)
{
    qputenv("ZX4100_COM3", sim_.slavePath().toLocal8Bit());  // the radio is on COM3 now
    qputenv("ZX4100_COM6", "/dev/zx4100-none-6");
    WithPortDialog([this](ComForm& form) {
        EXPECT_TRUE(Option(form, 3)->isEnabled());
        EXPECT_FALSE(Option(form, kComPort)->isEnabled());
        EXPECT_TRUE(Option(form, kComPort)->isChecked());
        QTest::mouseClick(Option(form, 3), Qt::LeftButton);
        QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(core_.link.ComPortNumber, 3);
    EXPECT_EQ(main_->statusPanel(1)->text(), "COM3");
    sim_.radio.FillPattern();
    sim_.radio.received.clear();
    ReadFromRadio();
    EXPECT_TRUE(sim_.radio.received.startsWith("PROGRAM"));
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core_.image.at(a), sim_.radio.memory[static_cast<std::size_t>(a)]) << a;
    qunsetenv("ZX4100_COM6");
    sim_.MapComPort(kComPort);
}

TEST_F(PortDialog, CancelAndTheCloseBoxChangeNothing)
{
    main_->statusPanel(1)->setText("COM6");
    const std::vector<std::function<void(ComForm&)>> leave = {
        [](ComForm& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); },
        [](ComForm& f) { f.close(); },
    };
    for (const auto& how : leave) {
        WithPortDialog([&](ComForm& form) {
            QTest::mouseClick(Option(form, kComPort), Qt::LeftButton);
            form.optPort[0]->setEnabled(true);
            QTest::mouseClick(form.optPort[0], Qt::LeftButton);
            ASSERT_TRUE(form.optPort[0]->isChecked());
            how(form);
        });
        EXPECT_EQ(core_.link.ComPortNumber, kComPort);
        EXPECT_EQ(main_->statusPanel(1)->text(), "COM6");
    }
}

TEST_F(PortDialog, WhileTheProbeRunsNoOtherExchangeStarts)
{
    int transferDialogs = 0;
    previousRunner_ = SetConnectFormRunner([&](ConnectForm&) { ++transferDialogs; });
    WithPortDialog([](ComForm& form) { form.reject(); });
    // Triggered again during a probe: nothing (checked inside the helper by
    // the lock); here: a Radio Information and a Read right after the
    // command, before the dialog.
    bool done = false;
    QTimer::singleShot(0, [&] {
        main_->action("MnuProgramRead")->trigger();
        main_->action("MnuToolRadioInformation")->trigger();
        done = true;
    });
    WithPortDialog([](ComForm& form) { form.reject(); });
    EXPECT_TRUE(done);
    EXPECT_EQ(transferDialogs, 0);
    EXPECT_EQ(sim_.radio.received, QByteArray::fromHex("415449310D415449310D"));
}

TEST_F(PortDialog, ACloseRequestDuringTheProbeOrUnderTheDialogDoesNothing)
{
    // The close box, and the window system's close (window manager, Alt+F4).
    const std::vector<std::function<void(QWidget&)>> requests = {
        [](QWidget& w) { w.close(); },
        [](QWidget& w) { w.windowHandle()->close(); },
    };
    for (const auto& request : requests) {
        bool probing = false;
        bool disabledMeanwhile = false;
        QTimer::singleShot(0, [&] {
            probing = Link().probe().running();
            disabledMeanwhile = !main_->isEnabled();
            request(*main_);
        });
        WithPortDialog([&](ComForm& form) {
            request(*main_);
            EXPECT_TRUE(main_->isVisible());
            EXPECT_TRUE(prompts_.messages().empty());
            QTest::mouseClick(form.cmdCancel, Qt::LeftButton);
        });
        EXPECT_TRUE(probing);
        EXPECT_TRUE(disabledMeanwhile);
        EXPECT_TRUE(main_->isVisible());
        EXPECT_TRUE(main_->isEnabled());
        EXPECT_TRUE(prompts_.messages().empty());
    }
    EXPECT_EQ(sim_.radio.received, QByteArray::fromHex("415449310D415449310D"));

    // Free again, the main window closes as before.
    prompts_.answer(MsgResult::Yes);
    EXPECT_TRUE(main_->close());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, QStringLiteral("Do you wish to exit ZX-4100 program？"));
}

}  // namespace
}  // namespace zx::test
