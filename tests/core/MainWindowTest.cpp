#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ClockText.h"
#include "core/DataFile.h"
#include "core/MainCaption.h"
#include "core/StoredSettings.h"
#include "core/ui/AboutForm.h"
#include "core/ui/HelpKeyFilter.h"
#include "core/ui/HelpWindow.h"
#include "channels/ui/ChannelForm.h"
#include "app/MDIForm1.h"
#include "platform/SettingsStore.h"
#include "platform/ui/ScreenTwips.h"

using namespace zx;

namespace {

void StoreSetting(const QString& key, const QString& value)
{
    auto s = OpenSettings();
    s->setValue(QStringLiteral("BackUp/") + key, value);
}

QString StoredSetting(const QString& key)
{
    return OpenSettings()->value(QStringLiteral("BackUp/") + key).toString();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { OpenSettings()->clear(); }
    MDIForm1& Start()
    {
        window_ = std::make_unique<MDIForm1>();
        return *window_;
    }

    AppCore core_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> window_;
};

}  // namespace

TEST_F(MainWindowTest, FirstRunStoresTheDefaultModelAndTitlesTheWindow)
{
    MDIForm1& w = Start();
    EXPECT_EQ(StoredSetting("LastModel"), "4B:33:31:36:37:21:F8:FF");
    EXPECT_EQ(w.windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ File Name:ZX-4100.dat]");
    EXPECT_EQ(core_.image.toByteArray(0x1B8, 8).toHex(' ').toUpper(), "4B 33 31 36 37 21 F8 FF");
    EXPECT_FALSE(core_.EightChannelModel);
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(w.statusPanel(1)->text(), "COM1");
    EXPECT_TRUE(w.windowSlotAction(0)->isVisible());
    EXPECT_EQ(w.windowSlotAction(0)->text(), " Channel Information [ Channel - 1 ]");
    // Start-up leaves slot 0 unchecked; the channel list, shown and active,
    // checks it.
    EXPECT_TRUE(w.windowSlotAction(0)->isChecked());
    EXPECT_TRUE(w.channelForm()->isVisibleTo(&w));
    EXPECT_EQ(w.channelForm()->ChannelGrid()->rowCount(), 17);
    for (int k = 1; k < 9; ++k)
        EXPECT_FALSE(w.windowSlotAction(k)->isVisible()) << k;
}

TEST_F(MainWindowTest, RestoresAnEightChannelModelFromLastModel)
{
    StoreSetting("LastModel", "4B:33:31:36:32:21:F9:FF");
    Start();
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(core_.image.toByteArray(0x1B8, 8).toHex(' ').toUpper(), "4B 33 31 36 32 21 F9 FF");
    EXPECT_EQ(StoredSetting("LastModel"), "4B:33:31:36:32:21:F9:FF");
}

TEST_F(MainWindowTest, UnreadableLastModelFallsBackToTheDefaultAndStoresIt)
{
    for (const char* stored : {"", "4B:33", "4b:33:31:36:37:83:f8:ff", "ZZ:ZZ:ZZ:ZZ:ZZ:GG:F8:FF", "4B:33:31:36:37:8"}) {
        OpenSettings()->clear();
        StoreSetting("LastModel", QString::fromLatin1(stored));
        AppCore core;
        MDIForm1 w;
        EXPECT_EQ(core.image.modelBandCode(), 0x21) << stored;
        EXPECT_EQ(core.image.modelVariant(), 0xF8) << stored;
        EXPECT_EQ(StoredSetting("LastModel"), "4B:33:31:36:37:21:F8:FF") << stored;
    }
}

TEST(LastModelText, TakesBandAndVariantFromTheirPairs)
{
    const auto m = ParseLastModel(QStringLiteral("4B:33:31:36:37:83:FC:00"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->bandCode, 0x83);
    EXPECT_EQ(m->variant, 0xFC);
    // Only characters 16-17 and 19-20 matter.
    EXPECT_TRUE(ParseLastModel(QStringLiteral("xxxxxxxxxxxxxxx02:F9")));
    EXPECT_FALSE(ParseLastModel(QStringLiteral("4B:33:31:36:37:21:f8:FF")));
}

TEST_F(MainWindowTest, StartsInEnglishWhateverLanguageWasStoredAndStoresItAtExit)
{
    StoreSetting("Language", "1");
    MDIForm1& w = Start();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_EQ(w.action("MnuFile")->text(), "&File");
    prompts_.answer(MsgResult::Yes);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(StoredSetting("Language"), "0");
    EXPECT_EQ(StoredSetting("LastModel"), "4B:33:31:36:37:21:F8:FF");
}

TEST_F(MainWindowTest, ExitAsksEveryTimeAndNoKeepsTheProgramRunning)
{
    MDIForm1& w = Start();
    w.show();
    prompts_.answer(MsgResult::No);
    EXPECT_FALSE(w.close());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& q = prompts_.messages()[0];
    EXPECT_EQ(q.text, QString::fromUtf8("Do you wish to exit ZX-4100 program\xEF\xBC\x9F"));
    EXPECT_EQ(q.title, "Confirmation");
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_FALSE(core_.life.AppExiting);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(StoredSetting("Language"), "");
}

TEST_F(MainWindowTest, ExitQuestionsInChinese)
{
    MDIForm1& w = Start();
    core_.LanguageChinese = true;
    core_.image.set(0x134, 0x07);
    prompts_.answer(MsgResult::Yes);     // exit
    prompts_.answer(MsgResult::Cancel);  // save offer
    EXPECT_FALSE(w.close());
    ASSERT_EQ(prompts_.messages().size(), 2u);
    EXPECT_EQ(prompts_.messages()[0].text, QString::fromUtf8("是否要退出ZX-4100程序\xEF\xBC\x9F"));
    EXPECT_EQ(prompts_.messages()[0].title, QString::fromUtf8("确认"));
    EXPECT_EQ(prompts_.messages()[1].text, QString::fromUtf8("文件已更改,是否保存?"));
    EXPECT_EQ(prompts_.messages()[1].title, QString::fromUtf8("警告"));
    EXPECT_EQ(prompts_.messages()[1].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompts_.messages()[1].icon, MsgIcon::Exclamation);
}

TEST_F(MainWindowTest, ExitCancelledAtTheSaveOfferLeavesNothingHalfExited)
{
    struct Case {
        const char* name;
        bool saveDialogCancelled;  // else Cancel at the save offer itself
    };
    for (const Case c : {Case{"cancel at the offer", false}, Case{"cancel in the save dialog", true}}) {
        OpenSettings()->clear();
        prompts_.clear();
        AppCore core;
        MDIForm1 w;
        w.show();
        core.image.set(0x134, 0x07);  // a change the save offer sees
        const RadioImage image = core.image;
        prompts_.answer(MsgResult::Yes);  // exit
        if (c.saveDialogCancelled) {
            prompts_.answer(MsgResult::Yes);  // save the changes
            prompts_.chooseFile(QString());   // then cancel the dialog
        } else {
            prompts_.answer(MsgResult::Cancel);
        }
        EXPECT_FALSE(w.close()) << c.name;
        ASSERT_EQ(prompts_.messages().size(), 2u) << c.name;
        EXPECT_EQ(prompts_.messages()[1].title, "ZX-4100") << c.name;
        EXPECT_EQ(prompts_.fileRequests().size(), c.saveDialogCancelled ? 1u : 0u) << c.name;
        EXPECT_FALSE(core.life.AppExiting) << c.name;
        EXPECT_TRUE(w.isVisible()) << c.name;
        EXPECT_TRUE(w.channelForm()->isVisible()) << c.name;
        EXPECT_EQ(core.image, image) << c.name;
        EXPECT_EQ(StoredSetting("Language"), "") << c.name << ": nothing written on the way out";
        // The next exit asks the question again.
        prompts_.answer(MsgResult::No);
        EXPECT_FALSE(w.close()) << c.name;
        EXPECT_EQ(prompts_.messages().size(), 3u) << c.name;
    }
}

TEST_F(MainWindowTest, AFailedSaveAtExitKeepsTheProgramRunning)
{
    MDIForm1& w = Start();
    w.show();
    core_.image.set(0x134, 0x07);
    const RadioImage image = core_.image;
    QTemporaryDir dir;
    prompts_.answer(MsgResult::Yes);  // exit
    prompts_.answer(MsgResult::Yes);  // save the changes
    prompts_.chooseFile(dir.filePath("missing-folder/exit.dat"));
    EXPECT_FALSE(w.close());
    ASSERT_EQ(prompts_.messages().size(), 3u) << "exit, save offer, the write failure";
    EXPECT_FALSE(core_.life.AppExiting);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(core_.image, image);
    EXPECT_EQ(StoredSetting("Language"), "") << "nothing written on the way out";
}

TEST_F(MainWindowTest, ConfirmedExitEndsTheProgramEvenWithAnotherWindowOpen)
{
    MDIForm1& w = Start();
    w.show();
    QWidget other(nullptr, Qt::Window);  // e.g. the help window, which has no owner
    other.show();
    prompts_.answer(MsgResult::Yes);
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    // Should the program not end, this ends the loop with another code.
    QTimer::singleShot(zx::test::kHangGuardMs, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(StoredSetting("Language"), "0");
}

TEST_F(MainWindowTest, ExitWritesTheModelOfTheImageAtThatMoment)
{
    MDIForm1& w = Start();
    core_.image.set(0x1BD, 0x83);
    core_.image.set(0x1BC, 0x36);
    prompts_.answer(MsgResult::Yes);  // exit
    prompts_.answer(MsgResult::No);   // do not save the change
    EXPECT_TRUE(w.close());
    EXPECT_EQ(StoredSetting("LastModel"), "4B:33:31:36:36:83:F8:FF");
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsKeysHelpIdsAndVisibility)
{
    MDIForm1& w = Start();
    struct Item {
        const char* name;
        const char* caption;
        const char* key;
        int helpId;
        bool visible;
    };
    const Item items[] = {
        {"MnuFile", "&File", "", 2, true},
        {"MnuFileNew", "&New", "Ctrl+N", 2100, true},
        {"MnuFileOpen", "&Open", "Ctrl+O", 2200, true},
        {"MnuFileSave", "&Save", "Ctrl+S", 2300, true},
        {"MnuFileSaveAs", "Save &As", "", 2400, true},
        {"MnuFilePrint", "&Print", "Ctrl+P", 2500, true},
        {"MnuFilePreview", "Print Pre&view", "", 2600, false},
        {"MnuFileExit", "E&xit", "", 2700, true},
        {"MnuModelInformation", "&Model Information", "", 3, true},
        {"MnuEditChannelInformation", "&Channel Information", "", 4100, true},
        {"MnuEditDTMF", "&DTMF", "", 4500, true},
        {"MnuEditEmbeddedMessage", "Embedded &Message", "", 4800, true},
        {"MnuProgramRead", "&Read from Radio", "Ctrl+R", 5100, true},
        {"MnuProgramWrite", "&Write to Radio", "Ctrl+W", 5200, true},
        {"MnuProgramTestMode", "&Test Mode", "Ctrl+T", 5200, true},
        {"MnuProgramMemoryMap", "&Memory Map", "Ctrl+M", 0, false},
        {"MnuToolRadioInformation", "&Radio Information", "", 6100, true},
        {"MnuSetupCommunicationPort", "&Communication Port", "", 7100, true},
        {"MnuSetupLanguageFileSetup", "&Language File Setup", "", 7200, false},
        {"MnuViewTreeView", "Tree &View", "", 8100, true},
        {"MnuViewStatusBar", "&Status bar", "", 8300, true},
        {"MnuWindow", "&Window", "", 2, true},
        {"MnuWindowHorizontally", "Tile Windows &Horizontally", "", 9200, true},
        {"MnuWindowCloseAll", "Close All &Windows", "", 9500, true},
        {"MnuHelpTopics", "&Help Topics", "", 0, false},
        {"MnuHelpAbout", "&About...", "", 0, true},
    };
    for (const Item& item : items) {
        QAction* a = w.action(QString::fromLatin1(item.name));
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(item.caption)) << item.name;
        EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(item.key)) << item.name;
        EXPECT_EQ(a->property("helpContextId").toInt(), item.helpId) << item.name;
        EXPECT_EQ(a->isVisible(), item.visible) << item.name;
    }
    // No item keeps an empty caption except separators and the window slots.
    for (QAction* top : w.menuBar()->actions()) {
        EXPECT_FALSE(top->text().isEmpty());
        for (QAction* a : top->menu()->actions()) {
            if (!a->isSeparator() && !a->objectName().startsWith("MnuWindowSub")) {
                EXPECT_FALSE(a->text().isEmpty()) << a->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, ToolbarHasElevenButtonsWithTooltipsAndRunsTheirCommands)
{
    MDIForm1& w = Start();
    const QList<QAction*> buttons = w.toolbar()->actions();
    ASSERT_EQ(buttons.size(), 11);
    const char* tips[] = {"New", "Open", "Save", nullptr, "Print", nullptr, "Read", nullptr, "Write", nullptr, "About"};
    for (int i = 0; i < 11; ++i) {
        if (tips[i]) {
            EXPECT_EQ(buttons[i]->toolTip(), QString::fromLatin1(tips[i])) << i;
        } else {
            EXPECT_TRUE(buttons[i]->isSeparator()) << i;
        }
    }
    QStringList ran;
    for (const char* name : {"MnuFileNew", "MnuFileOpen", "MnuFileSave", "MnuFilePrint", "MnuProgramRead", "MnuProgramWrite"})
        w.setCommand(QString::fromLatin1(name), [&ran, name] { ran << QString::fromLatin1(name); });
    for (QAction* b : buttons)
        if (!b->isSeparator() && b->toolTip() != "About")
            b->trigger();
    EXPECT_EQ(ran, QStringList({"MnuFileNew", "MnuFileOpen", "MnuFileSave", "MnuFilePrint", "MnuProgramRead", "MnuProgramWrite"}));
    buttons[10]->trigger();
    ASSERT_NE(w.aboutForm(), nullptr);
    EXPECT_TRUE(w.aboutForm()->isVisible());
}

TEST_F(MainWindowTest, EveryAttachedCommandNamesAMenuItem)
{
    MDIForm1& w = Start();
    EXPECT_EQ(w.UnknownCommandNames(), QStringList()) << "a subsystem attached a command to a name no item has";

    // A misspelt name is an error, not a command that silently never runs.
    w.setCommand(QStringLiteral("MnuFileNewDocument"), [] {});
    EXPECT_EQ(w.UnknownCommandNames(), QStringList({"MnuFileNewDocument"}));
}

TEST_F(MainWindowTest, ViewItemsToggleTheBarsInStep)
{
    MDIForm1& w = Start();
    w.show();
    QAction* toolbarItem = w.action("MnuViewToolbar");
    QAction* statusItem = w.action("MnuViewStatusBar");
    EXPECT_TRUE(toolbarItem->isChecked());
    toolbarItem->trigger();
    EXPECT_FALSE(toolbarItem->isChecked());
    EXPECT_FALSE(w.toolbar()->isVisible());
    toolbarItem->trigger();
    EXPECT_TRUE(w.toolbar()->isVisible());
    EXPECT_EQ(w.toolBarArea(w.toolbar()), Qt::TopToolBarArea);
    statusItem->trigger();
    EXPECT_FALSE(w.statusPanel(1)->isVisible());
}

TEST_F(MainWindowTest, AboutBoxIsModelessAndShownOnce)
{
    MDIForm1& w = Start();
    w.MnuHelpAbout_Click();
    AboutForm* about = w.aboutForm();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About ZX-4100");
    EXPECT_TRUE(about->LblAbout()->text().contains("ZX-4100"));
    EXPECT_TRUE(about->LblAbout()->text().contains(QStringLiteral(ZX_VERSION)));
    EXPECT_EQ(about->cmdClose()->text(), QString::fromUtf8("确定(&O)"));
    w.MnuHelpAbout_Click();
    EXPECT_EQ(w.aboutForm(), about);
}

TEST_F(MainWindowTest, HiddenGestureNeedsMiddleButtonExactlyShiftCtrlInsideTheRectangle)
{
    MDIForm1& w = Start();
    int opened = 0;
    w.setCommand("MnuProgramMemoryMap", [&] { ++opened; });
    const double dpiX = ScreenLogicalDpiX();
    const double dpiY = ScreenLogicalDpiY();
    auto at = [&](double xTwips, double yTwips) {
        return QPoint(static_cast<int>(xTwips * dpiX / 1440.0 + 0.5), static_cast<int>(yTwips * dpiY / 1440.0 + 0.5));
    };
    const auto shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        QPoint pos;
        bool opens;
    };
    const Case cases[] = {
        {Qt::MiddleButton, shiftCtrl, at(9525, 150), true},
        {Qt::LeftButton, shiftCtrl, at(9525, 150), false},
        {Qt::RightButton, shiftCtrl, at(9525, 150), false},
        {Qt::MiddleButton, Qt::ShiftModifier, at(9525, 150), false},
        {Qt::MiddleButton, shiftCtrl | Qt::AltModifier, at(9525, 150), false},
        {Qt::MiddleButton, Qt::NoModifier, at(9525, 150), false},
        {Qt::MiddleButton, shiftCtrl, at(9000, 150), false},
        {Qt::MiddleButton, shiftCtrl, at(9525, 400), false},
        {Qt::MiddleButton, shiftCtrl, at(9700, 150), false},
    };
    for (const Case& c : cases) {
        opened = 0;
        w.MDIForm_MouseUp(c.button, c.modifiers, c.pos);
        EXPECT_EQ(opened, c.opens ? 1 : 0) << c.pos.x() << "," << c.pos.y() << " button " << c.button;
    }
    EXPECT_FALSE(w.MDIForm_MouseUp(Qt::MiddleButton, shiftCtrl, QPoint(0, 0)));
    // The hidden item's own key does nothing.
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, zx::test::kHangGuardMs));
    QTest::keyClick(&w, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(opened, 0);
    // And through a real mouse event on the client area.
    w.resize(900, 600);
    w.show();
    opened = 0;
    QTest::mouseRelease(w.mdiArea()->viewport(), Qt::MiddleButton, shiftCtrl, at(9525, 150));
    EXPECT_EQ(opened, 1);
}

TEST_F(MainWindowTest, HiddenGestureEdgesAreStrictAtNinetySixDpi)
{
    if (ScreenLogicalDpiX() != 96.0 || ScreenLogicalDpiY() != 96.0)
        GTEST_SKIP() << "edge pixels below are worked out for 96 dpi";
    MDIForm1& w = Start();
    int opened = 0;
    w.setCommand("MnuProgramMemoryMap", [&] { ++opened; });
    // 15 twips a pixel: y = 3 px is 45 twips exactly, on the edge.
    struct Case {
        QPoint pos;
        bool opens;
    };
    const Case cases[] = {
        {{626, 10}, false},  // 9390 twips
        {{627, 10}, true},   // 9405
        {{643, 10}, true},   // 9645
        {{644, 10}, false},  // 9660
        {{635, 3}, false},   // 45, on the edge
        {{635, 4}, true},    // 60
        {{635, 17}, true},   // 255
        {{635, 18}, false},  // 270
    };
    for (const Case& c : cases) {
        opened = 0;
        EXPECT_EQ(w.MDIForm_MouseUp(Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, c.pos), c.opens)
            << c.pos.x() << "," << c.pos.y();
        EXPECT_EQ(opened, c.opens ? 1 : 0) << c.pos.x() << "," << c.pos.y();
    }
}

TEST(ClockTexts, TwelveHourDialWithNoonAsPm)
{
    EXPECT_EQ(StatusTimeText(QTime(0, 5, 0)), "00:05:00 AM");
    EXPECT_EQ(StatusTimeText(QTime(0, 0, 0)), "00:00:00 AM");
    EXPECT_EQ(StatusTimeText(QTime(11, 59, 59)), "11:59:59 AM");
    EXPECT_EQ(StatusTimeText(QTime(12, 0, 0)), "12:00:00 PM");
    EXPECT_EQ(StatusTimeText(QTime(12, 30, 0)), "12:30:00 PM");
    EXPECT_EQ(StatusTimeText(QTime(13, 0, 0)), "01:00:00 PM");
    EXPECT_EQ(StatusTimeText(QTime(23, 59, 1)), "11:59:01 PM");
    EXPECT_EQ(StatusDateText(QDate(2026, 12, 8)), "12/08/26");
    EXPECT_EQ(StatusDateText(QDate(2031, 3, 5)), "03/05/31");
}

TEST(MainCaptionText, BandTextLabelAndFileName)
{
    AppCore core;
    core.image.setModelBandCode(0x83);
    core.document.DataFilePath = "/home/user/data/x.dat";
    EXPECT_EQ(MakeMainCaption(core), "ZX-4100  UHF: 460-520 MHz] [ File Name:x.dat]");
    core.image.setModelBandCode(0x20);
    EXPECT_EQ(MakeMainCaption(core), "ZX-4100 x.dat]");
    core.image.setModelBandCode(0x00);
    core.document.DataFilePath = "ZX-4100.dat";
    EXPECT_EQ(MakeMainCaption(core), "ZX-4100 ZX-4100.dat]");
    core.image.setModelBandCode(0x02);
    core.LanguageChinese = true;
    EXPECT_EQ(MakeMainCaption(core), QString::fromUtf8("ZX-4100  VHF: 136-150 MHz] [ 文件名:ZX-4100.dat]"));
    EXPECT_EQ(GetFileName("/data/"), "");
    EXPECT_EQ(GetFileName("abc"), "abc");
    EXPECT_EQ(GetFileName("C:\\data\\x.dat"), "x.dat");
}

TEST_F(MainWindowTest, FileCommandsWindowMenuAndF1ThroughTheMainWindow)
{
    MDIForm1& w = Start();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // Save of the unnamed document asks for a name, then the next Save asks
    // before overwriting.
    const QString path = dir.filePath("first.dat");
    prompts_.chooseFile(path);
    w.action("MnuFileSave")->trigger();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), BuildDataFile(core_.image));
    EXPECT_EQ(w.windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ File Name:first.dat]");
    prompts_.answer(MsgResult::Cancel);
    w.action("MnuFileSave")->trigger();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "Overwrite Warning!\r\nSave File Name:first.dat");

    // Close All hides the channel list, its slot and the Window menu; Edit >
    // Channel Information brings all three back.
    QAction* windowMenu = w.windowMenu()->menuAction();
    w.action("MnuWindowCloseAll")->trigger();
    EXPECT_FALSE(windowMenu->isVisible());
    EXPECT_FALSE(w.windowSlotAction(0)->isVisible());
    EXPECT_FALSE(w.channelForm()->isVisibleTo(&w));
    EXPECT_TRUE(core_.windowSlots.isOpen(ChannelFormOpen));
    w.action("MnuEditChannelInformation")->trigger();
    EXPECT_TRUE(windowMenu->isVisible());
    EXPECT_TRUE(w.windowSlotAction(0)->isVisible());
    EXPECT_TRUE(w.windowSlotAction(0)->isChecked());
    EXPECT_TRUE(w.channelForm()->isVisibleTo(&w));

    // F1 on the main window's own area opens the English main page.
    HelpKeyFilter::Install();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w, zx::test::kHangGuardMs));
    QTest::keyClick(w.mdiArea()->viewport(), Qt::Key_F1);
    HelpWindow* help = HelpWindow::instance(false);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentSource().toString(), "qrc:/help/en/general.html");
    delete help;
}
