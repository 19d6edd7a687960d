// The language dialog and the language switch in both directions.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "channels/ui/ChannelForm.h"
#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "common/RecordingWorkspace.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/LanguageSwitch.h"
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
};

}  // namespace

TEST_F(LanguageFormTest, EnglishDialog)
{
    LanguageForm form;
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
    LanguageForm form;
    EXPECT_EQ(form.windowTitle(), "语言文件设置");
    EXPECT_EQ(form.ComLanguage()->itemText(0), "英文");
    EXPECT_EQ(form.ComLanguage()->itemText(1), "中文");
    EXPECT_EQ(form.ComLanguage()->currentIndex(), 1);
    EXPECT_TRUE(form.LanguageAtOpen());
}

TEST_F(LanguageFormTest, OkSetsTheLanguageAndTheChangeFlag)
{
    LanguageForm form;
    form.ComLanguage()->setCurrentIndex(1);
    form.cmdOK_Click();
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);

    LanguageForm again;
    again.cmdOK_Click();  // Chinese kept
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_FALSE(core_.LanguageChanged);
}

TEST_F(LanguageFormTest, CancelChangesNothingButTheFlag)
{
    core_.LanguageChanged = true;
    LanguageForm form;
    form.ComLanguage()->setCurrentIndex(1);
    form.cmdCancel_Click();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_FALSE(core_.LanguageChanged);
}

TEST_F(LanguageFormTest, ClosingOtherwiseLeavesBothFlags)
{
    core_.LanguageChanged = true;
    LanguageForm form;
    form.show();
    form.ComLanguage()->setCurrentIndex(1);
    form.close();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);
}

TEST_F(LanguageFormTest, HiddenHelpButtonWouldOpenTheLanguageTopic)
{
    LanguageForm form;
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
    LanguageForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, zx::test::kHangGuardMs));
    form.ComLanguage()->setFocus();
    QTest::keyClick(form.ComLanguage(), Qt::Key_Escape);
    form.cmdOK()->setFocus();
    QTest::keyClick(form.cmdOK(), Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_TRUE(core_.LanguageChanged);
}

// --- the switch, in the library ---------------------------------------------

TEST(LanguageSwitchSequenceTest, ChangedLanguageRecaptionsTheWorkspaceInOrder)
{
    AppCore core;
    test::RecordingWorkspace workspace;
    core.LanguageChinese = true;
    core.LanguageChanged = true;
    core.GridChannel = 7;
    core.windowSlots.setSlotCaption(0, "old");
    ApplyLanguageSwitch(core, workspace);
    EXPECT_EQ(workspace.calls, QStringList({"CloseEditorWindows", "RestoreChannelWindow", "RemakeTitle",
                                            "SetMenuCaptions", "RetranslateChannelWindow"}));
    // Channel 1 is named whatever channel is current.
    EXPECT_EQ(core.windowSlots.slot(0).caption, " 信道信息 [ 信道 - 1 ]");
}

TEST(LanguageSwitchSequenceTest, UnchangedLanguageTouchesNothing)
{
    AppCore core;
    test::RecordingWorkspace workspace;
    core.LanguageChinese = true;
    core.windowSlots.setSlotCaption(0, "old");
    ApplyLanguageSwitch(core, workspace);
    EXPECT_TRUE(workspace.calls.isEmpty());
    EXPECT_EQ(core.windowSlots.slot(0).caption, "old");
}

// --- the switch through the main window --------------------------------------

namespace {

class LanguageSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        SetRow(1, {"145.00000", "145.00000", "None", "88.5", "High", "Wide", "Yes", "None", "On"});
        SetRow(2, {"", "", "", "", "", "", "", "", ""});
        SetRow(3, {"446.00625", "", "None", "D023N", "Low", "Narrow", "No", "DTMF", "Off"});
        SetRow(9, {"150.00000", "150.00000", "67.0", "None", "High", "Narrow", "No", "FleetSync", "Off"});
    }
    ChannelForm& List() { return *main_->channelForm(); }
    void SetRow(int r, const QStringList& texts)
    {
        for (int c = 1; c <= 9; ++c)
            List().SetCellText(r, c, texts[c - 1]);
    }
    QStringList Row(int r)
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << List().CellText(r, c);
        return texts;
    }
    std::array<int, kChannelGridColumns> Widths()
    {
        std::array<int, kChannelGridColumns> widths{};
        for (int c = 0; c < kChannelGridColumns; ++c)
            widths[static_cast<std::size_t>(c)] = List().ColumnWidthTwips(c);
        return widths;
    }
    // The None entry of the decode cell's tone list (row 1 is programmed).
    QString ToneListNone()
    {
        List().ChannelGrid()->setCurrentCell(1, 3);
        QTest::keyClick(List().ChannelGrid(), Qt::Key_Return);
        const QString none = List().comInputStep()->itemText(0);
        QTest::keyClick(List().comInputStep(), Qt::Key_Escape);
        return none;
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
    std::unique_ptr<MDIForm1> main_;
};

}  // namespace

TEST_F(LanguageSwitchTest, MenuItemStaysHidden)
{
    EXPECT_FALSE(main_->action("MnuSetupLanguageFileSetup")->isVisible());
}

TEST_F(LanguageSwitchTest, EnglishToChineseRecaptionsEverything)
{
    main_->windows().OpenEditorWindow(0);
    List().ChannelGrid()->setCurrentCell(3, 1);
    SwitchTo(1);
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ 文件名:ZX-4100.dat]");
    EXPECT_EQ(main_->action("MnuFile")->text(), "文件(&F)");
    EXPECT_EQ(main_->action("Toolbar1Button1")->toolTip(), "新建");
    EXPECT_EQ(List().CellText(0, 0), "信道编号");
    EXPECT_EQ(List().CellText(0, 1), "接收频率");
    EXPECT_EQ(Widths(), (std::array<int, kChannelGridColumns>{1065, 1172, 1172, 1172, 1172, 852, 746, 852, 1065, 1268}));
    EXPECT_EQ(List().windowTitle(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(List().cmdClose()->text(), "关闭(&C)");
    EXPECT_EQ(List().cmdChannelEdit()->text(), LoadLangString(1059, true));
    EXPECT_EQ(List().LabFreeArea()->text(), "空位(Bytes):");
    EXPECT_EQ(Row(1).join('|'), "145.00000|145.00000|无|88.5|高|宽带|有|无|开");
    EXPECT_EQ(Row(2).join('|'), "||||||||");
    EXPECT_EQ(Row(3).join('|'), "446.00625||无|D023N|低|窄带|无|DTMF|关");
    EXPECT_EQ(Row(9).join('|'), "150.00000|150.00000|67.0|无|高|窄带|无|FleetSync|关");
    EXPECT_EQ(ToneListNone(), "无");

    // Help pages follow the language by themselves.
    main_->action("MnuHelpTopics")->trigger();
    HelpWindow* help = HelpWindow::instance(false);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->currentChinese());
    delete help;
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
    SwitchTo(0);

    EXPECT_FALSE(core_.LanguageChinese);
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
    EXPECT_EQ(List().CellText(0, 0), "Channel No.");
    EXPECT_EQ(List().CellText(0, 9), "PTT ID");
    EXPECT_EQ(List().cmdClose()->text(), "&Close");
    EXPECT_EQ(ToneListNone(), "None");
}

TEST_F(LanguageSwitchTest, OkWithTheSameLanguageClosesNoWindow)
{
    main_->windows().OpenTreeView();
    const QStringList menusBefore = MainTexts();
    SwitchTo(0);
    EXPECT_FALSE(core_.LanguageChanged);
    EXPECT_NE(main_->windows().treeView(), nullptr);
    EXPECT_EQ(MainTexts(), menusBefore);
    EXPECT_EQ(Row(1)[4], "High");
}

TEST_F(LanguageSwitchTest, CancelChangesNothing)
{
    main_->windows().OpenTreeView();
    test::WhenModal<LanguageForm>([](LanguageForm& form) {
        form.ComLanguage()->setCurrentIndex(1);
        QTest::mouseClick(form.cmdCancel(), Qt::LeftButton);
    });
    main_->action("MnuSetupLanguageFileSetup")->trigger();
    EXPECT_FALSE(core_.LanguageChinese);
    EXPECT_NE(main_->windows().treeView(), nullptr);
    EXPECT_EQ(Row(1)[4], "High");
}

TEST_F(LanguageSwitchTest, ClosingTheDialogAfterAChangeRunsTheSwitchAgain)
{
    SwitchTo(1);
    main_->windows().OpenTreeView();
    test::WhenModal<LanguageForm>([](LanguageForm& form) { form.close(); });
    main_->action("MnuSetupLanguageFileSetup")->trigger();
    EXPECT_TRUE(core_.LanguageChinese);
    EXPECT_EQ(main_->windows().treeView(), nullptr) << "the other windows were closed again";
    EXPECT_EQ(Row(1)[4], "高");
}

TEST_F(LanguageSwitchTest, EightChannelModelLeavesRowsNineToSixteen)
{
    core_.EightChannelModel = true;
    SwitchTo(1);
    EXPECT_EQ(Row(3)[4], "低");
    EXPECT_EQ(Row(9)[4], "High");
}
