// From the main window's Program > Test Mode through the test window to a
// tuning dialog and back, on the radio simulator: the test window enters
// the item and hands the radio over, the dialog runs its exchanges on its
// own port, and the test window takes over again once the dialog has gone.
#include <gtest/gtest.h>

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
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
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

bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    return QTest::qWaitFor(done, ms);
}

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
        ASSERT_TRUE(WaitFor([this] { return main_->testMode().testForm() != nullptr; }));
        test_ = main_->testMode().testForm();
        // The window's opening channel step: 10 01, then 06.
        ASSERT_TRUE(WaitFor([this] { return sim_.radio.count(Kind::TestSignal) == 0 && sim_.radio.testChannel == 1 &&
                                            sim_.radio.log.back().kind == Kind::Ack; }));
        QTest::qWait(50);
        EXPECT_FALSE(main_->isEnabled());
    }

    void TearDown() override
    {
        if (test_) {
            test_->close();
            WaitFor([this] { return test_.isNull(); });
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
    ASSERT_TRUE(WaitFor([&] { return (form = OpenDialog<TunningForm3>()) != nullptr; }));
    QPointer<TunningForm3> dialog(form);
    EXPECT_FALSE(test_->isEnabled());
    EXPECT_EQ(form->windowTitle(), "Max Deviation(Wide)");
    EXPECT_EQ(sim_.radio.enteredCode, 0x17);

    QTabBar* tabs = form->SSTabTune->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(form->SSTabTune->currentIndex(), 2);
    // The point is entered, its values read and acknowledged.
    ASSERT_TRUE(WaitFor([&] { return sim_.radio.enteredCode == 0x25 && sim_.radio.count(Kind::ReadValue) == 1; }));
    QTest::qWait(100);
    TuningPointTab* center = form->tab(2);
    EXPECT_EQ(center->txtTuneValue->text(), "26");  // 0x191 of the tuning block
    center->txtTuneValue->setFocus();
    QTest::keyClick(center->txtTuneValue, Qt::Key_Up);
    ASSERT_TRUE(WaitFor([&] { return sim_.radio.liveValue[0x25] == 27; }));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);

    ASSERT_TRUE(WaitFor([&] { return dialog.isNull(); }));
    EXPECT_EQ(sim_.radio.storedValue[0x25], 27);
    const auto items = sim_.radio.commands(Kind::Item);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().raw, QByteArray::fromHex("250E"));
    // The test window takes the radio back 30 ms later.
    ASSERT_TRUE(WaitFor([&] { return test_->isEnabled(); }));
    EXPECT_FALSE(core_.testMode.LinkAborted);
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TuningThroughTestWindow, Vox1StartOkStoresTheMeasuredByteAndEnablesTheTestWindow)
{
    sim_.radio.liveValue[0x21] = 0x5A;  // what the radio measures
    Tune(13);
    TunningForm2* form = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (form = OpenDialog<TunningForm2>()) != nullptr; }));
    QPointer<TunningForm2> dialog(form);
    EXPECT_EQ(form->windowTitle(), "VOX1");
    EXPECT_FALSE(test_->isEnabled());
    QTest::mouseClick(form->CmdStart, Qt::LeftButton);
    EXPECT_TRUE(form->PicStart->isVisible());
    ASSERT_TRUE(WaitFor([&] { return form->txtTuneValue->text() == "90"; }));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);

    ASSERT_TRUE(WaitFor([&] { return dialog.isNull(); }));
    EXPECT_EQ(sim_.radio.storedValue[0x21], 0x5A);
    ASSERT_TRUE(WaitFor([&] { return test_->isEnabled(); }));
    EXPECT_TRUE(prompts_.messages().empty());
}

}  // namespace
}  // namespace zx::test
