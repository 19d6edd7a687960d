// The four tuning dialogs as a user meets them: captions, tabs, the PTT
// button, the value box, the frequency labels, closing and its exchange,
// a port that cannot be opened and the time-out box, each dialog on its own
// port against the radio simulator on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "settings/ui/UpDownControl.h"
#include "sim/PtyRadio.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/ui/TuningDialogFactories.h"
#include "testmode/ui/TuningDialogs.h"
#include "testmode/ui/TuningPointTab.h"
#include "testmode/ui/TuningValueBox.h"
#include "testmode/ui/TunningForm1.h"
#include "testmode/ui/TunningForm2.h"
#include "testmode/ui/TunningForm3.h"
#include "testmode/ui/TunningForm4.h"

namespace zx::test {
namespace {

using Kind = RadioModel::Command::Kind;
constexpr int kComPort = 5;

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

class TuningDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_.ok());
        sim_.Attach(kComPort, core_);
        sim_.radio.Feed("TUNING ");
        sim_.radio.received.clear();
        sim_.radio.log.clear();
        core_.image = DefaultFor(0x21, 0xF8);
        FillTuningArea(core_.image);
        ASSERT_TRUE(StoreTuningData(core_.image, core_.testMode, IdentityTuningBlock()));
        TestModeState& t = core_.testMode;
        t.TestChannelNo = 2;
        t.TestFreqList[0][1] = QStringLiteral("146.12500");
        t.TestFreqList[1][1] = QStringLiteral("146.62500");
        testWindow_.setEnabled(false);
        testWindow_.show();
        AttachTuningDialogs(factories_);
    }

    void TearDown() override
    {
        if (form_) {
            // Leave no dialog behind: end it without an exchange.
            core_.testMode.LinkAborted = true;
            form_->close();
            WaitUntil([this] { return form_.isNull(); });
        }
    }

    // Opens the dialog the test window would open for `item`, as its
    // factory does.
    template <typename Form>
    Form* Open(int item, bool narrow = false)
    {
        core_.testMode.TuneItem = item;
        core_.testMode.NarrowBandTest = narrow;
        const TuningDialog which = std::is_same_v<Form, TunningForm1>   ? TuningDialog::TunningForm1
                                   : std::is_same_v<Form, TunningForm2> ? TuningDialog::TunningForm2
                                   : std::is_same_v<Form, TunningForm3> ? TuningDialog::TunningForm3
                                                                        : TuningDialog::TunningForm4;
        factories_.For(which)({&testWindow_, [this] { ++closed_; }});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(w); form && !form->property("seen").toBool()) {
                form->setProperty("seen", true);
                form_ = form;
                return form;
            }
        return nullptr;
    }

    bool WaitClosed() { return WaitUntil([this] { return form_.isNull(); }); }
    // Waits until the radio has received `count` commands and a little
    // longer, so a command too many would show.
    bool Received(std::size_t count)
    {
        const bool ok = WaitUntil([this, count] { return sim_.radio.log.size() >= count; });
        QTest::qWait(150);
        return ok;
    }
    QByteArray AllReceived() const { return sim_.radio.received; }

    AppCore core_;
    ScriptedPrompts prompts_;
    PtyRadio sim_;
    QWidget testWindow_;
    TuningDialogFactories factories_;
    QPointer<TuningDialogFrame> form_;
    int closed_ = 0;
};

QStringList TabCaptions(QTabWidget* tabs)
{
    QStringList captions;
    for (int k = 0; k < tabs->count(); ++k)
        captions << tabs->tabText(k);
    return captions;
}

struct CaptionCase {
    int item;
    bool narrow;
    const char* caption;
    bool ptt;
};

TEST_F(TuningDialogTest, BandPointDialogCaptionsTabsAndPtt)
{
    const CaptionCase cases[] = {
        {3, false, "DQT Balance(Wide)", true},
        {4, false, "Max Deviation(Wide)", true},
        {8, false, "Sensitivity", false},
        {9, false, "Squelch(Tight)(Wide)", false},
        {10, false, "Squelch(Open)(Wide)", false},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.caption);
        TunningForm3* form = Open<TunningForm3>(c.item);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(TabCaptions(form->SSTabTune), QStringList({"Test", "Low", "Center", "High"}));
        EXPECT_EQ(form->CmdPtt->isEnabled(), c.ptt);
        EXPECT_EQ(form->CmdPtt->text(), "PTT");
        EXPECT_EQ(form->cmdOK->text(), "&OK");
        EXPECT_EQ(form->cmdCancel->text(), "&Cancel");
        EXPECT_EQ(form->tab(0)->Label1->text(), "RX");
        EXPECT_EQ(form->tab(0)->Label2->text(), "TX");
        EXPECT_EQ(form->SSTabTune->currentIndex(), 0);
        EXPECT_FALSE(form->parentWidget());  // a window of its own
        core_.testMode.LinkAborted = true;
        form->close();
        ASSERT_TRUE(WaitClosed());
        core_.testMode.LinkAborted = false;
    }
    // Nothing was sent at any opening, nor at the closes without exchange.
    EXPECT_TRUE(AllReceived().isEmpty());
}

TEST_F(TuningDialogTest, PowerDialogShowsItsTestValueAndSixTabs)
{
    TunningForm1* form = Open<TunningForm1>(2);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "RF Low Power");
    EXPECT_EQ(TabCaptions(form->SSTabTune), QStringList({"Test", "Low", "Low'", "Center", "High'", "High"}));
    EXPECT_TRUE(form->CmdPtt->isEnabled());
    EXPECT_EQ(form->tab(0)->txtTuneValue->text(), "17");
    EXPECT_EQ(form->tab(0)->PrgValue->value(), 17);
    EXPECT_EQ(form->tab(2)->LabRxFreq->text(), "420.05000MHz");
    EXPECT_EQ(form->tab(2)->LabTxFreq->text(), "420.10000MHz");
    EXPECT_EQ(form->tab(4)->LabRxFreq->text(), "460.05000MHz");
    // The band points start from the image's tuning bytes (Low at 0x18A).
    EXPECT_EQ(form->tab(1)->txtTuneValue->text(), "18");
    EXPECT_EQ(form->PicPtt->property("lampOn").toBool(), false);
}

TEST_F(TuningDialogTest, TabCaptionsInChinese)
{
    core_.LanguageChinese = true;
    TunningForm1* power = Open<TunningForm1>(1);
    ASSERT_TRUE(power);
    EXPECT_EQ(power->windowTitle(), QString::fromUtf8("射频高功率"));
    EXPECT_EQ(TabCaptions(power->SSTabTune),
              QStringList({QString::fromUtf8("测试"), QString::fromUtf8("低"), QString::fromUtf8("低'"),
                           QString::fromUtf8("中心"), QString::fromUtf8("高'"), QString::fromUtf8("高")}));
    EXPECT_EQ(power->tab(0)->Label1->text(), QString::fromUtf8("接收"));
    EXPECT_EQ(power->tab(0)->Label2->text(), QString::fromUtf8("发射"));
    EXPECT_EQ(power->cmdOK->text(), QString::fromUtf8("确定(&O)"));
    EXPECT_EQ(power->cmdCancel->text(), QString::fromUtf8("取消(&C)"));
    core_.testMode.LinkAborted = true;
    power->close();
    ASSERT_TRUE(WaitClosed());
    core_.testMode.LinkAborted = false;

    TunningForm3* band = Open<TunningForm3>(9);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->windowTitle(), QString::fromUtf8("静噪(紧)(宽带)"));
    EXPECT_EQ(TabCaptions(band->SSTabTune), QStringList({QString::fromUtf8("测试"), QString::fromUtf8("低"),
                                                         QString::fromUtf8("中心"), QString::fromUtf8("高")}));
}

TEST_F(TuningDialogTest, SingleValueDialogItems)
{
    struct Case {
        int item;
        bool narrow;
        const char* caption;
        const char* start;
        bool ptt;
    } cases[] = {
        {3, true, "DQT Balance(Narrow)", "33", true},
        {7, false, "DTMF Fine Deviation(Wide)", "44", true},
        {7, true, "DTMF Fine Deviation(Narrow)", "45", true},
        {11, false, "MSK Fine Deviation(Wide)", "52", true},
        {11, true, "MSK Fine Deviation(Narrow)", "54", true},
        {9, true, "Squelch(Tight)(Narrow)", "10", false},
        {10, true, "Squelch(Open)(Narrow)", "5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        TunningForm4* form = Open<TunningForm4>(c.item, c.narrow);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), c.caption);
        EXPECT_EQ(TabCaptions(form->SSTabTune), QStringList({"Test"}));
        EXPECT_EQ(form->tab(0)->txtTuneValue->text(), c.start);
        EXPECT_EQ(form->CmdPtt->isEnabled(), c.ptt);
        core_.testMode.LinkAborted = true;
        form->close();
        ASSERT_TRUE(WaitClosed());
        core_.testMode.LinkAborted = false;
    }
    EXPECT_TRUE(AllReceived().isEmpty());
}

TEST_F(TuningDialogTest, TheTestPointShowsTheTestChannelsOwnRxAndTxTexts)
{
    TunningForm4* single = Open<TunningForm4>(4, true);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->tab(0)->LabRxFreq->text(), "146.12500MHz");
    EXPECT_EQ(single->tab(0)->LabTxFreq->text(), "146.62500MHz");
    core_.testMode.LinkAborted = true;
    single->close();
    ASSERT_TRUE(WaitClosed());
    core_.testMode.LinkAborted = false;

    core_.testMode.TestFreqList[0][1] = QStringLiteral("0");
    TunningForm2* measured = Open<TunningForm2>(13);
    ASSERT_TRUE(measured);
    EXPECT_EQ(measured->LabRxFreq->text(), "000.00000MHz");
    EXPECT_EQ(measured->LabTxFreq->text(), "146.62500MHz");
    EXPECT_EQ(measured->lblRx->text(), "RX");
    EXPECT_EQ(measured->lblTx->text(), "TX");
}

TEST_F(TuningDialogTest, MeasuredValueDialogItems)
{
    struct Case {
        int item;
        const char* caption;
        const char* start;
    } cases[] = {
        {12, "Battery Warning Level", "55"},
        {13, "VOX1", "57"},
        {14, "VOX10", "58"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        TunningForm2* form = Open<TunningForm2>(c.item);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), c.caption);
        EXPECT_EQ(form->txtTuneValue->text(), c.start);
        EXPECT_EQ(form->PrgValue->value(), QString::fromLatin1(c.start).toInt());
        EXPECT_EQ(form->CmdStart->text(), "Start");
        EXPECT_EQ(form->Label6->text(), "0");
        EXPECT_EQ(form->Label7->text(), "255");
        EXPECT_FALSE(form->PicStart->isVisible());
        core_.testMode.LinkAborted = true;
        form->close();
        ASSERT_TRUE(WaitClosed());
        core_.testMode.LinkAborted = false;
    }
}

TEST_F(TuningDialogTest, ValueBoxAtItsEndsSendsNothingAndStepsInside)
{
    core_.testMode.TestValueDqtBalance = 255;
    core_.image.set(0x18E, 0);  // DQT Balance Low
    TunningForm3* form = Open<TunningForm3>(3);
    ASSERT_TRUE(form);
    TuningPointTab* test = form->tab(0);
    test->txtTuneValue->setFocus();
    QTest::keyClick(test->txtTuneValue, Qt::Key_Up);
    QTest::mouseClick(test->updValue->upButton(), Qt::LeftButton);
    QTest::keyClicks(test->txtTuneValue, QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("300"));
    QTest::keyClick(test->txtTuneValue, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(150);
    EXPECT_EQ(test->txtTuneValue->text(), "255");
    EXPECT_TRUE(AllReceived().isEmpty());

    QTest::keyClick(test->txtTuneValue, Qt::Key_Down);
    ASSERT_TRUE(Received(1));
    EXPECT_EQ(AllReceived(), Hex("1820FE"));
}

TEST_F(TuningDialogTest, SingleValueBoxAtZeroAndTheUpDown)
{
    core_.image.set(0x18B, 0);
    TunningForm4* form = Open<TunningForm4>(3, true);
    ASSERT_TRUE(form);
    TuningPointTab* tab = form->tab(0);
    tab->txtTuneValue->setFocus();
    QTest::keyClick(tab->txtTuneValue, Qt::Key_Down);
    QTest::mouseClick(tab->updValue->downButton(), Qt::LeftButton);
    QTest::qWait(150);
    EXPECT_EQ(tab->txtTuneValue->text(), "0");
    EXPECT_TRUE(AllReceived().isEmpty());
    QTest::mouseClick(tab->updValue->upButton(), Qt::LeftButton);
    ASSERT_TRUE(Received(1));
    EXPECT_EQ(AllReceived(), Hex("182001"));
    EXPECT_EQ(sim_.radio.liveValue[0x18], 1);
}

TEST_F(TuningDialogTest, DraggingASliderSendsOneValueOnRelease)
{
    TunningForm4* form = Open<TunningForm4>(4, true);
    ASSERT_TRUE(form);
    QSlider* slider = form->tab(0)->SldValue;
    slider->setSliderDown(true);
    slider->setSliderPosition(100);
    slider->setSliderPosition(120);
    QTest::qWait(100);
    EXPECT_EQ(form->tab(0)->txtTuneValue->text(), "120");
    EXPECT_EQ(form->tab(0)->PrgValue->value(), 120);
    EXPECT_TRUE(AllReceived().isEmpty());
    slider->setSliderDown(false);
    ASSERT_TRUE(Received(1));
    EXPECT_EQ(AllReceived(), Hex("172078"));
}

TEST_F(TuningDialogTest, CloseBoxRunsTheCancelExchangeWithTheControlsDisabled)
{
    TunningForm4* form = Open<TunningForm4>(3, true);
    ASSERT_TRUE(form);
    form->close();
    // Still on screen while the exchange runs, taking no input.
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->cmdOK->isEnabled());
    EXPECT_FALSE(form->cmdCancel->isEnabled());
    EXPECT_FALSE(form->SSTabTune->isEnabled());
    EXPECT_FALSE(form->CmdPtt->isEnabled());
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(AllReceived(), Hex("180D" "182021"));
    EXPECT_EQ(closed_, 1);
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TuningDialogTest, OkStoresTheShownPointAndClosesOnce)
{
    TunningForm3* form = Open<TunningForm3>(4);
    ASSERT_TRUE(form);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);  // disabled by now
    ASSERT_TRUE(WaitClosed());
    QTest::qWait(50);
    EXPECT_EQ(AllReceived(), Hex("170E"));
    EXPECT_EQ(closed_, 1);
}

TEST_F(TuningDialogTest, APortThatCannotBeOpenedIsReportedAndTheDialogCloses)
{
    qputenv("ZX4100_COM9", "/nonexistent/tty-zx");
    core_.link.ComPortNumber = 9;
    TunningForm3* form = Open<TunningForm3>(3);
    ASSERT_TRUE(form);
    ASSERT_TRUE(WaitClosed());
    qunsetenv("ZX4100_COM9");
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(closed_, 1);
    EXPECT_TRUE(AllReceived().isEmpty());
}

TEST_F(TuningDialogTest, RssiOnTheDefaultImageShows255AndItsCancelSendsNothing)
{
    // The entry's block leaves 0x1B2 as the default image has it.
    core_.image = DefaultFor(0x21, 0xF8);
    ASSERT_TRUE(StoreTuningData(core_.image, core_.testMode, IdentityTuningBlock()));
    TunningForm2* form = Open<TunningForm2>(15);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "RSSI");
    EXPECT_EQ(form->txtTuneValue->text(), "255");
    EXPECT_EQ(form->PrgValue->value(), 255);
    QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
    ASSERT_TRUE(WaitClosed());
    QTest::qWait(100);
    EXPECT_TRUE(AllReceived().isEmpty());
    EXPECT_EQ(closed_, 1);
}

TEST_F(TuningDialogTest, BoxCancelWhileMeasuringClosesAndTheReopenedDialogStartsAfresh)
{
    sim_.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        // The first measure goes unanswered.
        if (c.kind == Kind::Item && c.action == RadioModel::kMeasure && c.occurrence == 1)
            return QByteArray();
        return normal;
    };
    prompts_.answer(MsgResult::Cancel);
    TunningForm2* form = Open<TunningForm2>(12);
    ASSERT_TRUE(form);
    QTest::mouseClick(form->CmdStart, Qt::LeftButton);
    EXPECT_TRUE(form->PicStart->isVisible());
    ASSERT_TRUE(WaitClosed());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "please check all connections and communication port settings.");
    EXPECT_EQ(prompts_.messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_TRUE(core_.testMode.LinkAborted);
    EXPECT_EQ(closed_, 1);
    EXPECT_EQ(AllReceived(), Hex("1C0A"));  // no closing exchange

    core_.testMode.LinkAborted = false;  // as the test window does
    TunningForm2* again = Open<TunningForm2>(12);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->PicStart->isVisible());
    QTest::mouseClick(again->CmdStart, Qt::LeftButton);
    EXPECT_TRUE(again->PicStart->isVisible());
    ASSERT_TRUE(WaitUntil([this] { return sim_.radio.log.size() >= 3; }));
    EXPECT_EQ(AllReceived().left(5), Hex("1C0A" "1C0A" "06"));
    QTest::mouseClick(again->CmdStart, Qt::LeftButton);
    EXPECT_FALSE(again->PicStart->isVisible());
}

TEST_F(TuningDialogTest, PttLampFollowsTheRadiosAcknowledgement)
{
    TunningForm3* form = Open<TunningForm3>(3);
    ASSERT_TRUE(form);
    QTest::mouseClick(form->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return form->PicPtt->property("lampOn").toBool(); }));
    EXPECT_TRUE(sim_.radio.pttOn);
    QTest::mouseClick(form->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return !form->PicPtt->property("lampOn").toBool(); }));
    EXPECT_FALSE(sim_.radio.pttOn);
    EXPECT_EQ(AllReceived(), Hex("080D" "080E"));
}

TEST_F(TuningDialogTest, OkWhileTransmittingSwitchesOffThenStoresOnce)
{
    TunningForm4* form = Open<TunningForm4>(5, true);
    ASSERT_TRUE(form);
    QTest::mouseClick(form->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return form->PicPtt->property("lampOn").toBool(); }));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(WaitClosed());
    QTest::qWait(50);
    EXPECT_EQ(AllReceived(), Hex("080D" "080E" "190E"));
    EXPECT_FALSE(sim_.radio.pttOn);
    EXPECT_EQ(closed_, 1);
}

TEST_F(TuningDialogTest, PowerHighQuarterTabShowsItsValueWithoutSendingIt)
{
    TunningForm1* form = Open<TunningForm1>(1);
    ASSERT_TRUE(form);
    QTabBar* tabs = form->SSTabTune->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    ASSERT_TRUE(Received(3));
    EXPECT_EQ(AllReceived(), Hex("340D" "07" "06"));
    // The selection ends on the radio's last 06 with the port closed. After
    // it the tab shows the dialog's own value of the point (0x182 of the
    // tuning block), not the radio's.
    ASSERT_TRUE(WaitUntil([form] { return !form->portLink().port().isOpen(); }));
    EXPECT_EQ(form->tab(4)->txtTuneValue->text(), "15");
    EXPECT_EQ(form->tab(4)->SldValue->value(), 15);
}

TEST_F(TuningDialogTest, BoxCancelDuringASelectPointClosesWithoutExchange)
{
    sim_.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == Kind::ReadValue ? normal.left(3) : normal;  // one byte short
    };
    prompts_.answer(MsgResult::Cancel);
    TunningForm3* form = Open<TunningForm3>(3);
    ASSERT_TRUE(form);
    QTabBar* tabs = form->SSTabTune->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_TRUE(WaitClosed());
    QTest::qWait(50);
    EXPECT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(AllReceived(), Hex("650D" "07"));
    EXPECT_TRUE(core_.testMode.LinkAborted);
    EXPECT_EQ(closed_, 1);
}

TEST_F(TuningDialogTest, SingleValueAndMeasuredCaptionsInChinese)
{
    core_.LanguageChinese = true;
    TunningForm4* single = Open<TunningForm4>(3, true);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->windowTitle(), QString::fromUtf8("DQT平衡(窄带)"));
    EXPECT_EQ(TabCaptions(single->SSTabTune), QStringList({QString::fromUtf8("测试")}));
    core_.testMode.LinkAborted = true;
    single->close();
    ASSERT_TRUE(WaitClosed());
    core_.testMode.LinkAborted = false;

    TunningForm2* measured = Open<TunningForm2>(12);
    ASSERT_TRUE(measured);
    EXPECT_EQ(measured->windowTitle(), QString::fromUtf8("电池告警电平"));
    EXPECT_EQ(measured->CmdStart->text(), QString::fromUtf8("开始"));
    EXPECT_EQ(measured->lblRx->text(), QString::fromUtf8("接收"));
    EXPECT_EQ(measured->cmdOK->text(), QString::fromUtf8("确定(&O)"));
}

}  // namespace
}  // namespace zx::test
