// The test window's Print button on the radio simulator: the transmitter is
// switched off first, the confirmation comes 200 ms after the click, the
// window starts nothing meanwhile, and OK prints the tuning data.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/MDIForm1.h"
#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/PdfPages.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "link/ui/MainLinkController.h"
#include "platform/SettingsStore.h"
#include "printing/ui/ReportPrinter.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeRadio.h"
#include "testmode/TestEntrySteps.h"
#include "testmode/TestModeLink.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/ui/TestForm.h"
#include "testmode/ui/TuningDataPrint.h"

namespace zx::test {
namespace {

constexpr int kComPort = 8;
using Kind = RadioModel::Command::Kind;

class TestWindowPrint : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        previousQueues_ = SetPrinterQueueCheck([] { return false; });
        ResetReportPrinter();
        // The time each box comes, on the simulator's clock.
        scripted_ = SetMessageHandler([this](const MessageRequest& request) {
            boxTimes_.push_back(sim_.now());
            return scripted_(request);
        });

        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        PrepareTestModeRadio(sim_.radio, core_.image);

        // Program > Test Mode as the main window runs it, up to the test
        // window's opening Channel step.
        main_->mainLink().StartTestEntry(steps_);
        ASSERT_TRUE(WaitUntil([this] { return form_ != nullptr; }))
            << sim_.radio.received.toHex().toStdString() << " boxes " << prompts_.messages().size()
            << (prompts_.messages().empty() ? "" : prompts_.messages()[0].text.toStdString());
        ASSERT_TRUE(WaitUntil([this] { return sim_.radio.count(Kind::TestChannel) == 17; }));
        ASSERT_TRUE(WaitUntil([this] { return !form_->link().busy(); }));
    }
    void TearDown() override
    {
        if (form_) {
            form_->close();
            EXPECT_TRUE(WaitUntil([this] { return form_.isNull(); }));
        }
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
        SetMessageHandler(scripted_);
        SetPrinterQueueCheck(previousQueues_);
        ReportPrinter().setOutputFileName(QString());
    }

    void ShowTestForm()
    {
        form_ = new TestForm(*main_, dialogs_, [](const QByteArray& block) {
            StoreTuningData(Core().image, Core().testMode, block);
        });
        form_->show();
        form_->Form_Load();
    }
    // Keys the transmitter with the window's PTT button.
    void KeyTransmitter()
    {
        QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([this] { return sim_.radio.pttOn && !form_->link().busy(); }));
        ASSERT_EQ(TestForm::PictureOf(form_->PicPtt), "LampOn");
    }
    std::vector<RadioModel::Command> CommandsSince(std::size_t first) const
    {
        return {sim_.radio.log.begin() + static_cast<std::ptrdiff_t>(first), sim_.radio.log.end()};
    }

    MessageHandler scripted_;  // the scripted answerer, wrapped to time the boxes
    PrinterQueueCheck previousQueues_;
    std::vector<qint64> boxTimes_;
    TuningDialogFactories dialogs_;
    QPointer<TestForm> form_;
    TestEntrySteps steps_{core_.image, core_.testMode, [this] { ShowTestForm(); }};
    QTemporaryDir dir_;
};

TEST_F(TestWindowPrint, SwitchesTheTransmitterOffThenAsksAfter200MsAndCancelPrintsNothing)
{
    KeyTransmitter();
    prompts_.answer(MsgResult::Cancel);
    const std::size_t before = sim_.radio.log.size();
    const qint64 click = sim_.now();
    QTest::mouseClick(form_->CmdPrint, Qt::LeftButton);
    // Nothing the user does in the wait starts a step. No event has been
    // handled since the click, so the wait has begun and cannot be over,
    // however slow the machine.
    EXPECT_FALSE(form_->CmdPtt->isEnabled());
    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    form_->CmdPtt_Click();
    form_->cmdWide_Click();
    ASSERT_TRUE(WaitUntil([this] { return !boxTimes_.empty(); }));
    ASSERT_TRUE(WaitUntil([this] { return !form_->printoutRunning(); }));

    const std::vector<RadioModel::Command> sent = CommandsSince(before);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].raw, QByteArray::fromHex("080E"));
    ExpectWaitedAbout(sent[0].at - click, TestModeLink::kPttDelayMs);
    ASSERT_EQ(boxTimes_.size(), 1u);
    ExpectWaitedAbout(boxTimes_[0] - click, kPttOffWaitMs);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "All tuning data print out.");
    EXPECT_EQ(prompts_.messages()[0].parent, form_.data());

    EXPECT_TRUE(prompts_.fileRequests().empty()) << "Cancel prints nothing";
    EXPECT_EQ(TestForm::PictureOf(form_->PicPtt), "LampOff");
    EXPECT_FALSE(form_->link().PttOn());
    EXPECT_FALSE(sim_.radio.pttOn);
    // The window works again.
    EXPECT_TRUE(form_->CmdPtt->isEnabled());
    EXPECT_TRUE(form_->CmdPrint->isEnabled());
}

TEST_F(TestWindowPrint, OkPrintsTheTuningDataTheEntryStored)
{
    const QString pdf = dir_.filePath(QStringLiteral("tuning.pdf"));
    prompts_.answer(MsgResult::Ok);
    prompts_.chooseFile(pdf);
    const std::size_t before = sim_.radio.log.size();
    QTest::mouseClick(form_->CmdPrint, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return !form_->printoutRunning(); }));

    // Not transmitting: the PTT off goes out all the same.
    const std::vector<RadioModel::Command> sent = CommandsSince(before);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].raw, QByteArray::fromHex("080E"));
    EXPECT_EQ(prompts_.messages().size(), 1u) << "no message after a good printout";
    ASSERT_EQ(prompts_.fileRequests().size(), 1u);

    const QString page = PdfLayoutText(pdf);
    // The RF High Power line of the identity block the entry stored.
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral(
        R"(RF High Power\s+11\s+12\s+13\s+14\s+15\s+16\s+---)"))))
        << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("UHF: 400-480 MHz")));
}

}  // namespace
}  // namespace zx::test
