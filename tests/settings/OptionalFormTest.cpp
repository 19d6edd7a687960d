// The optional features window through the real main window: its load from
// the image, the spin fields, lists and check boxes, and what closing commits.
#include "OptionalFormFixture.h"

#include "core/HelpTopicTable.h"
#include "core/ui/TreeViewForm.h"
#include "settings/ui/FieldColours.h"

namespace zx::test {
namespace {

TEST_F(OptionalFormTest, DefaultImageShowsItsSettingsAndOpeningAndClosingChangesNoByte)
{
    const RadioImage before = core.image;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), "Optional Features");
    EXPECT_TRUE(main->windowSlotAction(1)->isVisible());
    EXPECT_EQ(main->windowSlotAction(1)->text(), " Optional Features");
    EXPECT_TRUE(main->windowSlotAction(1)->isChecked());
    EXPECT_EQ(form->txtTOT()->text(), "60");
    EXPECT_EQ(form->txtTOTPreAlert()->text(), "Off");
    EXPECT_EQ(form->txtSQLevel()->text(), "5");
    EXPECT_EQ(form->cboMICSens()->currentText(), "Normal");
    EXPECT_EQ(form->cboVoiceAnnu()->currentText(), "Off");
    for (QCheckBox* box : {form->chkBattSave(), form->chkScramblerAct(), form->chkScramblerBackup(),
                           form->chkVOXFunc(), form->chkCancel(), form->chkVOXProceedTone(), form->chkVOXInhibit(),
                           form->chkCloneMode()})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(form->chkBeep()->isChecked());
    EXPECT_TRUE(form->chkScramblerBackup()->isEnabled());
    // The VOX group: disabled with the menu colour, showing its values.
    EXPECT_EQ(form->txtVOXGainLevel()->text(), "5");
    EXPECT_EQ(form->cboVOXDelayTime()->currentText(), "0.5");
    for (QWidget* w : std::initializer_list<QWidget*>{form->lblVOXGainLevel(), form->txtVOXGainLevel()->txt(),
                                                      form->txtVOXGainLevel()->upd(), form->lblVOXDelayTime(),
                                                      form->cboVOXDelayTime(), form->chkCancel(),
                                                      form->chkVOXProceedTone(), form->chkVOXInhibit()})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(form->txtVOXGainLevel()->txt()->palette().color(QPalette::Base), MenuColour());
    EXPECT_EQ(form->cboVOXDelayTime()->palette().color(QPalette::Base), MenuColour());
    EXPECT_TRUE(form->chkVOXFunc()->isEnabled());
    // PTT ID.
    EXPECT_EQ(Type()->currentText(), "DTMF");
    EXPECT_EQ(Timing()->currentText(), "BOT");
    EXPECT_EQ(Code(0)->text(), "12345");
    EXPECT_TRUE(Code(0)->isEnabled());
    EXPECT_FALSE(Code(1)->isEnabled());
    EXPECT_FALSE(form->fraPTTID()->lblPTTCode(1)->isEnabled());
    EXPECT_EQ(Code(1)->palette().color(QPalette::Base), MenuColour());
    // Captions.
    EXPECT_EQ(form->fraPTTID()->title(), "PTT ID");
    EXPECT_EQ(form->fraVOX()->title(), "VOX");
    EXPECT_EQ(form->fraMode()->title(), "Mode");
    EXPECT_EQ(form->findChild<QLabel*>("lblTOT")->text(), "Time Out Timer(TOT)[s]");
    EXPECT_EQ(form->chkVOXInhibit()->text(), "VOX inhibit on Receive");
    EXPECT_EQ(form->cmdClose()->text(), "&Close");
    EXPECT_TRUE(form->cmdHelp()->isHidden());

    Focus(form->txtTOT()->txt());
    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(main->windows().window(1), nullptr);
    EXPECT_FALSE(main->windowSlotAction(1)->isVisible());
    EXPECT_EQ(core.image, before);
}

TEST_F(OptionalFormTest, TreeViewNodeOpensTheSameWindow)
{
    main->action("MnuViewTreeView")->trigger();
    auto* tree = qobject_cast<TreeViewForm*>(main->windows().treeView());
    ASSERT_NE(tree, nullptr);
    QTreeWidget* view = tree->treView();
    const auto items = view->findItems("Optional Features", Qt::MatchRecursive | Qt::MatchContains);
    ASSERT_FALSE(items.isEmpty());
    view->setCurrentItem(items.first());
    const QRect r = view->visualItemRect(items.first());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_NE(qobject_cast<OptionalForm*>(main->windows().window(1)), nullptr);
}

struct TypedCase {
    const char* typed;
    const char* shown;
    int stored;
};

TEST_F(OptionalFormTest, TimeOutTimerCommitsTypedSecondsWhenLeft)
{
    Open();
    const TypedCase cases[] = {{"16", "30", 2}, {"", "15", 1}, {"0", "15", 1}, {"999", "600", 40}, {"45", "45", 3}};
    for (const TypedCase& c : cases) {
        TypeAndLeave(form->txtTOT()->txt(), c.typed);
        EXPECT_EQ(Focused(), form->txtTOTPreAlert()->txt()) << c.typed;
        EXPECT_EQ(form->txtTOT()->text(), c.shown) << c.typed;
        EXPECT_EQ(Byte(layout::TimeOutTimer), c.stored) << c.typed;
    }
}

TEST_F(OptionalFormTest, TimeOutTimerStepsWrapAndStopAtTheBound)
{
    Open();
    TypeAndLeave(form->txtTOT()->txt(), "999");
    Focus(form->txtTOT()->txt());
    Key(Qt::Key_Up);
    EXPECT_EQ(form->txtTOT()->text(), "15");
    EXPECT_EQ(form->txtTOT()->value(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(form->txtTOT()->text(), "600");
    QTest::mouseClick(form->txtTOT()->upd()->upButton(), Qt::LeftButton);
    EXPECT_EQ(form->txtTOT()->text(), "15");
    QTest::mouseClick(form->txtTOT()->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(form->txtTOT()->text(), "600");
    EXPECT_EQ(Byte(layout::TimeOutTimer), 40);  // steps write nothing

    // Committed at 600, then "45" typed over: Up stops at the top.
    QTest::keyClicks(Focused(), "45");
    Key(Qt::Key_Up);
    EXPECT_EQ(form->txtTOT()->text(), "600");
    EXPECT_EQ(form->txtTOT()->value(), 40);
    EXPECT_EQ(Byte(layout::TimeOutTimer), 40);

    // A fourth digit is refused without a selection.
    form->txtTOT()->txt()->end(false);
    QTest::keyClick(Focused(), Qt::Key_5);
    EXPECT_EQ(form->txtTOT()->text(), "600");
}

TEST_F(OptionalFormTest, UnsetTimeOutTimerShows3825UntilLeft)
{
    core.image.set(layout::TimeOutTimer, 0xFF);
    Open();
    EXPECT_EQ(form->txtTOT()->text(), "3825");
    EXPECT_EQ(Byte(layout::TimeOutTimer), 0xFF);
    Focus(form->txtTOT()->txt());
    Tab();
    EXPECT_EQ(form->txtTOT()->text(), "600");
    EXPECT_EQ(Byte(layout::TimeOutTimer), 40);
}

TEST_F(OptionalFormTest, PreAlertAndSquelchCommitAndStep)
{
    Open();
    QLineEdit* preAlert = form->txtTOTPreAlert()->txt();
    const TypedCase cases[] = {{"0", "Off", 0}, {"12", "10", 10}, {"05", "05", 5}};
    for (const TypedCase& c : cases) {
        TypeAndLeave(preAlert, c.typed);
        EXPECT_EQ(form->txtTOTPreAlert()->text(), c.shown) << c.typed;
        EXPECT_EQ(Byte(layout::TotPreAlert), c.stored) << c.typed;
    }
    for (const char* start : {"Off", "", "0"}) {
        Focus(preAlert);
        preAlert->setText(QString::fromLatin1(start));
        Key(Qt::Key_Down);
        EXPECT_EQ(form->txtTOTPreAlert()->text(), "10") << start;
    }
    Key(Qt::Key_Up);
    EXPECT_EQ(form->txtTOTPreAlert()->text(), "Off");
    EXPECT_EQ(form->txtTOTPreAlert()->value(), 0);
    // A third digit is refused without a selection.
    preAlert->setText("12");
    preAlert->end(false);
    QTest::keyClick(preAlert, Qt::Key_3);
    EXPECT_EQ(preAlert->text(), "12");

    QLineEdit* squelch = form->txtSQLevel()->txt();
    TypeAndLeave(squelch, "");
    EXPECT_EQ(form->txtSQLevel()->text(), "0");
    EXPECT_EQ(Byte(layout::SquelchLevel), 0);
    TypeAndLeave(squelch, "5");
    Focus(squelch);
    Key(Qt::Key_Up);
    EXPECT_EQ(form->txtSQLevel()->text(), "6");
    EXPECT_EQ(Byte(layout::SquelchLevel), 5);
}

TEST_F(OptionalFormTest, PastedNumbersNeverWrapAndSquelchStopsAtNine)
{
    Open();
    // Shift+Insert pastes past the filter.
    QApplication::clipboard()->setText("4294967301");
    for (QLineEdit* box : {form->txtTOT()->txt(), form->txtTOTPreAlert()->txt(), form->txtSQLevel()->txt()}) {
        Focus(box);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(box->text(), "4294967301") << box->objectName().toStdString();
        Tab();
    }
    EXPECT_EQ(Byte(layout::TimeOutTimer), 40);
    EXPECT_EQ(Byte(layout::TotPreAlert), 10);
    EXPECT_EQ(Byte(layout::SquelchLevel), 9);
    EXPECT_EQ(form->txtSQLevel()->text(), "9");
    // Ctrl+V pastes nothing.
    Focus(form->txtSQLevel()->txt());
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->txtSQLevel()->text(), "9");
}

TEST_F(OptionalFormTest, ListsShowTheirBytesAndWriteOnLeaving)
{
    core.image.set(layout::MicSensitivity, 0x02);
    core.image.set(layout::VoiceAnnunciation, 0x03);
    core.image.set(layout::VoxDelayTime, 0xFF);
    core.image.set(layout::VoxFunction, 0x01);
    Open();
    EXPECT_EQ(form->cboMICSens()->currentIndex(), -1);
    EXPECT_EQ(form->cboVoiceAnnu()->currentIndex(), -1);
    EXPECT_EQ(form->cboVOXDelayTime()->currentIndex(), -1);
    Focus(form->cboMICSens());
    Tab();
    EXPECT_EQ(Byte(layout::MicSensitivity), 0xFF);
    ASSERT_EQ(Focused(), form->cboVoiceAnnu());
    Tab();
    EXPECT_EQ(Byte(layout::VoiceAnnunciation), 0x03);
    Focus(form->cboVOXDelayTime());
    Tab();
    EXPECT_EQ(Byte(layout::VoxDelayTime), 0xFF);

    // English is listed before Chinese; the codes run the other way.
    ASSERT_EQ(form->cboVoiceAnnu()->itemText(1), "English");
    Choose(form->cboVoiceAnnu(), 1);
    EXPECT_EQ(Byte(layout::VoiceAnnunciation), 0x03);  // choosing alone writes nothing
    Tab();
    EXPECT_EQ(Byte(layout::VoiceAnnunciation), 0x02);
    Choose(form->cboVoiceAnnu(), 2);
    Tab();
    EXPECT_EQ(Byte(layout::VoiceAnnunciation), 0x01);
}

TEST_F(OptionalFormTest, VoxDelayPastTheTableShowsTheFirstEntry)
{
    core.image.set(layout::VoxDelayTime, 0x06);
    core.image.set(layout::VoxFunction, 0x01);
    Open();
    EXPECT_EQ(form->cboVOXDelayTime()->currentText(), "0.3");
    Focus(form->cboVOXDelayTime());
    Tab();
    EXPECT_EQ(Byte(layout::VoxDelayTime), 0x00);
}

TEST_F(OptionalFormTest, CheckBoxesShowAnyNonzeroByteAndCommitOneOrZero)
{
    core.image.set(layout::BatterySave, 0xFF);
    core.image.set(layout::CloneMode, 0x07);
    Open();
    EXPECT_TRUE(form->chkBattSave()->isChecked());
    EXPECT_TRUE(form->chkCloneMode()->isChecked());
    Focus(form->chkBattSave());
    Tab();
    EXPECT_EQ(Byte(layout::BatterySave), 0x01);
    Focus(form->chkCloneMode());
    Key(Qt::Key_Space);
    EXPECT_EQ(Byte(layout::CloneMode), 0x07);
    Tab();
    EXPECT_EQ(Byte(layout::CloneMode), 0x00);
    // Enter moves on as Tab does, committing the box.
    Focus(form->chkBeep());
    Key(Qt::Key_Space);
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), form->chkScramblerAct());
    EXPECT_EQ(Byte(layout::Beep), 0x00);
}

TEST_F(OptionalFormTest, ScramblerActivationDisablesTheBackupBoxKeepingItsMark)
{
    core.image.set(layout::ScramblerActivation, 0x05);
    core.image.set(layout::ScramblerBackup, 0x01);
    Open();
    EXPECT_TRUE(form->chkScramblerAct()->isChecked());
    EXPECT_FALSE(form->chkScramblerBackup()->isEnabled());
    EXPECT_TRUE(form->chkScramblerBackup()->isChecked());
    // Tab skips the disabled box.
    Focus(form->chkScramblerAct());
    Key(Qt::Key_Space);
    EXPECT_TRUE(form->chkScramblerBackup()->isEnabled());
    EXPECT_EQ(Byte(layout::ScramblerActivation), 0x05);
    Tab();
    EXPECT_EQ(Byte(layout::ScramblerActivation), 0x00);
    EXPECT_EQ(Focused(), form->chkScramblerBackup());
}

TEST_F(OptionalFormTest, VoxFunctionSwitchesTheGroupAndWritesOnlyWhenLeft)
{
    core.image.set(layout::VoxFunction, 0x01);
    core.image.set(layout::CancelOperation, 0x01);
    core.image.set(layout::VoxGainLevel, 0x07);
    Open();
    EXPECT_TRUE(form->cboVOXDelayTime()->isEnabled());
    EXPECT_EQ(form->cboVOXDelayTime()->palette().color(QPalette::Base), WindowColour());
    const RadioImage before = core.image;
    Focus(form->chkVOXFunc());
    Key(Qt::Key_Space);
    EXPECT_FALSE(form->chkVOXFunc()->isChecked());
    EXPECT_FALSE(form->txtVOXGainLevel()->txt()->isEnabled());
    EXPECT_FALSE(form->chkCancel()->isEnabled());
    EXPECT_TRUE(form->chkCancel()->isChecked());
    EXPECT_EQ(form->txtVOXGainLevel()->text(), "7");
    EXPECT_EQ(form->cboVOXDelayTime()->palette().color(QPalette::Base), MenuColour());
    EXPECT_EQ(core.image, before);
    Tab();
    EXPECT_EQ(Byte(layout::VoxFunction), 0x00);
    EXPECT_EQ(Byte(layout::CancelOperation), 0x01);
    EXPECT_EQ(Byte(layout::VoxGainLevel), 0x07);
}

TEST_F(OptionalFormTest, TabOrderRunsDownTheLeftColumnThenTheVoxGroup)
{
    core.image.set(layout::VoxFunction, 0x01);
    core.image.set(layout::PttIdTiming, 0x02);
    Open();
    Focus(form->txtTOT()->txt());
    QStringList names;
    for (int i = 0; i < 21; ++i) {
        names << Focused()->objectName();
        Tab();
    }
    EXPECT_EQ(names.join(' '),
              "txtTOT txtTOTPreAlert txtSQLevel cboMICSens cboVoiceAnnu chkBattSave chkBeep chkScramblerAct "
              "chkScramblerBackup cboPTTIDType cboPTTID txtPTTCode0 txtPTTCode1 chkVOXFunc txtVOXGainLevel "
              "cboVOXDelayTime chkCancel chkVOXProceedTone chkVOXInhibit chkCloneMode cmdClose");
    const std::pair<const char*, int> ids[] = {{"txtTOT", 4201},        {"txtTOTPreAlert", 4202}, {"txtSQLevel", 4203},
                                               {"cboMICSens", 4204},    {"cboVoiceAnnu", 4205},   {"chkBattSave", 4206},
                                               {"chkBeep", 4207},       {"chkScramblerAct", 4208},
                                               {"chkScramblerBackup", 4209}, {"cboPTTIDType", 4211},
                                               {"cboPTTID", 4212},      {"txtPTTCode0", 4213},    {"txtPTTCode1", 4214},
                                               {"chkVOXFunc", 4221},    {"txtVOXGainLevel", 4222},
                                               {"cboVOXDelayTime", 4223}, {"chkCancel", 4224},
                                               {"chkVOXProceedTone", 4225}, {"chkVOXInhibit", 4226},
                                               {"chkCloneMode", 4231},  {"cmdClose", 4200}};
    for (const auto& [name, id] : ids) {
        QWidget* w = form->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->property(kHelpContextIdProperty).toInt(), id) << name;
        EXPECT_EQ(HelpPageForContext(id, 4200), "optfeatures") << name;
    }
}

TEST_F(OptionalFormTest, CloseCommitsTheChosenEntryButAnUnloadByTheProgramDoesNot)
{
    Open();
    Choose(form->cboMICSens(), 1);
    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(Byte(layout::MicSensitivity), 0x01);

    // The window's close box commits the field being edited as well.
    Open();
    Focus(form->txtTOT()->txt());
    QTest::keyClicks(Focused(), "16");
    form->close();
    EXPECT_EQ(Byte(layout::TimeOutTimer), 2);

    // New, Open, a read: the program unloads the window and the typing is lost.
    Open();
    Focus(form->txtTOT()->txt());
    QTest::keyClicks(Focused(), "999");
    main->windows().CloseEditorWindows();
    EXPECT_EQ(main->windows().window(1), nullptr);
    EXPECT_EQ(Byte(layout::TimeOutTimer), 2);
    Open();
    Choose(form->cboVoiceAnnu(), 2);
    main->windows().CloseEditorWindows();
    EXPECT_EQ(Byte(layout::VoiceAnnunciation), 0x00);
}

TEST_F(OptionalFormTest, ReservedBytesAreNeverTouched)
{
    core.image.set(layout::Reserved12E, 0x5A);
    core.image.set(layout::Reserved13F, 0xA5);
    core.image.set(layout::VoxFunction, 0x01);
    Open();
    Focus(form->txtTOT()->txt());
    for (int i = 0; i < 20; ++i)
        Tab();
    EXPECT_EQ(Byte(layout::Reserved12E), 0x5A);
    EXPECT_EQ(Byte(layout::Reserved13F), 0xA5);
}

}  // namespace
}  // namespace zx::test
