// The scan information window through the real main window: its load from
// the image, the priority mode and channel, the revert list, the spin fields
// and its link with the channel editor's priority box.
#include "ScanFormFixture.h"

#include "core/HelpTopicTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/ui/FieldColours.h"

namespace zx::test {
namespace {

TEST_F(ScanFormTest, DefaultImageShowsItsScanSettingsAndOpeningChangesNoByte)
{
    const RadioImage before = core.image;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), "Scan Information");
    EXPECT_EQ(form->size(), QSize(TwipsToPixelsX(5895), TwipsToPixelsY(5175)));
    EXPECT_TRUE(main->windowSlotAction(3)->isVisible());
    EXPECT_EQ(main->windowSlotAction(3)->text(), " Scan Information");
    EXPECT_TRUE(main->windowSlotAction(3)->isChecked());
    EXPECT_TRUE(core.windowSlots.isOpen(ScanFormOpen));

    EXPECT_EQ(Items(Mode()), QStringList({"None", "Fixed", "Selected"}));
    EXPECT_EQ(Mode()->currentText(), "None");
    EXPECT_EQ(Priority()->text(), "");
    EXPECT_EQ(form->txtLookBackTimeA()->text(), "2.00");
    EXPECT_EQ(form->txtLookBackTimeB()->text(), "3.00");
    EXPECT_EQ(Items(Revert()), QStringList({"Selected", "Selected + Talk Back"}));
    EXPECT_EQ(Revert()->currentText(), "Selected + Talk Back");
    EXPECT_EQ(form->txtDropoutDelayTime()->text(), "3");
    EXPECT_EQ(form->txtTXDwellTime()->text(), "3");
    EXPECT_EQ(core.image, before);

    // None: the priority channel and look back times cannot be used.
    for (QWidget* w : std::initializer_list<QWidget*>{Priority(), form->txtLookBackTimeA()->txt(),
                                                      form->txtLookBackTimeA()->upd(), form->txtLookBackTimeB()->txt(),
                                                      form->txtLookBackTimeB()->upd(),
                                                      form->findChild<QLabel*>("lblPriorityCH")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(Priority()->palette().color(QPalette::Base), MenuColour());
    EXPECT_EQ(form->txtLookBackTimeB()->txt()->palette().color(QPalette::Base), MenuColour());
    EXPECT_TRUE(form->txtDropoutDelayTime()->txt()->isEnabled());

    const std::pair<const char*, const char*> labels[] = {
        {"lblPriority", "Priority"},
        {"lblPriorityCH", "Priority Channel"},
        {"lblLookBackTimeA", "Look Back Time A [s]"},
        {"lblLookBackTimeB", "Look Back Time B [s]"},
        {"lblRevertCH", "Revert Channel"},
        {"lblDropoutDelayTime", "Dropout Delay Time [s]"},
        {"lblTXDwellTime", "Tx Dwell Time [s]"}};
    for (const auto& [name, text] : labels) {
        auto* label = form->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text);
    }
    EXPECT_EQ(form->cmdClose()->text(), "&Close");
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    EXPECT_EQ(form->panel()->objectName(), "picScanInfo");

    // Leaving every field unchanged stores what the image already holds.
    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(main->windows().window(3), nullptr);
    EXPECT_FALSE(main->windowSlotAction(3)->isVisible());
    EXPECT_FALSE(core.windowSlots.isOpen(ScanFormOpen));
    EXPECT_EQ(core.image, before);
}

TEST_F(ScanFormTest, TabOrderAndHelpIdsFollowTheFields)
{
    StoreScan("01 03");
    Program(3);
    Open();
    Activate();
    QWidget* order[] = {Mode(),
                        Priority(),
                        form->txtLookBackTimeA()->txt(),
                        form->txtLookBackTimeB()->txt(),
                        Revert(),
                        form->txtDropoutDelayTime()->txt(),
                        form->txtTXDwellTime()->txt(),
                        form->cmdClose()};
    const int helpIds[] = {4401, 4402, 4403, 4404, 4405, 4406, 4407, 4400};
    Focus(order[0]);
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(Focused(), order[i]) << i;
        EXPECT_EQ(order[i]->property(kHelpContextIdProperty).toInt(), helpIds[i]) << i;
        if (i + 1 < std::size(order))
            Tab();
    }
    EXPECT_EQ(form->txtLookBackTimeA()->upd()->property(kHelpContextIdProperty).toInt(), 4403);
    EXPECT_EQ(form->txtTXDwellTime()->upd()->property(kHelpContextIdProperty).toInt(), 4407);
    EXPECT_EQ(form->property(kHelpContextIdProperty).toInt(), 4400);
    EXPECT_EQ(form->property(kHelpPageProperty).toString(), "scaninfo");
}

struct StoredModeCase {
    const char* scan;  // bytes 0x160, 0x161
    const char* mode;
    const char* field;
    int channelByte;  // 0x161 after opening
    bool error;
    bool fixed;
};

TEST_F(ScanFormTest, StoredModeAndChannelOpenAsThePriorityStateSays)
{
    const StoredModeCase cases[] = {
        {"FF 05", "None", "", 0xFF, false, false},   {"03 05", "None", "", 0xFF, false, false},
        {"FE 05", "None", "", 0xFF, false, false},   {"00 05", "None", "", 0xFF, false, false},
        {"01 FF", "Fixed", "", 0xFF, true, true},    {"01 00", "Fixed", "0", 0x00, true, true},
        {"01 05", "Fixed", "5", 0x05, false, true},  {"01 11", "Fixed", "17", 0x11, true, true},
        {"02 05", "Selected", "", 0xFF, false, false},
    };
    for (const StoredModeCase& c : cases) {
        StoreScan(c.scan);
        const std::uint8_t storedMode = Byte(layout::PriorityMode);
        core.priority.PriorityChannelNo = 9;
        core.checks.PriorityChannelError = !c.error;
        Open();
        EXPECT_EQ(Mode()->currentText(), c.mode) << c.scan;
        EXPECT_EQ(Priority()->text(), c.field) << c.scan;
        EXPECT_EQ(Byte(layout::PriorityChannel), c.channelByte) << c.scan;
        EXPECT_EQ(Error(), c.error) << c.scan;
        EXPECT_EQ(core.priority.PriorityFixed, c.fixed) << c.scan;
        // Fixed keeps the shared channel number; the other modes clear it.
        EXPECT_EQ(core.priority.PriorityChannelNo, c.fixed ? 9 : 0) << c.scan;
        EXPECT_EQ(Priority()->isEnabled(), c.fixed) << c.scan;
        EXPECT_EQ(form->txtLookBackTimeA()->txt()->isEnabled(), QString(c.mode) != "None") << c.scan;
        // The mode byte changes only when its list is committed.
        EXPECT_EQ(Byte(layout::PriorityMode), storedMode) << c.scan;
        Focus(Mode());
        Tab();
        EXPECT_EQ(Byte(layout::PriorityMode), Mode()->currentIndex()) << c.scan;
        main->CloseEditorWindows();
    }
}

struct StoredRevertCase {
    const char* mode;
    int stored;
    const char* shown;
    int committed;  // 0x164 once the list is left
};

TEST_F(ScanFormTest, StoredRevertCodeIsKeptUntilTheListIsCommitted)
{
    const StoredRevertCase cases[] = {
        {"01", 3, "Priority + Talk Back ", 3}, {"00", 2, "Selected", 0}, {"00", 3, "Selected + Talk Back", 1},
        {"02", 0, "Priority", 2},              {"02", 1, "Priority + Talk Back ", 3}, {"00", 7, "", 7},
        {"01", 0xFF, "", 0xFF},
    };
    for (const StoredRevertCase& c : cases) {
        StoreScan(c.mode);
        core.image.set(layout::RevertChannel, static_cast<std::uint8_t>(c.stored));
        Open();
        EXPECT_EQ(Revert()->currentText(), c.shown) << c.mode << " " << c.stored;
        EXPECT_EQ(Byte(layout::RevertChannel), c.stored) << c.mode << " " << c.stored;
        Focus(Revert());
        Tab();
        EXPECT_EQ(Byte(layout::RevertChannel), c.committed) << c.mode << " " << c.stored;
        main->CloseEditorWindows();
    }
}

TEST_F(ScanFormTest, ChangingTheModeRebuildsTheRevertListAndStoresItsChoiceAtOnce)
{
    StoreScan("01 FF FF FF 02");
    Open();
    ASSERT_EQ(Revert()->currentText(), "Priority");
    Choose(Mode(), 0);
    EXPECT_EQ(Items(Revert()), QStringList({"Selected", "Selected + Talk Back"}));
    EXPECT_EQ(Revert()->currentText(), "Selected + Talk Back");
    EXPECT_EQ(Byte(layout::RevertChannel), 0x01);
    EXPECT_EQ(Byte(layout::PriorityMode), 0x01);  // not committed yet
    Choose(Mode(), 1);
    EXPECT_EQ(Revert()->count(), 4);
    EXPECT_EQ(Revert()->currentText(), "Selected + Talk Back");
    EXPECT_EQ(Byte(layout::RevertChannel), 0x01);

    // Fixed with Selected to Selected mode falls to Priority + Talk Back.
    Choose(Revert(), 0);
    EXPECT_EQ(Byte(layout::RevertChannel), 0x01);  // a choice is stored when the list is left
    Tab();
    EXPECT_EQ(Byte(layout::RevertChannel), 0x00);
    Choose(Mode(), 2);
    EXPECT_EQ(Revert()->currentText(), "Priority + Talk Back ");
    EXPECT_EQ(Byte(layout::RevertChannel), 0x03);
    Tab();
    EXPECT_EQ(Byte(layout::PriorityMode), 0x02);
    EXPECT_EQ(Focused(), form->txtLookBackTimeA()->txt());  // the priority field is skipped
}

TEST_F(ScanFormTest, NoneAndSelectedEmptyThePriorityChannelAndFixedFlagsAMissingOne)
{
    Program(3);
    StoreScan("01 03");
    core.priority.PriorityChannelNo = 3;
    Open();
    ASSERT_EQ(Priority()->text(), "3");
    EXPECT_FALSE(Error());
    Choose(Mode(), 2);
    EXPECT_EQ(Priority()->text(), "");
    EXPECT_EQ(Byte(layout::PriorityChannel), 0xFF);
    EXPECT_EQ(core.priority.PriorityChannelNo, 0);
    EXPECT_FALSE(core.priority.PriorityFixed);
    EXPECT_TRUE(form->txtLookBackTimeA()->txt()->isEnabled());
    Choose(Mode(), 1);
    EXPECT_TRUE(core.priority.PriorityFixed);
    EXPECT_TRUE(Error());
    EXPECT_TRUE(Priority()->isEnabled());
    EXPECT_EQ(Priority()->palette().color(QPalette::Base), WindowColour());

    // The write command refuses while the channel is missing.
    Tab();
    main->action("MnuProgramWrite")->trigger();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].text.contains("\"Priority Channel\""));
}

struct PriorityTypedCase {
    const char* typed;
    bool message;
    const char* shown;
    int stored;
    bool error;
};

TEST_F(ScanFormTest, PriorityChannelMustBeAProgrammedChannel)
{
    Program(1);
    Program(3);
    Program(16);
    StoreScan("01 FF");
    Open();
    const PriorityTypedCase cases[] = {
        {"0", false, "1", 1, false},  {"3", false, "3", 3, false},   {"5", true, "3", 3, false},
        {"20", false, "16", 16, false}, {"", false, "", 0xFF, true}, {"5", true, "", 0xFF, true},
        {"03", false, "3", 3, false},
    };
    for (const PriorityTypedCase& c : cases) {
        prompts.clear();
        TypeAndLeave(Priority(), c.typed);
        EXPECT_EQ(Focused(), form->txtLookBackTimeA()->txt()) << c.typed;
        EXPECT_EQ(prompts.messages().size(), c.message ? 1u : 0u) << c.typed;
        EXPECT_EQ(Priority()->text(), c.shown) << c.typed;
        EXPECT_EQ(Byte(layout::PriorityChannel), c.stored) << c.typed;
        EXPECT_EQ(Error(), c.error) << c.typed;
        EXPECT_EQ(core.priority.PriorityChannelNo, QString(c.shown).toInt()) << c.typed;
    }
}

TEST_F(ScanFormTest, RefusedPriorityChannelShowsTheMessageInEitherLanguage)
{
    StoreScan("01 FF");
    Open();
    TypeAndLeave(Priority(), "0");
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& box = prompts.messages()[0];
    EXPECT_EQ(box.text, "Channel must be selected\r\nfrom the programmed Channel's");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(Priority()->text(), "");
    EXPECT_EQ(Byte(layout::PriorityChannel), 0xFF);
    EXPECT_TRUE(Error());
    main->CloseEditorWindows();

    prompts.clear();
    core.LanguageChinese = true;
    Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("扫描信息"));
    EXPECT_EQ(Revert()->itemText(3), QStringLiteral("优先+回话"));
    TypeAndLeave(Priority(), "7");
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("必须从已编程的信道中\r\n选择信道。"));
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("错误"));
}

TEST_F(ScanFormTest, PriorityChannelKeysTakeTwoDigitsAndPastedNumbersSaturate)
{
    Program(16);
    StoreScan("01 FF");
    Open();
    Focus(Priority());
    QTest::keyClicks(Priority(), "1a.2 3");
    EXPECT_EQ(Priority()->text(), "12");
    Priority()->selectAll();
    QTest::keyClicks(Priority(), "4");
    EXPECT_EQ(Priority()->text(), "4");
    QTest::keyClick(Priority(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Priority()->text(), "4");
    QTest::keyClick(Priority(), Qt::Key_Backspace);
    EXPECT_EQ(Priority()->text(), "");

    // Pasted: a number far above 16 takes channel 16.
    Priority()->setText("99999999999999999999");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), form->txtLookBackTimeA()->txt());
    EXPECT_EQ(Priority()->text(), "16");
    EXPECT_EQ(Byte(layout::PriorityChannel), 16);
    EXPECT_TRUE(prompts.messages().empty());

    // With channel 16 empty it is refused and the last channel stays.
    core.image.set(layout::ChannelRecord(16), 0xFF);
    Focus(Priority());
    Priority()->setText("300");
    Tab();
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(Priority()->text(), "16");
    EXPECT_EQ(Byte(layout::PriorityChannel), 16);
}

TEST_F(ScanFormTest, EightChannelModelRefusesChannelNineWhileItsRecordIsEmpty)
{
    core.image.setModelBandCode(0x21);
    core.image.setModelVariant(0xF9);
    core.ApplyEightChannelRule();
    core.InitAllFrameData();
    List().LayoutChannelGrid(GridHeaderCaller::FileOpen);
    List().DecodeAllChannels();
    ASSERT_TRUE(core.EightChannelModel);
    Program(8);
    StoreScan("01 08");
    Open();
    TypeAndLeave(Priority(), "9");
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(Priority()->text(), "8");
    EXPECT_EQ(Byte(layout::PriorityChannel), 8);

    core.image.set(layout::ChannelRecord(9), 0x00);
    prompts.clear();
    TypeAndLeave(Priority(), "9");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Byte(layout::PriorityChannel), 9);
}

struct LookBackTypedCase {
    const char* typed;
    const char* shown;
    int code;
};

TEST_F(ScanFormTest, LookBackTimesCommitTypedSecondsWhenLeft)
{
    StoreScan("02");
    Open();
    const LookBackTypedCase cases[] = {
        {"2.37", "2.35", 0x26}, {"0.3", "0.50", 0x01}, {"", "0.50", 0x01}, {"7", "5.00", 0x5B}, {".5", "0.50", 0x01},
        {"3", "3.00", 0x33},
    };
    for (SpinField* field : {form->txtLookBackTimeA(), form->txtLookBackTimeB()}) {
        const int address = field == form->txtLookBackTimeA() ? layout::LookBackTimeA : layout::LookBackTimeB;
        for (const LookBackTypedCase& c : cases) {
            TypeAndLeave(field->txt(), c.typed);
            EXPECT_EQ(field->text(), c.shown) << c.typed;
            EXPECT_EQ(Byte(address), c.code) << c.typed;
        }
    }
    // A fifth typed character is refused unless part of the text is selected.
    Focus(form->txtLookBackTimeA()->txt());
    QTest::keyClicks(Focused(), "1.234");
    EXPECT_EQ(form->txtLookBackTimeA()->text(), "1.23");
}

TEST_F(ScanFormTest, LookBackStepsWrapAndStartFromTheCommittedValue)
{
    StoreScan("02 FF 5B 1F");
    Open();
    SpinField* a = form->txtLookBackTimeA();
    ASSERT_EQ(a->text(), "5.00");
    Focus(a->txt());
    Key(Qt::Key_Up);
    EXPECT_EQ(a->text(), "0.50");
    Key(Qt::Key_Down);
    EXPECT_EQ(a->text(), "5.00");
    EXPECT_EQ(Byte(layout::LookBackTimeA), 0x5B);  // steps write nothing

    // Typing 3 over the committed 2.00, then Up: 2.05.
    SpinField* b = form->txtLookBackTimeB();
    ASSERT_EQ(b->text(), "2.00");
    Focus(b->txt());
    QTest::keyClicks(Focused(), "3");
    Key(Qt::Key_Up);
    EXPECT_EQ(b->text(), "2.05");
    Tab();
    EXPECT_EQ(Byte(layout::LookBackTimeB), 0x20);
}

TEST_F(ScanFormTest, TimesCommitUpToThreeHundredSecondsAsAWord)
{
    Open();
    const struct {
        const char* typed;
        const char* shown;
        const char* bytes;
    } cases[] = {{"301", "300", "2C 01"}, {"0", "0", "00 00"}, {"", "0", "00 00"}, {"256", "256", "00 01"}};
    for (SpinField* field : {form->txtDropoutDelayTime(), form->txtTXDwellTime()}) {
        const int address = field == form->txtDropoutDelayTime() ? layout::DropoutDelayTime : layout::TxDwellTime;
        for (const auto& c : cases) {
            TypeAndLeave(field->txt(), c.typed);
            EXPECT_EQ(field->text(), c.shown) << c.typed;
            EXPECT_EQ(Bytes(address, 2), c.bytes) << c.typed;
        }
    }
    // Pasted: stops at 300.
    Focus(form->txtTXDwellTime()->txt());
    form->txtTXDwellTime()->txt()->setText("70000");
    Tab();
    EXPECT_EQ(form->txtTXDwellTime()->text(), "300");
    EXPECT_EQ(Bytes(layout::TxDwellTime, 2), "2C 01");
}

TEST_F(ScanFormTest, TimesWrapOnTheDownKeyButTheDownButtonStopsAtZero)
{
    StoreScan("00 FF 1F 33 01 03 FF 2C 01");
    Open();
    SpinField* dropout = form->txtDropoutDelayTime();
    EXPECT_EQ(dropout->text(), "");
    EXPECT_EQ(form->txtTXDwellTime()->text(), "300");
    Focus(dropout->txt());
    Key(Qt::Key_Down);
    EXPECT_EQ(dropout->text(), "300");
    Key(Qt::Key_Up);
    EXPECT_EQ(dropout->text(), "0");
    main->CloseEditorWindows();

    Open();
    QTest::mouseClick(form->txtDropoutDelayTime()->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(form->txtDropoutDelayTime()->text(), "0");
    EXPECT_EQ(Focused(), form->txtDropoutDelayTime()->txt());
    EXPECT_EQ(Bytes(layout::DropoutDelayTime, 2), "03 FF");  // until it is left
    main->CloseEditorWindows();

    StoreScan("00 FF 1F 33 01 03 00");
    Open();
    EXPECT_EQ(form->txtDropoutDelayTime()->text(), "3");
}

TEST_F(ScanFormTest, ChannelEditorPriorityBoxFollowsTheModeAndTheCommittedChannel)
{
    Program(4);
    Program(7);
    ASSERT_NE(OpenEditor(4), nullptr);
    QCheckBox* box = editor->ChkPriorityChannel();
    EXPECT_FALSE(box->isEnabled());
    Open();
    Activate();

    Choose(Mode(), 1);
    EXPECT_TRUE(box->isEnabled());
    Tab();
    TypeAndLeave(Priority(), "4");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(core.priority.PriorityChannelNo, 4);

    TypeAndLeave(Priority(), "7");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(Priority()->text(), "7");
    EXPECT_EQ(Byte(layout::PriorityChannel), 7);
    EXPECT_EQ(core.priority.PriorityChannelNo, 7);
    EXPECT_FALSE(Error());

    TypeAndLeave(Priority(), "4");
    ASSERT_TRUE(box->isChecked());
    Choose(Mode(), 0);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(core.priority.PriorityChannelNo, 0);
}

TEST_F(ScanFormTest, ChannelEditorPriorityBoxWritesTheScanFieldWhichStoresItWhenCommitted)
{
    Program(1);
    Program(4);
    StoreScan("01 01");
    core.priority.PriorityChannelNo = 1;
    Open();
    ASSERT_NE(OpenEditor(4), nullptr);
    QCheckBox* box = editor->ChkPriorityChannel();
    ASSERT_TRUE(box->isEnabled());
    ASSERT_FALSE(box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(core.priority.PriorityChannelNo, 4);
    EXPECT_EQ(Priority()->text(), "4");
    EXPECT_EQ(Byte(layout::PriorityChannel), 1);  // until the field is committed

    Activate();
    Focus(Priority());
    Tab();
    EXPECT_EQ(Byte(layout::PriorityChannel), 4);
    EXPECT_TRUE(box->isChecked());

    // A cleared tick shows "0"; its commit takes channel 1.
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(Priority()->text(), "0");
    EXPECT_EQ(Byte(layout::PriorityChannel), 4);
    Activate();
    Focus(Priority());
    Tab();
    EXPECT_EQ(Priority()->text(), "1");
    EXPECT_EQ(Byte(layout::PriorityChannel), 1);
    EXPECT_FALSE(box->isChecked());
}

TEST_F(ScanFormTest, CloseBoxCommitsTheFieldBeingEditedButAProgramUnloadDoesNot)
{
    StoreScan("02");
    Open();
    Focus(form->txtLookBackTimeA()->txt());
    QTest::keyClicks(Focused(), "4");
    main->CloseEditorWindows();
    EXPECT_EQ(Byte(layout::LookBackTimeA), 0x1F);

    Open();
    Focus(form->txtLookBackTimeA()->txt());
    QTest::keyClicks(Focused(), "4");
    form->close();
    EXPECT_EQ(main->windows().window(3), nullptr);
    EXPECT_EQ(Byte(layout::LookBackTimeA), 71);
}

}  // namespace
}  // namespace zx::test
