// From the main window's Program > Test Mode through the test window to a
// tuning dialog and back, on the radio simulator: the test window enters
// the item and hands the radio over, the dialog runs its exchanges on its
// own port, and the test window takes over again once the dialog has gone.
#include <gtest/gtest.h>

#include <functional>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/MDIForm1.h"
#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "common/StaysAbove.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeRadio.h"
#include "testmode/ui/TestForm.h"
#include "testmode/ui/TestModeCommands.h"
#include "testmode/ui/TuningPointTab.h"
#include "testmode/ui/TuningValueBox.h"
#include "testmode/ui/TunningForm2.h"
#include "testmode/ui/TunningForm3.h"

namespace zx::test {
namespace {

using Kind = RadioModel::Command::Kind;
constexpr int kComPort = 6;

template <typename Form>
Form* OpenDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(w); form && form->isVisible())
            return form;
    return nullptr;
}

class TuningThroughTestWindow : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        PrepareTestModeRadio(sim_.radio, core_.image);

        // Program > Test Mode, as the user picks it.
        QAction* testMode = main_->findChild<QAction*>(QStringLiteral("MnuProgramTestMode"));
        ASSERT_TRUE(testMode);
        testMode->trigger();
        ASSERT_TRUE(WaitUntil([this] { return main_->testMode().testForm() != nullptr; }));
        test_ = main_->testMode().testForm();
        // The window's opening channel step: 10 01, then 06, and the radio's
        // 06 taken in: the step is over.
        ASSERT_TRUE(WaitUntil([this] { return sim_.radio.count(Kind::TestSignal) == 0 && sim_.radio.testChannel == 1 &&
                                            sim_.radio.log.back().kind == Kind::Ack; }));
        ASSERT_TRUE(WaitUntil([this] { return !test_->link().busy(); }));
        EXPECT_FALSE(main_->isEnabled());
    }

    void TearDown() override
    {
        if (test_) {
            test_->close();
            WaitUntil([this] { return test_.isNull(); });
        }
        EXPECT_TRUE(main_->isEnabled());
        main_.reset();
    }

    // Picks tuning item `item` (1..15) and presses Tune.
    void Tune(int item)
    {
        test_->LvwTuneSel->setCurrentRow(item - 1);
        test_->LvwTuneSel_Click();
        QTest::mouseClick(test_->CmdTune, Qt::LeftButton);
    }

    QPointer<TestForm> test_;
};

TEST_F(TuningThroughTestWindow, MaxDeviationCenterUpOkStoresTheNewValueAtItsCode)
{
    Tune(4);
    TunningForm3* form = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (form = OpenDialog<TunningForm3>()) != nullptr; }));
    QPointer<TunningForm3> dialog(form);
    EXPECT_FALSE(test_->isEnabled());
    // Above the test window, which is above the main window: a click on
    // either disabled window hides neither.
    EXPECT_TRUE(StaysAbove(*form, *test_));
    EXPECT_TRUE(StaysAbove(*test_, *main_));
    EXPECT_EQ(form->windowTitle(), "Max Deviation(Wide)");
    EXPECT_EQ(sim_.radio.enteredCode, 0x17);

    QTabBar* tabs = form->SSTabTune->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(form->SSTabTune->currentIndex(), 2);
    // The point is entered, its values read and acknowledged; the
    // selection ends with the port closed and the value shown.
    ASSERT_TRUE(WaitUntil([&] { return sim_.radio.enteredCode == 0x25 && sim_.radio.count(Kind::ReadValue) == 1; }));
    ASSERT_TRUE(WaitUntil([&] { return !form->portLink().port().isOpen(); }));
    TuningPointTab* center = form->tab(2);
    EXPECT_EQ(center->txtTuneValue->text(), "26");  // 0x191 of the tuning block
    center->txtTuneValue->setFocus();
    QTest::keyClick(center->txtTuneValue, Qt::Key_Up);
    ASSERT_TRUE(WaitUntil([&] { return sim_.radio.liveValue[0x25] == 27; }));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);

    ASSERT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
    EXPECT_EQ(sim_.radio.storedValue[0x25], 27);
    const auto items = sim_.radio.commands(Kind::Item);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().raw, QByteArray::fromHex("250E"));
    // The test window takes the radio back 30 ms later.
    ASSERT_TRUE(WaitUntil([&] { return test_->isEnabled(); }));
    EXPECT_FALSE(core_.testMode.LinkAborted);
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TuningThroughTestWindow, Vox1StartOkStoresTheMeasuredByteAndEnablesTheTestWindow)
{
    sim_.radio.liveValue[0x21] = 0x5A;  // what the radio measures
    Tune(13);
    TunningForm2* form = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (form = OpenDialog<TunningForm2>()) != nullptr; }));
    QPointer<TunningForm2> dialog(form);
    EXPECT_EQ(form->windowTitle(), "VOX1");
    EXPECT_FALSE(test_->isEnabled());
    QTest::mouseClick(form->CmdStart, Qt::LeftButton);
    EXPECT_TRUE(form->PicStart->isVisible());
    ASSERT_TRUE(WaitUntil([&] { return form->txtTuneValue->text() == "90"; }));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);

    ASSERT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
    EXPECT_EQ(sim_.radio.storedValue[0x21], 0x5A);
    ASSERT_TRUE(WaitUntil([&] { return test_->isEnabled(); }));
    EXPECT_TRUE(prompts_.messages().empty());
}

// Battery Warning Level's dialog: OK, Cancel or the close box pressed
// during the measuring loop's pause is held until the pause ends; the
// closing exchange it then starts takes no more input, so the dialog's
// controls go grey with it, as when it starts at once.
TEST_F(TuningThroughTestWindow, AClosePressedInTheMeasuringPauseGreysTheDialogOnceItsExchangeStarts)
{
    struct Case {
        const char* name;
        std::function<void(TunningForm2&)> press;
    };
    const Case cases[] = {
        {"OK", [](TunningForm2& f) { QTest::mouseClick(f.cmdOK, Qt::LeftButton); }},
        {"Cancel", [](TunningForm2& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }},
        {"close box", [](TunningForm2& f) { f.close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WaitUntil([&] { return test_->isEnabled(); }));
        Tune(12);
        TunningForm2* form = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (form = OpenDialog<TunningForm2>()) != nullptr; }));
        QPointer<TunningForm2> dialog(form);
        QTest::mouseClick(form->CmdStart, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return form->link().pausing(); }));
        c.press(*form);
        ASSERT_FALSE(form->link().closing());  // held: the loop's pause runs on

        ASSERT_TRUE(WaitUntil([&] { return dialog.isNull() || dialog->link().closing(); }));
        ASSERT_TRUE(dialog) << "the closing exchange is over before it could be seen";
        EXPECT_FALSE(form->cmdOK->isEnabled());
        EXPECT_FALSE(form->cmdCancel->isEnabled());
        EXPECT_FALSE(form->CmdStart->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
    }
    const auto items = sim_.radio.commands(Kind::Item);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().raw.right(1), QByteArray::fromHex("0E"));  // each closing exchange ran to its store
    EXPECT_TRUE(prompts_.messages().empty());
    ASSERT_TRUE(WaitUntil([&] { return test_->isEnabled(); }));
}

// Max Deviation's dialog: the radio stops answering, PTT brings the reply
// time-out question, and while it is up the device vanishes. The question
// stays the user's: no other box comes and the dialog stays, even when
// asked to close. Its answer, Retry or Cancel, ends the dialog on the loss,
// once: the loss is reported after the question, nothing more goes out, and
// the test window takes over again with the lock; its own closing then
// gives the lock back.
class TuningDialogLosesItsPort : public TuningThroughTestWindow,
                                 public ::testing::WithParamInterface<MsgResult> {};

TEST_P(TuningDialogLosesItsPort, UnderTheTimeOutQuestionTheAnswerEndsTheDialogOnce)
{
    Tune(4);
    TunningForm3* form = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (form = OpenDialog<TunningForm3>()) != nullptr; }));
    QPointer<TunningForm3> dialog(form);
    sim_.radio.replyFilter = [](const RadioModel::Command&, const QByteArray&) { return QByteArray(); };

    bool portLost = false;
    std::size_t boxesUnderTheQuestion = 0;
    bool stayedUnderTheQuestion = false;
    std::size_t heardBeforeTheLoss = 0;
    prompts_.answerAfter(GetParam(), [&] {
        heardBeforeTheLoss = sim_.radio.log.size();
        sim_.HangUp();
        portLost = WaitUntil([&] { return dialog && !dialog->portLink().port().isOpen(); });
        if (dialog) {
            dialog->close();
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
        QTest::qWait(100);
        boxesUnderTheQuestion = prompts_.messages().size();
        stayedUnderTheQuestion = dialog && dialog->isVisible();
    });
    QTest::mouseClick(form->CmdPtt, Qt::LeftButton);

    ASSERT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
    EXPECT_TRUE(portLost);
    EXPECT_EQ(boxesUnderTheQuestion, 1u);
    EXPECT_TRUE(stayedUnderTheQuestion);
    ASSERT_EQ(prompts_.messages().size(), 2u);
    EXPECT_EQ(prompts_.messages()[0].text, "please check all connections and communication port settings.");
    EXPECT_TRUE(prompts_.messages()[1].text.startsWith(QStringLiteral("COM%1 (").arg(kComPort)));
    EXPECT_TRUE(prompts_.messages()[1].text.contains("was disconnected"));
    EXPECT_EQ(sim_.radio.log.back().kind, Kind::Ptt);  // the last command the radio heard
    EXPECT_EQ(sim_.radio.log.size(), heardBeforeTheLoss);
    EXPECT_EQ(prompts_.unansweredMessages(), 1);  // only the loss's OK

    // The test window takes over again, still holding the lock.
    ASSERT_TRUE(WaitUntil([this] { return test_->isEnabled(); }));
    EXPECT_FALSE(core_.testMode.LinkAborted);
    EXPECT_TRUE(ExchangeRunning());
    EXPECT_FALSE(main_->isEnabled());
    // Its closing finds the device gone, says so and gives everything back.
    test_->close();
    ASSERT_TRUE(WaitUntil([this] { return test_.isNull(); }));
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_EQ(prompts_.messages().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Answers, TuningDialogLosesItsPort, ::testing::Values(MsgResult::Retry, MsgResult::Cancel),
                         [](const auto& info) { return info.param == MsgResult::Retry ? "Retry" : "Cancel"; });

}  // namespace
}  // namespace zx::test
