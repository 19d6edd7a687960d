// The transfer dialog and the Read and Write commands, against the radio
// simulator on a pseudo-terminal. The dialog runs non-modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "common/Patience.h"
#include "common/RecordingWorkspace.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpKeyFilter.h"
#include "link/ExchangeLock.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

constexpr int kComPort = 9;

// The main window's part: the title is recorded with the file it names.
class TransferWorkspace : public RecordingWorkspace {
public:
    void RemakeTitle() override { calls << "RemakeTitle:" + Core().document.DataFilePath; }
};

class TransferDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.ok());
        sim.Attach(kComPort, core);
        sim.radio.FillPattern();
    }

    // A loaded dialog for TransferMode `mode`, shown non-modally.
    std::unique_ptr<ConnectForm> Open(TransferMode mode)
    {
        core.link.TransferMode = mode;
        auto form = std::make_unique<ConnectForm>(workspace);
        form->setWindowTitle(mode == TransferMode::Read ? "Read data from radio" : "Write data to radio");
        form->PrgValue->setMaximum(mode == TransferMode::Read ? 16 : 49);
        EXPECT_TRUE(form->Load());
        QObject::connect(form.get(), &ConnectForm::unloaded, [this] { unloaded = true; });
        form->show();
        return form;
    }

    AppCore core;
    ScriptedPrompts prompts;
    PtyRadio sim;
    TransferWorkspace workspace;
    QStringList& calls = workspace.calls;
    bool unloaded = false;
};

TEST_F(TransferDialog, ReadThroughTheDialog)
{
    auto form = Open(TransferMode::Read);
    EXPECT_EQ(form->cmdOK->text(), "&OK");
    EXPECT_EQ(form->cmdCancel->text(), "&Cancel");
    EXPECT_FALSE(form->cmdHelp->isVisibleTo(form.get()));
    EXPECT_EQ(form->windowIcon().cacheKey(), WindowIcon().cacheKey());
    EXPECT_TRUE(sim.radio.received.isEmpty());  // the load opens and closes the port only
    EXPECT_TRUE(ExchangeRunning());

    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(form->cmdOK->isEnabled());
    EXPECT_FALSE(form->cmdCancel->isEnabled());
    // While the transfer runs the dialog refuses to close.
    form->close();
    EXPECT_TRUE(form->isVisible());

    ASSERT_TRUE(WaitUntil([&] { return unloaded; }));
    EXPECT_FALSE(form->isVisible());
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(form->PrgValue->value(), 16);
    EXPECT_EQ(core.link.TransferMode, TransferMode::Completed);
    const QStringList expected = {"DecodeAllChannels",
                                  "RemakeTitle:ZX-4100.dat",
                                  "EnableMainWindow",
                                  "CloseEditorWindows",
                                  "RestoreChannelWindow",
                                  QStringLiteral("LayoutChannelGrid(%1)").arg(core.ChannelCount())};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(core.windowSlots.slot(0).visible);
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, "Reading Completed");
}

TEST_F(TransferDialog, CancelBeforeOkClosesNoEditor)
{
    auto form = Open(TransferMode::Read);
    QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
    ASSERT_TRUE(unloaded);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(calls, QStringList({"EnableMainWindow", "LayoutChannelGrid(16)"}));
    EXPECT_TRUE(sim.radio.received.isEmpty());
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(core.windowSlots.isOpen(ChannelFormOpen));
}

TEST_F(TransferDialog, CloseBoxBeforeOkClosesTheEditors)
{
    auto form = Open(TransferMode::Write);
    EXPECT_EQ(form->helpContextId(), 5200);
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_EQ(calls, QStringList({"ShowHelpPage(writeradio.htm)"}));
    calls.clear();
    form->close();
    ASSERT_TRUE(unloaded);
    EXPECT_EQ(calls[1], "CloseEditorWindows");
    EXPECT_EQ(calls[2], "RestoreChannelWindow");
}

TEST_F(TransferDialog, EscapeAndEnterClickNeitherButton)
{
    auto form = Open(TransferMode::Read);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(unloaded);
    EXPECT_TRUE(sim.radio.received.isEmpty());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(calls.back(), "ShowHelpPage(readradio.htm)");
    EXPECT_EQ(form->helpContextId(), 5100);
    QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
}

TEST_F(TransferDialog, F1InTheRunningProgramOpensThePageOfTheTransfer)
{
    // The program's F1 filter answers before the dialog sees the key.
    for (TransferMode mode : {TransferMode::Read, TransferMode::Write}) {
        auto form = Open(mode);
        EXPECT_EQ(HelpKeyFilter::PageForWidget(form->cmdCancel), mode == TransferMode::Read ? "readradio" : "writeradio");
        QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
    }
}

TEST_F(TransferDialog, CancelAtBlockNineKeepsTheChannelList)
{
    core.image.fill(0xA5);
    core.image.setModelBandCode(0x21);
    sim.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read && c.occurrence == 9 ? QByteArray() : normal;
    };
    prompts.answer(MsgResult::Cancel);
    auto form = Open(TransferMode::Read);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return unloaded; }));
    // The eight blocks received are dropped: the image is as it was.
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), a == 0x1BD ? 0x21 : 0xA5) << a;
    EXPECT_EQ(sim.radio.received.count('E'), 1);
    EXPECT_TRUE(sim.radio.received.endsWith('E'));
    EXPECT_EQ(calls.count("DecodeAllChannels"), 0);
    EXPECT_EQ(calls[1], "CloseEditorWindows");  // a started transfer closes the editors
    EXPECT_FALSE(form->link().port().isOpen());
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].buttons, MsgButtons::RetryCancel);
}

TEST_F(TransferDialog, RetryAtTheTimeOutBoxWakesTheRadioAgain)
{
    sim.radio.muteWakeUps = 1;
    prompts.answer(MsgResult::Retry);
    auto form = Open(TransferMode::Read);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return unloaded; }));
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[0].text, "please check all connections and communication port settings.");
    EXPECT_EQ(prompts.messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(prompts.messages()[1].text, "Reading Completed");
    EXPECT_EQ(sim.radio.count(RadioModel::Command::WakeUp), 2);
    EXPECT_EQ(form->transfer()->outcome(), RadioTransfer::Outcome::Completed);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(calls.count("DecodeAllChannels"), 1);
    EXPECT_FALSE(form->link().port().isOpen());
}

TEST_F(TransferDialog, OkAtTheOtherModelBoxWritesAnyway)
{
    core.InitAllFrameData();
    sim.radio.identBand = static_cast<std::uint8_t>(core.image.modelBandCode() + 1);
    core.checks.PttCodeCheck = true;
    prompts.answer(MsgResult::Ok);  // "Model type is wrong.Overwrite?"
    auto form = Open(TransferMode::Write);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return unloaded; }));
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[0].text, "Model type is wrong.Overwrite?");
    EXPECT_EQ(prompts.messages()[1].text, "Writing Completed");
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Write), 49);
    EXPECT_EQ(core.link.TransferMode, TransferMode::Completed);
    EXPECT_FALSE(core.checks.PttCodeCheck);
    EXPECT_EQ(calls.count("DecodeAllChannels"), 0);
    EXPECT_FALSE(form->link().port().isOpen());
}

TEST_F(TransferDialog, DeviceGoneMidReadClosesTheDialogAndFreesTheLink)
{
    core.image.fill(0xA5);
    const RadioImage before = core.image;
    sim.hangUpAtCommand = 12;
    auto form = Open(TransferMode::Read);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return unloaded; }));
    EXPECT_EQ(form->transfer()->outcome(), RadioTransfer::Outcome::PortLost);
    EXPECT_EQ(core.image, before);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DecodeAllChannels"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "EnableMainWindow"), 1);
    EXPECT_FALSE(form->link().port().isOpen());
    EXPECT_FALSE(form->link().sendTimerActive());
    EXPECT_FALSE(form->link().replyTimerActive());
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith("COM9 (" + sim.slavePath() + ") was disconnected"));
}

TEST_F(TransferDialog, RefusedWriteMayBeClosedOnceTheEndCommandIsOut)
{
    core.InitAllFrameData();
    sim.radio.identBand = static_cast<std::uint8_t>(core.image.modelBandCode() + 1);
    prompts.answer(MsgResult::Cancel);  // "Model type is wrong.Overwrite?"
    auto form = Open(TransferMode::Write);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    // Hold the dialog open right after the send step that ends the write.
    bool refused = false;
    const auto sendStep = form->link().onSendTimer;
    form->link().onSendTimer = [&, sendStep] {
        sendStep();
        if (!refused && form->transfer()->TransferFinished()) {
            refused = true;
            form->link().StopReplyTimer();
        }
    };
    ASSERT_TRUE(WaitUntil([&] { return refused; }));
    EXPECT_FALSE(unloaded);
    form->close();
    EXPECT_TRUE(unloaded);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(WaitUntil([&] { return sim.radio.received.endsWith('E'); }));
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Write), 0);
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_FALSE(form->link().port().isOpen());
}

TEST_F(TransferDialog, PortThatCannotOpenLeavesNothingRunning)
{
    qputenv("ZX4100_COM9", "/dev/zx4100-missing");
    core.link.TransferMode = TransferMode::Read;
    ConnectForm form(workspace);
    EXPECT_FALSE(form.Load());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              "COM9 (/dev/zx4100-missing) cannot be opened: the device does not exist.\r\n"
              "Check that the cable is plugged in, or map COM9 to another device." +
                  PresentDevicesText(PresentSerialDevices()));
    EXPECT_EQ(prompts.messages()[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_FALSE(form.link().port().isOpen());
    EXPECT_EQ(calls, QStringList({"EnableMainWindow"}));
}

TEST_F(TransferDialog, PortLostBeforeOkEndsLikeCancel)
{
    auto form = Open(TransferMode::Read);
    qputenv("ZX4100_COM9", "/dev/zx4100-missing");
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(unloaded);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith("COM9 (/dev/zx4100-missing) cannot be opened"));
    EXPECT_EQ(calls.count("CloseEditorWindows"), 0);
    EXPECT_EQ(calls.front(), "EnableMainWindow");
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_FALSE(form->link().port().isOpen());
}

// --- the commands -------------------------------------------------------------

class TransferCommand : public TransferDialog {
protected:
    void SetUp() override
    {
        TransferDialog::SetUp();
        previous = SetConnectFormRunner([this](ConnectForm& form) {
            ++dialogs;
            title = form.windowTitle();
            progressMax = form.PrgValue->maximum();
            progressValue = form.PrgValue->value();
            bool closed = false;
            QObject::connect(&form, &ConnectForm::unloaded, [&] { closed = true; });
            form.show();
            QTest::mouseClick(form.cmdOK, Qt::LeftButton);
            EXPECT_TRUE(WaitUntil([&] { return closed; }));
        });
    }
    void TearDown() override
    {
        SetConnectFormRunner(previous);
        TransferDialog::TearDown();
    }
    ConnectFormRunner previous;
    int dialogs = 0;
    QString title;
    int progressMax = -1;
    int progressValue = -1;
};

TEST_F(TransferCommand, ReadShowsTheDialogThenTheChannelList)
{
    core.link.TransferMode = TransferMode::Completed;
    MnuProgramRead_Click(workspace);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(title, "Read data from radio");
    EXPECT_EQ(progressMax, 16);
    EXPECT_EQ(progressValue, 0);
    EXPECT_EQ(calls.back(), "ShowChannelWindow");
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Read), 17);
}

TEST_F(TransferCommand, WriteRunsWhenTheChecksPass)
{
    core.InitAllFrameData();
    sim.radio.identBand = core.image.modelBandCode();
    sim.radio.identVariant = core.image.modelVariant();
    core.checks.PttCodeCheck = true;  // no channel uses PTT ID: the recount clears it
    core.checks.PttCodeMissing = 3;
    MnuProgramWrite_Click(workspace);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(title, "Write data to radio");
    EXPECT_EQ(progressMax, 49);
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Write), 49);
    EXPECT_FALSE(core.checks.PttCodeCheck);
    EXPECT_EQ(calls.back(), "ShowChannelWindow");
}

TEST_F(TransferCommand, FailedCheckShowsOnlyTheFirstMessage)
{
    // Any attempt to open the port would bring a second box.
    qputenv("ZX4100_COM9", "/dev/zx4100-missing");
    core.checks.PriorityChannelError = true;
    core.checks.PttCodeCheck = true;
    core.checks.PttCodeMissing = 3;
    core.image.set(layout::ChannelPttIdCode(2), 0xB1);
    core.link.TransferMode = TransferMode::Completed;
    MnuProgramWrite_Click(workspace);
    EXPECT_EQ(dialogs, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, "The following setting is incorrect.\r\n\r\n\"Priority Channel\"");
    EXPECT_TRUE(sim.radio.received.isEmpty());
    EXPECT_EQ(core.link.TransferMode, TransferMode::Completed);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_FALSE(ExchangeRunning());
}

TEST_F(TransferCommand, NothingStartsWhileAnotherExchangeRuns)
{
    ASSERT_TRUE(TryBeginExchange());
    MnuProgramRead_Click(workspace);
    MnuProgramWrite_Click(workspace);
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_TRUE(sim.radio.received.isEmpty());
    EndExchange();
}

TEST_F(TransferCommand, SecondDialogCannotLoadWhileOneHoldsThePort)
{
    auto first = Open(TransferMode::Read);
    core.link.TransferMode = TransferMode::Read;
    ConnectForm second(workspace);
    EXPECT_FALSE(second.Load());
    QTest::mouseClick(first->cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(ExchangeRunning());
}

}  // namespace
}  // namespace zx::test
