// Close requests and ended links where the windows of test mode meet,
// through the real main window on the radio simulator: a close request on a
// window that waits for another (the main window under the test window, the
// test window under a tuning dialog) does nothing, and a link that ends
// under the tuning-data printout closes the test window once the printout
// is over.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "app/MDIForm1.h"
#include "common/Patience.h"
#include "common/PdfPages.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "printing/ui/ReportPrinter.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeRadio.h"
#include "testmode/ui/TestForm.h"
#include "testmode/ui/TestModeCommands.h"
#include "testmode/ui/TunningForm3.h"

namespace zx::test {
namespace {

using Kind = RadioModel::Command::Kind;
constexpr int kComPort = 12;
const QString kExitQuestion = QStringLiteral("Do you wish to exit ZX-4100 program？");
const QString kTimeoutText = QStringLiteral("please check all connections and communication port settings.");
const QString kPrintQuestion = QStringLiteral("All tuning data print out.");

// The ways a window is asked to close that do not go through its own
// buttons: its close box, and the window system's close (the window
// manager's menu, Alt+F4).
struct CloseRequest {
    const char* name;
    std::function<void(QWidget&)> send;
};
const CloseRequest kCloseRequests[] = {
    {"close box", [](QWidget& w) { w.close(); }},
    {"window manager", [](QWidget& w) { w.windowHandle()->close(); }},
};

class CloseRequestsInTestMode : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        PrepareTestModeRadio(sim_.radio, core_.image);
    }
    void TearDown() override
    {
        if (Form()) {
            sim_.radio.replyFilter = nullptr;
            Form()->close();
            EXPECT_TRUE(WaitUntil([this] { return Form() == nullptr; }));
        }
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    TestForm* Form() { return main_->testMode().testForm(); }
    // Program > Test Mode, up to the test window's idle opening.
    void EnterTestMode()
    {
        main_->action("MnuProgramTestMode")->trigger();
        ASSERT_TRUE(WaitUntil([this] { return Form() && Form()->isVisible(); }));
        ASSERT_TRUE(WaitUntil([this] { return sim_.radio.testChannel == 1 && !Form()->link().busy(); }));
        EXPECT_FALSE(main_->isEnabled());
    }
    // The test window's Close, to its end: the radio leaves test mode.
    void CloseTestWindow()
    {
        ASSERT_TRUE(WaitUntil([this] { return Form()->isEnabled() && !Form()->link().busy(); }));
        QTest::mouseClick(Form()->cmdClose, Qt::LeftButton);
        ASSERT_NO_FATAL_FAILURE(WaitForTheExitStep());
    }
    // The test window's exit step, to its end: the radio leaves test mode.
    void WaitForTheExitStep()
    {
        ASSERT_TRUE(WaitUntil([this] { return Form() == nullptr; }));
        EXPECT_TRUE(sim_.radio.received.endsWith(QByteArray::fromHex("45")));
        EXPECT_FALSE(sim_.radio.inTestMode());
        EXPECT_TRUE(main_->isEnabled());
        EXPECT_FALSE(ExchangeRunning());
    }
    TunningForm3* TuningDialog()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TunningForm3*>(w); form && form->isVisible())
                return form;
        return nullptr;
    }
    // Max Deviation's tuning dialog, with the test window disabled under it.
    void OpenTuningDialog()
    {
        Form()->LvwTuneSel->setCurrentRow(3);
        Form()->LvwTuneSel_Click();
        QTest::mouseClick(Form()->CmdTune, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([this] { return TuningDialog() != nullptr; }));
        EXPECT_FALSE(Form()->isEnabled());
    }
    // Sends the request, then gives the program time to act on it; true
    // when nothing came of it: no box, no byte to the radio.
    bool NothingComesOf(const CloseRequest& request, QWidget& window)
    {
        const QByteArray before = sim_.radio.received;
        const std::size_t boxes = prompts_.messages().size();
        request.send(window);
        QTest::qWait(250);
        return sim_.radio.received == before && prompts_.messages().size() == boxes;
    }
};

TEST_F(CloseRequestsInTestMode, AWindowThatWaitsForAnotherTakesNoCloseRequestAndClosesOnceFree)
{
    for (const CloseRequest& request : kCloseRequests) {
        SCOPED_TRACE(request.name);
        ASSERT_NO_FATAL_FAILURE(EnterTestMode());

        // The test window open: the main window is disabled under it.
        EXPECT_TRUE(NothingComesOf(request, *main_));
        EXPECT_TRUE(main_->isVisible());
        ASSERT_TRUE(Form() && Form()->isVisible());

        // A tuning dialog open: the test window is disabled under it too.
        ASSERT_NO_FATAL_FAILURE(OpenTuningDialog());
        QPointer<TunningForm3> dialog(TuningDialog());
        QTest::qWait(50);  // the dialog has opened its port; it sends nothing yet
        EXPECT_TRUE(NothingComesOf(request, *Form()));
        EXPECT_TRUE(NothingComesOf(request, *main_));
        ASSERT_TRUE(Form() && Form()->isVisible());
        EXPECT_FALSE(Form()->isEnabled());
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_TRUE(main_->isVisible());
        EXPECT_FALSE(main_->isEnabled());
        EXPECT_TRUE(ExchangeRunning());

        // The dialog's Cancel, then the test window's Close: 45 goes out.
        // While its exit step runs, the main window is enabled again but
        // still takes no close request.
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
        ASSERT_TRUE(WaitUntil([this] { return Form()->isEnabled() && !Form()->link().busy(); }));
        QTest::mouseClick(Form()->cmdClose, Qt::LeftButton);
        EXPECT_TRUE(ExchangeRunning());
        const std::size_t boxes = prompts_.messages().size();
        request.send(*main_);
        EXPECT_TRUE(main_->isVisible());
        EXPECT_EQ(prompts_.messages().size(), boxes);
        ASSERT_NO_FATAL_FAILURE(WaitForTheExitStep());
        EXPECT_TRUE(prompts_.messages().empty());
    }

    // The main window closes as before: the exit question, then the save
    // question (the Tune steps stored the radio's tuning block).
    prompts_.answer(MsgResult::Yes);
    prompts_.answer(MsgResult::No);
    EXPECT_TRUE(main_->close());
    ASSERT_EQ(prompts_.messages().size(), 2u);
    EXPECT_EQ(prompts_.messages()[0].text, kExitQuestion);
}

// The radio stops answering and PTT brings the test window's time-out
// question. A close request that comes while it is up (the close box, the
// window manager, or the Close button pressed as the box comes) does
// nothing: the answer still goes to the window. After Retry, with the radio
// answering again, the window works as before and closes through its own
// exit step.
TEST_F(CloseRequestsInTestMode, TheTestWindowTakesNoCloseRequestUnderItsQuestion)
{
    std::vector<CloseRequest> requests(std::begin(kCloseRequests), std::end(kCloseRequests));
    requests.push_back({"Close button", [](QWidget& w) {
                            QTest::mouseClick(static_cast<TestForm&>(w).cmdClose, Qt::LeftButton);
                        }});
    for (const CloseRequest& request : requests) {
        SCOPED_TRACE(request.name);
        prompts_.clear();
        ASSERT_NO_FATAL_FAILURE(EnterTestMode());
        QPointer<TestForm> form(Form());
        sim_.radio.replyFilter = [](const RadioModel::Command&, const QByteArray&) { return QByteArray(); };
        prompts_.answerAfter(MsgResult::Retry, [&] {
            request.send(*form);
            QTest::qWait(100);
            sim_.radio.replyFilter = nullptr;
        });
        QTest::mouseClick(form->CmdPtt, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return !prompts_.messages().empty() && form && !form->link().busy(); }));
        ASSERT_TRUE(form);
        EXPECT_EQ(prompts_.messages().size(), 1u);
        EXPECT_EQ(prompts_.messages()[0].text, kTimeoutText);
        EXPECT_FALSE(form->link().exiting());
        EXPECT_FALSE(main_->isEnabled());
        for (QWidget* control : std::initializer_list<QWidget*>{form->CmdPtt, form->ComChannel, form->cmdClose})
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_TRUE(sim_.radio.received.endsWith(QByteArray::fromHex("080D")));  // Retry keyed the transmitter

        QTest::mouseClick(form->CmdPtt, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return sim_.radio.received.endsWith(QByteArray::fromHex("080E")); }));
        ASSERT_NO_FATAL_FAILURE(CloseTestWindow());
    }
}

// Print is pressed and the link ends under the print question: either the
// radio has stopped answering, the PTT off gets no reply and the time-out
// box comes over the question; or the PTT off is answered and the device
// vanishes while the question is up. However the link ends, the test window
// closes once the question is answered (and the page printed after OK), and
// nothing more goes to the radio.
class LinkEndedUnderThePrintout : public CloseRequestsInTestMode {
protected:
    void SetUp() override
    {
        CloseRequestsInTestMode::SetUp();
        previousQueues_ = SetPrinterQueueCheck([] { return false; });
        ResetReportPrinter();
        // The print question holds its own event loop until the box the
        // link brings has come and gone, as a real box would.
        scripted_ = SetMessageHandler([this](const MessageRequest& request) {
            if (request.text == kPrintQuestion) {
                printQuestionUp_ = true;
                if (onPrintQuestion_)
                    onPrintQuestion_();
                EXPECT_TRUE(WaitUntil([this] { return linkBoxAnswered_; }));
                printQuestionUp_ = false;
                return scripted_(request);
            }
            const MsgResult answer = scripted_(request);
            if (printQuestionUp_) {
                linkBoxAnswered_ = true;
                sentAtAnswer_ = sim_.radio.received.size();
            }
            return answer;
        });
    }
    void TearDown() override
    {
        CloseRequestsInTestMode::TearDown();
        SetMessageHandler(scripted_);
        SetPrinterQueueCheck(previousQueues_);
    }

    MessageHandler scripted_;
    PrinterQueueCheck previousQueues_;
    std::function<void()> onPrintQuestion_;
    bool printQuestionUp_ = false;
    bool linkBoxAnswered_ = false;
    qsizetype sentAtAnswer_ = -1;
    QTemporaryDir dir_;
};

TEST_F(LinkEndedUnderThePrintout, TheTestWindowClosesOnceThePrintoutIsOver)
{
    struct Case {
        const char* name;
        bool portLost;      // else Cancel in the time-out box
        MsgResult answer;   // to the print question
    };
    const Case cases[] = {
        {"Cancel at the time-out, then Cancel", false, MsgResult::Cancel},
        {"Cancel at the time-out, then OK", false, MsgResult::Ok},
        {"port lost, then OK", true, MsgResult::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts_.clear();
        linkBoxAnswered_ = false;
        sentAtAnswer_ = -1;
        ASSERT_NO_FATAL_FAILURE(EnterTestMode());
        QPointer<TestForm> form(Form());
        if (!c.portLost)
            sim_.radio.replyFilter = [](const RadioModel::Command&, const QByteArray&) { return QByteArray(); };
        onPrintQuestion_ = [&] {
            // The line goes once the PTT off has been answered: with no reply
            // awaited, no time-out can come before the loss is seen, however
            // late the question comes.
            if (c.portLost) {
                EXPECT_TRUE(WaitUntil([&] { return form && !form->link().busy(); }));
                sim_.HangUp();
            }
        };
        const QString pdf = dir_.filePath(QString::fromLatin1(c.name) + ".pdf");
        if (!c.portLost)
            prompts_.answer(MsgResult::Cancel);  // the time-out box
        else
            prompts_.answer(MsgResult::Ok);  // the port-lost box
        prompts_.answer(c.answer);
        if (c.answer == MsgResult::Ok)
            prompts_.chooseFile(pdf);

        QTest::mouseClick(form->CmdPrint, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return form.isNull(); }));
        ASSERT_EQ(prompts_.messages().size(), 2u);
        if (c.portLost)
            EXPECT_TRUE(prompts_.messages()[0].text.contains("was disconnected")) << prompts_.messages()[0].text.toStdString();
        else
            EXPECT_EQ(prompts_.messages()[0].text, kTimeoutText);
        EXPECT_EQ(prompts_.messages()[1].text, kPrintQuestion);
        EXPECT_EQ(QFileInfo::exists(pdf), c.answer == MsgResult::Ok);
        EXPECT_TRUE(main_->isEnabled());
        EXPECT_FALSE(ExchangeRunning());
        // The PTT off was the last command; nothing after the box.
        ASSERT_GE(sentAtAnswer_, 0);
        QTest::qWait(300);
        EXPECT_EQ(sim_.radio.received.size(), sentAtAnswer_);
        EXPECT_TRUE(sim_.radio.received.endsWith(QByteArray::fromHex("080E")));
        if (c.portLost)
            break;  // the line is gone for good

        // Program > Test Mode again, once the radio answers.
        sim_.radio.replyFilter = nullptr;
        ASSERT_NO_FATAL_FAILURE(EnterTestMode());
        ASSERT_NO_FATAL_FAILURE(CloseTestWindow());
    }
}

}  // namespace
}  // namespace zx::test
