// The language dialog and the language switch in both directions.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "HookRecorder.h"
#include "common/ModalDriver.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/StringTable.h"
#include "core/ui/HelpWindow.h"
#include "core/ui/LanguageForm.h"
#include "app/MDIForm1.h"
#include "platform/SettingsStore.h"

using namespace zx;

namespace {

class LanguageFormTest : public ::testing::Test {
protected:
    AppCore core_;
    test::HookRecorder recorder_;
};

}  // namespace

TEST_F(LanguageFormTest, EnglishDialog)
{
    LanguageForm form(recorder_.hooks());
    EXPECT_EQ(form.windowTitle(), "Language File Setup");
    EXPECT_EQ(form.labLanguage()->text(), "Language Mode");
    EXPECT_EQ(form.cmdOK()->text(), "&OK");
    EXPECT_EQ(form.cmdCancel()->text(), "&Cancel");
    EXPECT_EQ(form.cmdHelp()->text(), "&Help");
    form.show();
    EXPECT_FALSE(form.cmdHelp()->isVisible());
    EXPECT_FALSE(form.ComLanguage()->isEditable());
    ASSERT_EQ(form.ComLanguage()->count(), 2);
    EXPECT_EQ(form.ComLanguage()->itemText(0), "English");
    EXPECT_EQ(form.ComLanguage()->itemText(1), "Chinese");
    EXPECT_EQ(form.ComLanguage()->currentIndex(), 0);
    EXPECT_FALSE(form.LanguageAtOpen());
    EXPECT_EQ(form.ComLanguage()->property("helpContextId").toInt(), 7200);
}

TEST_F(LanguageFormTest, ChineseDialogSelectsChinese)
{
    core_.LanguageChinese = true;
    LanguageForm form(recorder_.hooks());
    EXPECT_EQ(form.windowTitle(), "语言文件设置");
    EXPECT_EQ(form.ComLanguage()->itemText(0), "英文");
    EXPECT_EQ(form.ComLanguage()->itemText(1), "中文");
    EXPECT_EQ(form.ComLanguage()->currentIndex(), 1);
    EXPECT_TRUE(form.LanguageAtOpen());
}

TEST_F(LanguageFormTest, OkSetsTheLanguageTheChangeFlagAndTheHelpFile)
{
    LanguageForm form(recorder_.hooks());
    form.ComLanguage()->setCurrentIndex(1);
    form.cmdOK_Click();
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);
    EXPECT_TRUE(recorder_.helpFile.endsWith("/ZX-4100_c.chm"));

    LanguageForm again(recorder_.hooks());
    again.cmdOK_Click();  // Chinese kept
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_FALSE(core_.LanguageChanged);
    EXPECT_TRUE(recorder_.helpFile.endsWith("/ZX-4100_c.chm"));
}

TEST_F(LanguageFormTest, CancelChangesNothingButTheFlag)
{
    core_.LanguageChanged = true;
    LanguageForm form(recorder_.hooks());
    form.ComLanguage()->setCurrentIndex(1);
    form.cmdCancel_Click();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_FALSE(core_.LanguageChanged);
    EXPECT_TRUE(recorder_.calls.isEmpty());
}

TEST_F(LanguageFormTest, ClosingOtherwiseLeavesBothFlags)
{
    core_.LanguageChanged = true;
    LanguageForm form(recorder_.hooks());
    form.show();
    form.ComLanguage()->setCurrentIndex(1);
    form.close();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);
}

TEST_F(LanguageFormTest, HiddenHelpButtonWouldOpenTheLanguageTopic)
{
    LanguageForm form(recorder_.hooks());
    form.cmdHelp()->click();
    HelpWindow* help = HelpWindow::instance(false);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "language");
    EXPECT_FALSE(help->currentChinese());
    EXPECT_FALSE(core_.LanguageChanged);
    delete help;
}

TEST_F(LanguageFormTest, EscNeitherClosesNorAnswers)
{
    core_.LanguageChanged = true;
    LanguageForm form(recorder_.hooks());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.ComLanguage()->setFocus();
    QTest::keyClick(form.ComLanguage(), Qt::Key_Escape);
    form.cmdOK()->setFocus();
    QTest::keyClick(form.cmdOK(), Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);
}

// --- the switch --------------------------------------------------------------

namespace {

class LanguageSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        CoreWindowHooks hooks = recorder_.hooks();
        // The tone lists are rebuilt with the None word of the language then
        // in force.
        hooks.rebuildToneLists = [this] {
            recorder_.calls << "rebuildToneLists";
            toneListNone_ = LoadLangString(1077);
        };
        main_->coreHooks() = hooks;
        SetRow(1, {"145.00000", "145.00000", "None", "88.5", "High", "Wide", "Yes", "None", "On"});
        SetRow(2, {"", "", "", "", "", "", "", "", ""});
        SetRow(3, {"446.00625", "", "None", "D023N", "Low", "Narrow", "No", "DTMF", "Off"});
        SetRow(9, {"150.00000", "150.00000", "67.0", "None", "High", "Narrow", "No", "FleetSync", "Off"});
    }
    void SetRow(int r, const QStringList& texts)
    {
        for (int c = 1; c <= 9; ++c)
            recorder_.grid[{r, c}] = texts[c - 1];
    }
    QStringList Row(int r)
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << recorder_.grid[{r, c}];
        return texts;
    }
    void SwitchTo(int entry)
    {
        test::WhenModal<LanguageForm>([entry](LanguageForm& form) {
            form.ComLanguage()->setCurrentIndex(entry);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        main_->action("MnuSetupLanguageFileSetup")->trigger();
    }
    // Every menu caption and toolbar tooltip of the main window.
    QStringList MainTexts() const
    {
        QStringList texts;
        for (QAction* a : main_->findChildren<QAction*>())
            texts << a->objectName() + "=" + a->text() + "|" + a->toolTip();
        texts.sort();
        return texts;
    }

    AppCore core_;
    test::ScriptedPrompts prompts_;
    test::HookRecorder recorder_;
    std::unique_ptr<MDIForm1> main_;
    QString toneListNone_;
};

}  // namespace

TEST_F(LanguageSwitchTest, MenuItemStaysHidden)
{
    EXPECT_FALSE(main_->action("MnuSetupLanguageFileSetup")->isVisible());
}

TEST_F(LanguageSwitchTest, EnglishToChineseRecaptionsEverythingInOrder)
{
    QSignalSpy changed(&core_, &AppCore::languageChanged);
    SwitchTo(1);
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_EQ(recorder_.calls,
              QStringList({"setHelpFile", "closeEditorWindows", "restoreChannelWindow", "setChannelGridHeader",
                           "setChannelWindowCaption", "setChannelWindowControlTexts", "setChannelGridText",
                           "rebuildToneLists"}));
    EXPECT_TRUE(recorder_.helpFile.endsWith("/ZX-4100_c.chm"));
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ 文件名:ZX-4100.dat]");
    EXPECT_EQ(main_->action("MnuFile")->text(), "文件(&F)");
    EXPECT_EQ(main_->action("Toolbar1Button1")->toolTip(), "新建");
    EXPECT_EQ(recorder_.headerTitles[0], "信道编号");
    EXPECT_EQ(recorder_.headerTitles[1], "接收频率");
    EXPECT_EQ(recorder_.headerWidths, (ChannelGridWidths{1065, 1172, 1172, 1172, 1172, 852, 746, 852, 1065, 1268}));
    EXPECT_EQ(recorder_.channelWindowCaption, " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(recorder_.controlTexts.cmdClose, "关闭(&C)");
    EXPECT_EQ(recorder_.controlTexts.cmdChannelEdit, LoadLangString(1059, true));
    EXPECT_EQ(Row(1).join('|'), "145.00000|145.00000|无|88.5|高|宽带|有|无|开");
    EXPECT_EQ(Row(2).join('|'), "||||||||");
    EXPECT_EQ(Row(3).join('|'), "446.00625||无|D023N|低|窄带|无|DTMF|关");
    EXPECT_EQ(Row(9).join('|'), "150.00000|150.00000|67.0|无|高|窄带|无|FleetSync|关");
    EXPECT_EQ(toneListNone_, "无");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(LanguageSwitchTest, BackToEnglishRestoresEveryText)
{
    const QStringList menusBefore = MainTexts();
    const QString titleBefore = main_->windowTitle();
    std::map<int, QStringList> rowsBefore;
    for (int r : {1, 2, 3, 9})
        rowsBefore[r] = Row(r);

    SwitchTo(1);
    ASSERT_NE(MainTexts(), menusBefore);
    recorder_.calls.clear();
    SwitchTo(0);

    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(recorder_.helpFile.endsWith("/ZX-4100_e.chm"));
    EXPECT_EQ(main_->windowTitle(), titleBefore);
    // Slot 0 names channel 1 in the switch's own spelling.
    const QStringList menusAfter = MainTexts();
    EXPECT_EQ(menusAfter.size(), menusBefore.size());
    for (int i = 0; i < std::min(menusAfter.size(), menusBefore.size()); ++i) {
        if (!menusBefore[i].startsWith("MnuWindowSub0=")) {
            EXPECT_EQ(menusAfter[i], menusBefore[i]);
        }
    }
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " Channel Information [ Channel-1 ]");
    for (const auto& [r, texts] : rowsBefore)
        EXPECT_EQ(Row(r), texts) << r;
    EXPECT_EQ(recorder_.headerTitles[0], "Channel No.");
    EXPECT_EQ(recorder_.headerTitles[9], "PTT ID");
    EXPECT_EQ(recorder_.controlTexts.cmdClose, "&Close");
    EXPECT_EQ(toneListNone_, "None");
}

TEST_F(LanguageSwitchTest, OkWithTheSameLanguageClosesNoWindow)
{
    const QStringList menusBefore = MainTexts();
    SwitchTo(0);
    EXPECT_FALSE(core_.LanguageChanged);
    EXPECT_EQ(recorder_.calls, QStringList({"setHelpFile"}));
    EXPECT_TRUE(recorder_.helpFile.endsWith("/ZX-4100_e.chm"));
    EXPECT_EQ(MainTexts(), menusBefore);
    EXPECT_EQ(Row(1)[4], "High");
}

TEST_F(LanguageSwitchTest, CancelChangesNothing)
{
    test::WhenModal<LanguageForm>([](LanguageForm& form) {
        form.ComLanguage()->setCurrentIndex(1);
        QTest::mouseClick(form.cmdCancel(), Qt::LeftButton);
    });
    main_->action("MnuSetupLanguageFileSetup")->trigger();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(recorder_.calls.isEmpty());
}

TEST_F(LanguageSwitchTest, ClosingTheDialogAfterAChangeRunsTheSwitchAgain)
{
    SwitchTo(1);
    recorder_.calls.clear();
    test::WhenModal<LanguageForm>([](LanguageForm& form) { form.close(); });
    main_->action("MnuSetupLanguageFileSetup")->trigger();
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_TRUE(recorder_.calls.contains("closeEditorWindows"));
    EXPECT_EQ(Row(1)[4], "高");
}

TEST_F(LanguageSwitchTest, EightChannelModelLeavesRowsNineToSixteen)
{
    core_.EightChannelModel = true;
    SwitchTo(1);
    EXPECT_EQ(Row(3)[4], "低");
    EXPECT_EQ(Row(9)[4], "High");
}
