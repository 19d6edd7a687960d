// The DTMF window through the real main window: Edit > DTMF with the channel
// list open, fields typed, stepped and left as a user does.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "SignallingWindowFixture.h"
#include "core/ImageLayout.h"
#include "core/ui/TreeViewForm.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "signalling/ui/DTMFForm.h"
#include "signalling/ui/FixedCellGrid.h"

namespace zx::test {
namespace {

using F = DtmfEncodeField;

class DTMFFormTest : public SignallingFormTest<DTMFForm> {
protected:
    DTMFFormTest() : SignallingFormTest("MnuEditDTMF", 4) {}

    void ShowTab(int index) { form->SSTab1()->setCurrentIndex(index); }
    QLineEdit* Box(F field) const { return form->encodeBox(field); }
    QString Cell(int row) const { return form->msgAutodial()->CellText(row, 1); }
};

TEST_F(DTMFFormTest, DefaultImageShowsTheDefaultsAndLoadingWritesNothing)
{
    const RadioImage before = core.image;
    EXPECT_EQ(form->windowTitle(), "DTMF");
    EXPECT_EQ(form->SSTab1()->currentIndex(), 0);
    EXPECT_EQ(form->SSTab1()->tabText(0), "Encode");
    EXPECT_EQ(form->SSTab1()->tabText(1), "Decode");
    EXPECT_EQ(form->SSTab1()->tabText(2), "Autodial Memory");
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    QStringList encode;
    for (F f : {F::Speed, F::FirstDigitTime, F::FirstDigitDelay, F::StarHashTone, F::DCodeAssign})
        encode << Box(f)->text();
    EXPECT_EQ(encode, QStringList({"6", "0", "100", "0", "D Code"}));
    EXPECT_TRUE(form->chkDTMFSideTone()->isChecked());

    EXPECT_EQ(form->txtIDCode()->text(), "000");
    EXPECT_EQ(form->cboGroupCode()->currentText(), "Off");
    EXPECT_EQ(form->txtAutoResetTimer()->text(), "10");
    EXPECT_EQ(form->cboCallAlert()->currentText(), "Normal");
    EXPECT_EQ(form->cboTranspond()->currentText(), "Off");
    EXPECT_FALSE(form->chkClear()->isChecked());
    EXPECT_EQ(form->txtStunCode()->text(), "");
    EXPECT_FALSE(form->cboStunType()->isEnabled());
    EXPECT_FALSE(form->lblStunType()->isEnabled());
    EXPECT_EQ(form->cboStunType()->currentText(), "TX Inhibit");

    FixedCellGrid* grid = form->msgAutodial();
    EXPECT_EQ(grid->rowCount(), 9);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->CellText(0, 0), "No.");
    EXPECT_EQ(grid->CellText(0, 1), "Autodial Memory");
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(grid->CellText(n, 0), QString::number(n));
        EXPECT_EQ(Cell(n), "");
    }
    EXPECT_TRUE(form->txtAutodial()->isHidden());
    EXPECT_EQ(core.image, before);
}

TEST_F(DTMFFormTest, EncodeCommitsMapTheTypedText)
{
    // Enter moves on as Tab does and commits.
    TypeOver(Box(F::Speed), "9");
    Key(Box(F::Speed), Qt::Key_Return);
    EXPECT_EQ(Box(F::Speed)->text(), "8");
    EXPECT_EQ(core.image.at(0x110), 0x01);
    EXPECT_EQ(Focus(), Box(F::FirstDigitTime));

    struct Case {
        F field;
        const char* typed;
        const char* shown;
        int address;
        std::uint8_t byte;
    };
    const Case cases[] = {
        {F::Speed, "12", "10", 0x110, 0x02},           {F::Speed, "99", "15", 0x110, 0x03},
        {F::Speed, "", "6", 0x110, 0x00},              {F::FirstDigitTime, "250", "100", 0x111, 0x01},
        {F::FirstDigitTime, "999", "500", 0x111, 0x02}, {F::FirstDigitTime, "4000", "1000", 0x111, 0x03},
        {F::StarHashTone, "999", "500", 0x113, 0x02},  {F::FirstDigitDelay, "157", "150", 0x112, 0x0F},
        {F::FirstDigitDelay, "120", "100", 0x112, 0x0A}, {F::FirstDigitDelay, "995", "990", 0x112, 0x63},
        {F::FirstDigitDelay, "5000", "1000", 0x112, 0x64}, {F::DCodeAssign, "d", "D Code", 0x114, 0x00},
        {F::DCodeAssign, "17", "D Code", 0x114, 0x00}, {F::DCodeAssign, "7", "7s", 0x114, 0x07},
    };
    for (const Case& c : cases) {
        core.image.set(c.address, 0xEE);
        TypeOver(Box(c.field), QString::fromLatin1(c.typed));
        if (c.field == F::DCodeAssign && QByteArray(c.typed) == "d") {
            EXPECT_EQ(Box(c.field)->text(), "D");
        }
        Key(Box(c.field), Qt::Key_Tab);
        EXPECT_EQ(Box(c.field)->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(core.image.at(c.address), c.byte) << c.typed;
        EXPECT_NE(Focus(), Box(c.field));
    }
}

TEST_F(DTMFFormTest, AThirdSpeedDigitIsRefusedUnlessTextIsSelected)
{
    TypeOver(Box(F::Speed), "12");
    QTest::keyClicks(Box(F::Speed), "3");
    EXPECT_EQ(Box(F::Speed)->text(), "12");
    Box(F::Speed)->selectAll();
    QTest::keyClicks(Box(F::Speed), "9");
    EXPECT_EQ(Box(F::Speed)->text(), "9");
}

TEST_F(DTMFFormTest, StepsChangeTheTextAndWriteNothing)
{
    const RadioImage before = core.image;
    QLineEdit* speed = Box(F::Speed);
    Enter(speed);
    QStringList walk;
    for (int i = 0; i < 4; ++i) {
        Key(speed, Qt::Key_Up);
        walk << speed->text();
    }
    EXPECT_EQ(walk, QStringList({"8", "10", "15", "6"}));
    EXPECT_EQ(core.image, before);

    // The spin buttons give the same texts.
    SpinField* delayField = form->encodeField(F::FirstDigitDelay);
    QLineEdit* delay = Box(F::FirstDigitDelay);
    Enter(delay);
    Key(delay, Qt::Key_Down);  // "100" wraps
    EXPECT_EQ(delay->text(), "1000");
    Key(delay, Qt::Key_Up);
    EXPECT_EQ(delay->text(), "100");
    QTest::mouseClick(delayField->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(delay->text(), "1000");
    QTest::mouseClick(delayField->upd()->upButton(), Qt::LeftButton);
    EXPECT_EQ(delay->text(), "100");
    EXPECT_EQ(Focus(), delay);
    TypeOver(delay, "150");
    Key(delay, Qt::Key_Tab);
    EXPECT_EQ(core.image.at(layout::FirstDigitDelay), 0x0F);
    Enter(delay);
    Key(delay, Qt::Key_Up);
    EXPECT_EQ(delay->text(), "200");
    EXPECT_EQ(core.image.at(layout::FirstDigitDelay), 0x0F);

    QLineEdit* dcode = Box(F::DCodeAssign);
    Enter(dcode);  // leaving the delay commits its "200"
    const RadioImage committed = core.image;
    Key(dcode, Qt::Key_Down);
    EXPECT_EQ(dcode->text(), "16s");
    Key(dcode, Qt::Key_Up);
    EXPECT_EQ(dcode->text(), "D Code");
    EXPECT_EQ(core.image, committed);
}

TEST_F(DTMFFormTest, SideToneWritesWhenLeftAndBeforeClose)
{
    form->cmdClose()->click();
    core.image.set(layout::DtmfSideTone, 0xFF);
    Open();
    EXPECT_TRUE(form->chkDTMFSideTone()->isChecked());
    Enter(form->chkDTMFSideTone());
    EXPECT_EQ(core.image.at(layout::DtmfSideTone), 0xFF);
    Key(form->chkDTMFSideTone(), Qt::Key_Tab);
    EXPECT_EQ(core.image.at(layout::DtmfSideTone), 0x01);

    // Clicking it writes nothing; clicking Close then writes it.
    QTest::mouseClick(form->chkDTMFSideTone(), Qt::LeftButton, {}, QPoint(6, form->chkDTMFSideTone()->height() / 2));
    EXPECT_FALSE(form->chkDTMFSideTone()->isChecked());
    EXPECT_EQ(core.image.at(layout::DtmfSideTone), 0x01);
    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(core.image.at(layout::DtmfSideTone), 0x00);
    EXPECT_EQ(main->windows().window(4), nullptr);
}

TEST_F(DTMFFormTest, IdCodeBelowThreeDigitsIsRefusedAndKeepsTheFocus)
{
    ShowTab(1);
    const RadioImage before = core.image;
    TypeOver(form->txtIDCode(), "12");
    Key(form->txtIDCode(), Qt::Key_Tab);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& box = prompts.messages().front();
    EXPECT_EQ(box.text, "Invalid Data.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(form->txtIDCode()->text(), "000");
    EXPECT_EQ(form->txtIDCode()->selectedText(), "000");
    EXPECT_EQ(Focus(), form->txtIDCode());
    EXPECT_EQ(core.image, before);

    TypeOver(form->txtIDCode(), "0123");
    Key(form->txtIDCode(), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x120, 10), HexBytes("30 31 32 33 FF FF FF FF FF FF"));
    EXPECT_EQ(prompts.messages().size(), 1u);

    TypeOver(form->txtIDCode(), "1234567890");
    QTest::keyClicks(form->txtIDCode(), "1");
    EXPECT_EQ(form->txtIDCode()->text(), "1234567890");
    form->txtIDCode()->setSelection(9, 1);
    QTest::keyClicks(form->txtIDCode(), "5");
    EXPECT_EQ(form->txtIDCode()->text(), "1234567895");
    // Letters never go in, typed or pasted.
    QTest::keyClicks(form->txtIDCode(), "a");
    form->txtIDCode()->setText("12a34b5678901234");
    EXPECT_EQ(form->txtIDCode()->text(), "1234567890");
}

TEST_F(DTMFFormTest, StunCodeEnablesTheStunTypeAndKeepsItsByte)
{
    form->cmdClose()->click();
    core.image.set(layout::StunType, 0x01);
    Open();
    ShowTab(1);
    EXPECT_EQ(form->cboStunType()->currentText(), "TX/RX Inhibit");
    TypeOver(form->txtStunCode(), "ab1");
    EXPECT_EQ(form->txtStunCode()->text(), "AB1");
    Key(form->txtStunCode(), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x1F0, 10), HexBytes("41 42 31 FF FF FF FF FF FF FF"));
    EXPECT_TRUE(form->cboStunType()->isEnabled());
    EXPECT_TRUE(form->lblStunType()->isEnabled());
    Enter(form->cboStunType());

    TypeOver(form->txtStunCode(), "");
    Key(form->txtStunCode(), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x1F0, 10), QByteArray(10, char(0xFF)));
    EXPECT_FALSE(form->cboStunType()->isEnabled());
    EXPECT_EQ(core.image.at(layout::StunType), 0x01);
    EXPECT_TRUE(prompts.messages().empty());

    TypeOver(form->txtStunCode(), "12");
    Key(form->txtStunCode(), Qt::Key_Tab);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(form->txtStunCode()->text(), "");
    EXPECT_EQ(Focus(), form->txtStunCode());
    EXPECT_EQ(Bytes(0x1F0, 10), QByteArray(10, char(0xFF)));
}

TEST_F(DTMFFormTest, AutoResetTimerAndListsCommitWhenLeft)
{
    ShowTab(1);
    QLineEdit* timer = form->txtAutoResetTimer();
    struct Case {
        const char* typed;
        const char* shown;
        std::uint8_t byte;
    };
    for (const Case& c : {Case{"20", "15", 0x0F}, Case{"00", "Off", 0x00}, Case{"05", "05", 0x05}}) {
        TypeOver(timer, QString::fromLatin1(c.typed));
        Key(timer, Qt::Key_Tab);
        EXPECT_EQ(timer->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(core.image.at(layout::AutoResetTimer), c.byte) << c.typed;
    }
    TypeOver(timer, "15");
    Key(timer, Qt::Key_Tab);
    Enter(timer);
    Key(timer, Qt::Key_Up);
    EXPECT_EQ(timer->text(), "Off");
    EXPECT_EQ(core.image.at(layout::AutoResetTimer), 0x0F);

    form->cboCallAlert()->setCurrentIndex(0);
    Enter(form->cboCallAlert());
    Key(form->cboCallAlert(), Qt::Key_Return);
    EXPECT_EQ(core.image.at(layout::CallAlert), 0x02);
    EXPECT_EQ(Focus(), form->cboTranspond());
    form->cboGroupCode()->setCurrentIndex(form->cboGroupCode()->findText("#"));
    Enter(form->cboGroupCode());
    Key(form->cboGroupCode(), Qt::Key_Tab);
    EXPECT_EQ(core.image.at(layout::GroupCode), 0x23);
}

TEST_F(DTMFFormTest, OutOfRangeBytesLoadWithoutSelection)
{
    form->cmdClose()->click();
    core.image.set(layout::Transpond, 0xFF);
    core.image.set(layout::AutoResetTimer, 0xFF);
    core.image.set(layout::GroupCode, 0x45);
    core.image.set(layout::CallAlert, 0x09);
    core.image.set(layout::StunType, 0x07);
    core.image.write(0x200, QByteArray("1 2 34") + QByteArray(10, ' '));
    const RadioImage before = core.image;
    Open();
    EXPECT_EQ(form->cboTranspond()->currentIndex(), -1);
    EXPECT_EQ(form->txtAutoResetTimer()->text(), "10");
    EXPECT_EQ(Cell(1), "1234");
    EXPECT_EQ(core.image, before);
    ShowTab(1);
    Enter(form->cboTranspond());
    Enter(form->cboGroupCode());
    Enter(form->cboCallAlert());
    Enter(form->txtIDCode());
    EXPECT_EQ(core.image.at(layout::Transpond), 0xFF);
    EXPECT_EQ(core.image.at(layout::GroupCode), 0x45);
    EXPECT_EQ(core.image.at(layout::CallAlert), 0x09);
}

TEST_F(DTMFFormTest, AutodialEditorCommitsEveryKeystroke)
{
    ShowTab(2);
    FixedCellGrid* grid = form->msgAutodial();
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    Key(grid, Qt::Key_Return);
    QLineEdit* editor = form->txtAutodial();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(Focus(), editor);
    const QByteArray spaces(16, ' ');
    const char* keys[] = {"1", "2", "*", "#"};
    QByteArray typed;
    for (const char* k : keys) {
        QTest::keyClicks(editor, QString::fromLatin1(k));
        typed += k;
        EXPECT_EQ(Bytes(0x200, 16), typed + spaces.left(16 - typed.size())) << k;
        EXPECT_EQ(Cell(1), QString::fromLatin1(typed));
    }
    Key(editor, Qt::Key_Escape);
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(Cell(1), "");
    EXPECT_EQ(Bytes(0x200, 16), QByteArray(16, char(0xFF)));
    EXPECT_EQ(Focus(), grid);

    // Type-to-edit by the character typed; letters come as capitals.
    QTest::keyClick(grid, Qt::Key_NumberSign, Qt::ShiftModifier);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "#");
    QTest::keyClicks(editor, "b");
    EXPECT_EQ(editor->text(), "#B");
    QTest::keyClicks(editor, "e ");
    EXPECT_EQ(editor->text(), "#B");
    Key(editor, Qt::Key_Return);
    EXPECT_EQ(Cell(1), "#B");
    EXPECT_EQ(Bytes(0x200, 3), QByteArray("#B "));
    EXPECT_EQ(grid->currentRow(), 2);

    // Row 8: Enter stays; emptying writes sixteen FF.
    core.image.write(0x270, QByteArray("99") + QByteArray(14, ' '));
    grid->setCurrentCell(8, 1);
    QTest::keyClicks(grid, "5");
    Key(editor, Qt::Key_Backspace);
    EXPECT_EQ(Bytes(0x270, 16), QByteArray(16, char(0xFF)));
    Key(editor, Qt::Key_Return);
    EXPECT_EQ(grid->currentRow(), 8);
    EXPECT_EQ(Cell(8), "");

    // A pasted text keeps to the characters and the length.
    grid->setCurrentCell(3, 1);
    Key(grid, Qt::Key_Return);
    editor->insert("12-34 ab 5678901234567");
    EXPECT_EQ(editor->text(), "1234AB5678901234");
    EXPECT_EQ(Bytes(0x220, 16), QByteArray("1234AB5678901234"));
}

TEST_F(DTMFFormTest, AutodialEditorOpensOnAClickAndCommitsWhenLeft)
{
    ShowTab(2);
    FixedCellGrid* grid = form->msgAutodial();
    const QRect cell = grid->visualRect(grid->model()->index(4, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QLineEdit* editor = form->txtAutodial();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(grid->currentRow(), 4);
    QTest::keyClicks(editor, "77");
    form->cmdClose()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(Cell(4), "77");
    EXPECT_EQ(Bytes(0x230, 2), QByteArray("77"));
}

TEST_F(DTMFFormTest, TabOrderStaysOnTheTabShownAndEnterOnTheStripActsAsTab)
{
    QCheckBox* side = form->chkDTMFSideTone();
    Enter(side);
    Key(side, Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->cmdClose()) << Focus()->objectName().toStdString();
    Key(form->cmdClose(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->SSTab1()->tabBar());
    Key(form->SSTab1()->tabBar(), Qt::Key_Return);
    EXPECT_EQ(Focus(), Box(F::Speed));

    ShowTab(1);
    Enter(form->chkClear());
    Key(form->chkClear(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->txtStunCode());
    Key(form->txtStunCode(), Qt::Key_Tab);  // the disabled stun type is skipped
    EXPECT_EQ(Focus(), form->cmdClose());

    ShowTab(2);
    Enter(form->SSTab1()->tabBar());
    Key(form->SSTab1()->tabBar(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->msgAutodial());
}

TEST_F(DTMFFormTest, TheCloseBoxCommitsTheFieldBeingEdited)
{
    TypeOver(Box(F::Speed), "9");
    form->close();  // the window's close box
    EXPECT_EQ(core.image.at(0x110), 0x01);
    EXPECT_EQ(main->windows().window(4), nullptr);
    EXPECT_FALSE(core.windowSlots.isOpen(DTMFFormOpen));

    // A refused ID code: no box, the old bytes stay.
    Open();
    ShowTab(1);
    TypeOver(form->txtIDCode(), "12");
    form->close();
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Bytes(0x120, 10), HexBytes("30 30 30 FF FF FF FF FF FF FF"));
}

TEST_F(DTMFFormTest, AnUnloadByTheProgramCommitsNothing)
{
    const RadioImage before = core.image;
    TypeOver(Box(F::Speed), "9");
    main->windows().CloseEditorWindows();
    EXPECT_EQ(main->windows().window(4), nullptr);
    EXPECT_EQ(core.image, before);

    Open();
    ShowTab(1);
    TypeOver(form->txtIDCode(), "12");
    main->windows().CloseEditorWindows();
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(core.image, before);
}

TEST_F(DTMFFormTest, OpeningTwiceDoesNotReloadAndNewShowsTheNewImage)
{
    TypeOver(Box(F::Speed), "12");  // typed, not committed
    main->action("MnuEditDTMF")->trigger();
    EXPECT_EQ(main->windows().window(4), form);
    EXPECT_EQ(Box(F::Speed)->text(), "12");
    Key(Box(F::Speed), Qt::Key_Tab);
    EXPECT_EQ(core.image.at(0x110), 0x02);

    prompts.answer(MsgResult::Ok);
    main->action("MnuFileNew")->trigger();
    EXPECT_EQ(main->windows().window(4), nullptr);
    EXPECT_EQ(core.image.at(0x110), 0x00);
    Open();
    EXPECT_EQ(Box(F::Speed)->text(), "6");
}

TEST_F(DTMFFormTest, ChineseCaptions)
{
    form->cmdClose()->click();
    core.LanguageChinese = true;
    Open();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("DTMF(双音多频)"));
    EXPECT_EQ(form->SSTab1()->tabText(0), QString::fromUtf8("编码"));
    EXPECT_EQ(form->SSTab1()->tabText(1), QString::fromUtf8("解码"));
    EXPECT_EQ(form->SSTab1()->tabText(2), QString::fromUtf8("自动拨号存储器"));
    EXPECT_EQ(Box(F::DCodeAssign)->text(), QString::fromUtf8("D 码"));
    EXPECT_EQ(form->findChild<QGroupBox*>("fraStun")->title(), "Stun");
    EXPECT_EQ(core.windowSlots.slot(4).caption, QString::fromUtf8(" DTMF(双音多频)"));
    ShowTab(1);
    TypeOver(form->txtIDCode(), "1");
    Key(form->txtIDCode(), Qt::Key_Tab);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages().front().text, QString::fromUtf8("无效数据。"));
    EXPECT_EQ(prompts.messages().front().title, QString::fromUtf8("错误"));
}

TEST_F(DTMFFormTest, TheTreeViewNodeAndTheWindowMenuReachTheWindow)
{
    form->cmdClose()->click();
    EXPECT_FALSE(main->windowSlotAction(4)->isVisible());
    main->action("MnuViewTreeView")->trigger();
    auto* tree = qobject_cast<TreeViewForm*>(main->windows().treeView());
    ASSERT_NE(tree, nullptr);
    tree->treView()->setCurrentItem(tree->treView()->topLevelItem(0)->child(4));
    tree->treView()->setFocus();
    QTest::keyClick(tree->treView(), Qt::Key_Return);
    form = qobject_cast<DTMFForm*>(main->windows().window(4));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(core.windowSlots.isOpen(DTMFFormOpen));
    form->cmdClose()->click();
    main->action("MnuEditDTMF")->trigger();
    EXPECT_TRUE(main->windowSlotAction(4)->isVisible());
    EXPECT_EQ(main->windowSlotAction(4)->text(), " DTMF");
    EXPECT_TRUE(main->windowSlotAction(4)->isChecked());
    EXPECT_EQ(form->property("helpPage").toString(), "dtmf");
}

}  // namespace
}  // namespace zx::test
