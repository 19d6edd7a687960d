// The model dialog and the Model Information command.
#include <gtest/gtest.h>

#include <QTableWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ModelRules.h"
#include "core/ui/HelpWindow.h"
#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "core/ui/ModelTypeForm.h"
#include "platform/SettingsStore.h"
#include "common/ImageFixtures.h"

using namespace zx;
using zx::test::DefaultFor;

namespace {

class ModelTypeFormTest : public ::testing::Test {
protected:
    void SetUp() override { core_.image = DefaultFor(0x21, 0xF8); }
    std::unique_ptr<ModelTypeForm> Open()
    {
        auto form = std::make_unique<ModelTypeForm>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get(), zx::test::kHangGuardMs));
        return form;
    }
    AppCore core_;
    test::ScriptedPrompts prompts_;
};

}  // namespace

TEST_F(ModelTypeFormTest, CaptionsAndListsOnLoad)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Model Information");
    EXPECT_EQ(form->lblModelType()->text(), "Band");
    EXPECT_EQ(form->lblFreq()->text(), "Frequency");
    EXPECT_EQ(form->cmdOK()->text(), "&OK");
    EXPECT_EQ(form->cmdCancel()->text(), "&Cancel");
    EXPECT_FALSE(form->cmdHelp()->isVisible());
    EXPECT_FALSE(form->cboModelType()->isEditable());
    EXPECT_FALSE(form->cboFreq()->isEditable());
    EXPECT_EQ(form->cboModelType()->count(), 2);
    EXPECT_EQ(form->cboModelType()->currentText(), "UHF");
    EXPECT_EQ(form->cboFreq()->count(), 7);
    EXPECT_EQ(form->cboFreq()->currentText(), "400-480MHz");
    EXPECT_EQ(form->cboModelType()->property("helpContextId").toInt(), 3100);
}

TEST_F(ModelTypeFormTest, HiddenHelpButtonWouldOpenTheModelTopic)
{
    core_.LanguageChinese = true;
    auto form = Open();
    form->cmdHelp()->click();
    HelpWindow* help = HelpWindow::instance(false);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "modelinfo");
    EXPECT_TRUE(help->currentChinese());
    EXPECT_TRUE(form->isVisible());
    delete help;
}

TEST_F(ModelTypeFormTest, OpensOnTheImagesBandOrOnUhf400To480)
{
    struct Case { int code; const char* cls; const char* band; };
    for (const Case& c : {Case{0x20, "UHF", "400-480MHz"}, Case{0x02, "VHF", "136-150MHz"},
                          Case{0x04, "VHF", "245-265MHz"}, Case{0x83, "UHF", "460-520MHz"}, Case{0xF0, "UHF", "400-480MHz"}}) {
        core_.image.setModelBandCode(static_cast<std::uint8_t>(c.code));
        ModelTypeForm form;
        EXPECT_EQ(form.cboModelType()->currentText(), c.cls) << c.code;
        EXPECT_EQ(form.cboFreq()->currentText(), c.band) << c.code;
        EXPECT_EQ(form.InitialModelIndex(), form.cboModelType()->currentIndex());
        EXPECT_EQ(form.InitialBandIndex(), form.cboFreq()->currentIndex());
    }
}

TEST_F(ModelTypeFormTest, EnterSwapsTheFocusAndNeverCloses)
{
    auto form = Open();
    form->cboModelType()->setFocus();
    QTest::keyClick(form->cboModelType(), Qt::Key_Return);
    EXPECT_TRUE(form->cboFreq()->hasFocus());
    QTest::keyClick(form->cboFreq(), Qt::Key_Enter);
    EXPECT_TRUE(form->cboModelType()->hasFocus());
    form->cmdOK()->setFocus();
    QTest::keyClick(form->cmdOK(), Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->cmdOK()->isDefault());
    EXPECT_FALSE(form->cmdCancel()->isDefault());
}

TEST_F(ModelTypeFormTest, EscCancelsWithoutWriting)
{
    auto form = Open();
    form->cboFreq()->setCurrentIndex(0);
    QTest::keyClick(form->cboFreq(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(core_.image.modelBandCode(), 0x21);
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(ModelTypeFormTest, ChoosingAClassLandsOnItsFirstBand)
{
    auto form = Open();
    form->cboModelType()->setCurrentIndex(0);
    EXPECT_EQ(form->cboFreq()->count(), 4);
    EXPECT_EQ(form->cboFreq()->currentText(), "136-174MHz");
    form->cboModelType()->setCurrentIndex(1);
    EXPECT_EQ(form->cboFreq()->currentText(), "350-390MHz");
}

TEST_F(ModelTypeFormTest, OkWithTheOpeningChoiceWritesNothingAndAsksNothing)
{
    core_.image.setModelBandCode(0x20);
    const RadioImage before = core_.image;
    auto form = Open();
    form->cboFreq()->setCurrentIndex(0);
    form->cboFreq()->setCurrentIndex(3);  // back to 400-480MHz
    QTest::mouseClick(form->cmdOK(), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(core_.image, before);
}

TEST_F(ModelTypeFormTest, NewBandAsksAndOkWritesOnlyTheBandCode)
{
    RadioImage expected = core_.image;
    expected.setModelBandCode(0x43);
    prompts_.answer(MsgResult::Ok);
    auto form = Open();
    form->cboFreq()->setCurrentIndex(4);
    QTest::mouseClick(form->cmdOK(), Qt::LeftButton);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& box = prompts_.messages()[0];
    EXPECT_EQ(box.text, "Frequency will be cleared.");
    EXPECT_EQ(box.title, "Warning");
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.defaultButton, MsgResult::Cancel);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(core_.image, expected);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ModelTypeFormTest, CancelAtTheWarningClosesWithoutWriting)
{
    const RadioImage before = core_.image;
    prompts_.answer(MsgResult::Cancel);
    auto form = Open();
    form->cboModelType()->setCurrentIndex(0);
    QTest::mouseClick(form->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(core_.image, before);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ModelTypeFormTest, ChineseTexts)
{
    core_.LanguageChinese = true;
    prompts_.answer(MsgResult::Cancel);
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "机型信息");
    EXPECT_EQ(form->lblModelType()->text(), "波段");
    EXPECT_EQ(form->cmdOK()->text(), "确定(&O)");
    form->cboModelType()->setCurrentIndex(0);
    form->cmdOK_Click();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "频率数据将被清除。");
    EXPECT_EQ(prompts_.messages()[0].title, "警告");
}

// --- the command -------------------------------------------------------------

namespace {

class ModelCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        main_->windows().OpenTreeView();  // an editor window the commands may close
    }
    void Choose(int modelIndex, int bandIndex)
    {
        test::WhenModal<ModelTypeForm>([=](ModelTypeForm& form) {
            form.cboModelType()->setCurrentIndex(modelIndex);
            form.cboFreq()->setCurrentIndex(bandIndex);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        main_->action("MnuModelInformation")->trigger();
    }
    bool EditorWindowsClosed() const { return main_->windows().treeView() == nullptr; }
    int ChannelRows() const { return main_->channelForm()->ChannelGrid()->rowCount() - 1; }

    AppCore core_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
};

}  // namespace

TEST_F(ModelCommandTest, NewBandRebuildsTheImageForTheNewModel)
{
    core_.image.set(0x020, 0x44);
    core_.document.DataFilePath = "/home/u/x.dat";
    core_.document.hasFile = true;
    prompts_.answer(MsgResult::Ok);
    Choose(0, 1);  // VHF 136-150MHz
    EXPECT_EQ(core_.image, DefaultFor(0x02, 0xF8));
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_EQ(core_.document.snapshot, core_.image);  // no save offer at exit
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  VHF: 136-150 MHz] [ File Name:ZX-4100.dat]");
    EXPECT_TRUE(EditorWindowsClosed());
    EXPECT_EQ(ChannelRows(), 16);
    EXPECT_TRUE(main_->windowSlotAction(0)->isVisible());
}

TEST_F(ModelCommandTest, EightChannelVariantGetsEightRows)
{
    core_.image.setModelVariant(0xF9);
    prompts_.answer(MsgResult::Ok);
    Choose(0, 0);  // VHF 136-174MHz
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(ChannelRows(), 8);
    EXPECT_EQ(core_.image.modelVariant(), 0xF9);
}

TEST_F(ModelCommandTest, NothingChangedOnlyRewritesTheTitle)
{
    const RadioImage before = core_.image;
    main_->setWindowTitle("stale");
    Choose(1, 3);
    EXPECT_EQ(core_.image, before);
    EXPECT_FALSE(EditorWindowsClosed());
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ File Name:ZX-4100.dat]");
}

TEST_F(ModelCommandTest, CancelAtTheWarningLeavesImageTitleAndGrid)
{
    core_.image.set(0x020, 0x44);
    const RadioImage before = core_.image;
    const QString title = main_->windowTitle();
    prompts_.answer(MsgResult::Cancel);
    Choose(0, 1);
    EXPECT_EQ(core_.image, before);
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_FALSE(EditorWindowsClosed());
}

TEST_F(ModelCommandTest, HiddenWindowMenuAndSlotZeroComeBackForChannelOne)
{
    main_->windowMenu()->menuAction()->setVisible(false);
    core_.windowSlots.setSlotVisible(0, false);
    core_.windowSlots.setSlotChecked(0, true);
    core_.GridChannel = 7;
    test::WhenModal<ModelTypeForm>([](ModelTypeForm& form) { QTest::mouseClick(form.cmdCancel(), Qt::LeftButton); });
    main_->action("MnuModelInformation")->trigger();
    EXPECT_TRUE(main_->windowMenu()->menuAction()->isVisible());
    EXPECT_TRUE(main_->windowSlotAction(0)->isVisible());
    EXPECT_FALSE(main_->windowSlotAction(0)->isChecked());
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " Channel Information [ Channel - 1 ]");
    EXPECT_EQ(core_.GridChannel, 1);
}
