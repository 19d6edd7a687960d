// The PTT ID frame of the optional features window through the real main
// window: the pre-write flags, the codes in the image, and the PTT ID column
// of the channel list when the type changes.
#include "OptionalFormFixture.h"

#include <QClipboard>

#include "settings/ui/FieldColours.h"
#include "channels/ui/ChannelEditForm.h"
#include "settings/ui/SettingsWindows.h"

namespace zx::test {
namespace {

// 446.12500 MHz, PTT ID byte as given.
const char* const kPttOn = "00 25 61 44 FF FF FF FF FF FF FF FF 00 BF B1 F8";
const char* const kPttOff = "00 25 61 44 FF FF FF FF FF FF FF FF 00 BF B0 F8";
const char* const kFleetList3 = "00 25 61 44 FF FF FF FF FF FF FF FF 00 BF B4 F8";

class PttIdSettingsTest : public OptionalFormTest {
protected:
    void SetCode(int address, const char* hex) { core.image.write(address, QByteArray::fromHex(hex)); }
    void EmptyCodes()
    {
        core.image.write(layout::BotCode, QByteArray(16, char(0xFF)));
        core.image.write(layout::EotCode, QByteArray(16, char(0xFF)));
    }
};

TEST_F(PttIdSettingsTest, MissingCodeFollowsEveryKeystrokeOfTheRequiredCode)
{
    EmptyCodes();
    core.image.set(layout::PttIdTiming, 0);
    Open();
    EXPECT_EQ(Checks().PttCodeMissing, 1);
    EXPECT_TRUE(Checks().PttCodeCheck);
    Focus(Code(0));
    QTest::keyClick(Code(0), Qt::Key_1);
    EXPECT_EQ(Checks().PttCodeMissing, 0);
    EXPECT_EQ(Bytes(layout::BotCode, 2), "31 FF");
    QTest::keyClick(Code(0), Qt::Key_Backspace);
    EXPECT_EQ(Checks().PttCodeMissing, 1);
    EXPECT_EQ(Byte(layout::BotCode), 0xFF);
}

TEST_F(PttIdSettingsTest, MissingCodesByTiming)
{
    struct Case {
        int timing;
        int missing;
        bool botUsable, eotUsable;
    };
    const Case cases[] = {{1, 2, false, true}, {2, 3, true, true}, {0, 1, true, false}};
    for (const Case& c : cases) {
        EmptyCodes();
        core.image.set(layout::PttIdTiming, static_cast<std::uint8_t>(c.timing));
        Open();
        EXPECT_EQ(Checks().PttCodeMissing, c.missing) << c.timing;
        EXPECT_EQ(Code(0)->isEnabled(), c.botUsable) << c.timing;
        EXPECT_EQ(Code(1)->isEnabled(), c.eotUsable) << c.timing;
        QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    }
    // EOT with an empty Begin of TX code: nothing is missing.
    core.image.write(layout::BotCode, QByteArray(16, char(0xFF)));
    SetCode(layout::EotCode, "39FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    core.image.set(layout::PttIdTiming, 1);
    Open();
    EXPECT_EQ(Checks().PttCodeMissing, 0);
}

TEST_F(PttIdSettingsTest, CodesAreStoredAsTypedAndPaddedWithFF)
{
    Open();
    ASSERT_EQ(Code(0)->text(), "12345");
    Focus(Code(0));
    Code(0)->end(false);
    QTest::keyClick(Code(0), Qt::Key_Backspace);
    QTest::keyClick(Code(0), Qt::Key_Backspace);
    EXPECT_EQ(Bytes(layout::BotCode, 16), "31 32 33 FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    Open();
    EXPECT_EQ(Code(0)->text(), "123");

    // Lower case a to d become upper case; other letters are dropped.
    Focus(Code(0));
    QTest::keyClicks(Code(0), "abcdef*#");
    EXPECT_EQ(Code(0)->text(), "ABCD*#");
    EXPECT_EQ(Bytes(layout::BotCode, 7), "41 42 43 44 2A 23 FF");
}

TEST_F(PttIdSettingsTest, ASeventeenthCharacterIsRefusedUnlessTextIsSelected)
{
    Open();
    Focus(Code(0));
    QTest::keyClicks(Code(0), "0123456789ABCD*#");
    ASSERT_EQ(Code(0)->text(), "0123456789ABCD*#");
    QTest::keyClick(Code(0), Qt::Key_5);
    EXPECT_EQ(Code(0)->text(), "0123456789ABCD*#");
    Code(0)->setSelection(0, 1);
    QTest::keyClick(Code(0), Qt::Key_5);
    EXPECT_EQ(Code(0)->text(), "5123456789ABCD*#");
    EXPECT_EQ(Bytes(layout::BotCode, 16), "35 31 32 33 34 35 36 37 38 39 41 42 43 44 2A 23");
}

TEST_F(PttIdSettingsTest, APasteThatWouldBreakTheCodeIsRefusedWhole)
{
    Open();
    Focus(Code(0));
    Code(0)->end(false);
    const QByteArray before = Bytes(layout::BotCode, 16);
    for (const char* pasted : {"6E7", "123456789012", "9 9"}) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        QTest::keyClick(Code(0), Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(Code(0)->text(), "12345") << pasted;
    }
    EXPECT_EQ(Bytes(layout::BotCode, 16), before);
    QApplication::clipboard()->setText("ab*");
    QTest::keyClick(Code(0), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Code(0)->text(), "12345AB*");
    EXPECT_EQ(Bytes(layout::BotCode, 9), "31 32 33 34 35 41 42 2A FF");
}

TEST_F(PttIdSettingsTest, LoadingACodeSkipsFFBytesAndOpeningStoresItCompact)
{
    SetCode(layout::BotCode, "31FF32FFFFFFFFFFFFFFFFFFFFFFFFFF");
    Open();
    EXPECT_EQ(Code(0)->text(), "12");
    EXPECT_EQ(Bytes(layout::BotCode, 16), "31 32 FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
}

TEST_F(PttIdSettingsTest, FocusingACodeBoxSetsTheCheckFlagOnlyWhenEmpty)
{
    core.image.set(layout::PttIdTiming, 2);
    Open();
    Checks().PttCodeCheck = true;
    Focus(Code(0));
    EXPECT_FALSE(Checks().PttCodeCheck);
    EXPECT_EQ(Code(0)->selectedText(), "12345");
    Focus(Code(1));
    EXPECT_TRUE(Checks().PttCodeCheck);
}

TEST_F(PttIdSettingsTest, TypeChangeRewritesTheChannelListsColumnButNoRecord)
{
    Program(1, kPttOn);
    Program(2, kPttOff);
    Program(3, kFleetList3);
    Decode();
    ASSERT_EQ(Cell(1, 9), "On");
    ASSERT_EQ(Cell(2, 9), "Off");
    const QByteArray records = Bytes(layout::ChannelTable, 16 * 16);
    Open();
    Checks().OwnFleetIdError = true;
    Choose(Type(), 1);
    EXPECT_EQ(Byte(layout::PttIdType), 1);  // the type change writes at once
    EXPECT_FALSE(Checks().PttCodeCheck);
    EXPECT_FALSE(Code(0)->isEnabled());
    EXPECT_FALSE(Code(1)->isEnabled());
    EXPECT_EQ(Cell(1, 9), "Own");
    EXPECT_EQ(Cell(2, 9), "Off");
    EXPECT_EQ(Cell(3, 9), "Fleet List 3");  // what its byte reads as under FleetSync
    EXPECT_EQ(Cell(4, 9), "");
    EXPECT_EQ(Bytes(layout::ChannelTable, 16 * 16), records);

    Choose(Type(), 0);
    EXPECT_EQ(Byte(layout::PttIdType), 0);
    EXPECT_TRUE(Checks().PttCodeCheck);
    EXPECT_FALSE(Checks().OwnFleetIdError);
    EXPECT_TRUE(Code(0)->isEnabled());
    EXPECT_EQ(Cell(1, 9), "On");
    EXPECT_EQ(Cell(3, 9), "On");
    EXPECT_EQ(Bytes(layout::ChannelTable, 16 * 16), records);
}

TEST_F(PttIdSettingsTest, TypeChangeRefreshesAClosedChannelListToo)
{
    Program(1, kPttOn);
    Decode();
    QTest::mouseClick(List().cmdClose(), Qt::LeftButton);
    ASSERT_FALSE(core.windowSlots.isOpen(ChannelFormOpen));
    Open();
    Choose(Type(), 1);
    // "On" is no FleetSync entry: the hidden list reads the byte again.
    EXPECT_EQ(Cell(1, 9), "Own");
    EXPECT_EQ(Byte(layout::ChannelPttIdCode(1)), 0xB1);
}

TEST_F(PttIdSettingsTest, OpeningInFleetSyncShowsFleetListsInTheColumn)
{
    core.image.set(layout::PttIdType, 1);
    Program(2, kFleetList3);
    Decode();
    ASSERT_EQ(Cell(2, 9), "Fleet List 3");
    Open();
    EXPECT_EQ(Cell(2, 9), "Fleet List 3");
    EXPECT_FALSE(Code(0)->isEnabled());
    EXPECT_EQ(Code(0)->palette().color(QPalette::Base), MenuColour());
    // The load's code change sets the check for the empty End of TX code,
    // whatever the type: a write still checks the codes under FleetSync.
    EXPECT_TRUE(Checks().PttCodeCheck);
}

TEST_F(PttIdSettingsTest, TimingChosenUnderFleetSyncCountsOnceTheTypeIsDtmf)
{
    EmptyCodes();
    core.image.set(layout::PttIdType, 1);
    core.image.set(layout::PttIdTiming, 0);
    Open();
    Checks().PttCodeMissing = 0;
    Choose(Timing(), 2);
    EXPECT_EQ(Checks().PttCodeMissing, 0);
    EXPECT_FALSE(Code(1)->isEnabled());
    Tab();
    EXPECT_EQ(Byte(layout::PttIdTiming), 2);  // written on leaving
    Choose(Type(), 0);
    EXPECT_EQ(Checks().PttCodeMissing, 3);
    EXPECT_TRUE(Code(0)->isEnabled());
    EXPECT_TRUE(Code(1)->isEnabled());
}

TEST_F(PttIdSettingsTest, LeavingTheTypeListWritesItAndTheCheckFlag)
{
    core.image.set(layout::PttIdType, 0xFF);
    core.image.set(layout::PttIdTiming, 0xFF);
    Open();
    EXPECT_EQ(Type()->currentIndex(), -1);
    EXPECT_EQ(Timing()->currentIndex(), -1);
    Focus(Type());
    Tab();
    EXPECT_EQ(Byte(layout::PttIdType), 0xFF);
    EXPECT_EQ(Focused(), Timing());
    Tab();
    EXPECT_EQ(Byte(layout::PttIdTiming), 0xFF);
    Choose(Type(), 0);
    Checks().PttCodeCheck = false;
    Key(Qt::Key_Return);  // Enter moves on and commits
    EXPECT_EQ(Focused(), Timing());
    EXPECT_EQ(Byte(layout::PttIdType), 0);
    EXPECT_TRUE(Checks().PttCodeCheck);
}

// The channel editor's PTT ID list as the window sees it.
struct EditorStandIn {
    int channel = 0;
    QStringList items;
    QString shown;
    std::vector<QString> calls;
};

TEST_F(PttIdSettingsTest, OpeningTheWindowNeverTurnsTheEditorsFleetListIntoOwn)
{
    core.image.set(layout::PttIdType, 1);
    Program(2, kFleetList3);
    Decode();
    EditorStandIn editor;
    editor.channel = 2;
    const ChannelListLink list{[this](int row, int column) { return Cell(row, column); },
                               [this] { List().RefreshPttIdColumn(); }};
    AttachSettingsWindows(main->windows(), list, [this, &editor] {
        ChannelEditorPttLink link;
        link.shownChannel = [&editor] { return editor.channel; };
        link.RebuildPttIdList = [this, &editor](const QStringList& items, int position) {
            editor.items = items;
            editor.shown = items.value(position);
            editor.calls.push_back("rebuild " + editor.shown);
            List().SetCellText(editor.channel, 9, editor.shown);  // the editor's own Click
        };
        link.ShowPttId = [&editor](const QString& text) {
            editor.shown = text;
            editor.calls.push_back("show " + text);
        };
        return link;
    });
    core.windowSlots.setOpen(ChannelEditFormOpen, true);
    Open();
    ASSERT_EQ(editor.calls.size(), 2U);
    EXPECT_EQ(editor.calls[0], "rebuild Fleet List 3");
    EXPECT_EQ(editor.calls[1], "show Fleet List 3");
    EXPECT_EQ(editor.shown, "Fleet List 3");
    EXPECT_EQ(editor.items.size(), 10);
    EXPECT_EQ(Cell(2, 9), "Fleet List 3");
    EXPECT_EQ(Byte(layout::ChannelPttIdCode(2)), 0xB4);

    // A user's type change rebuilds the list and runs its Click.
    Choose(Type(), 0);
    EXPECT_EQ(editor.calls.back(), "rebuild On");
    EXPECT_EQ(editor.items, QStringList({"Off", "On"}));
    EXPECT_EQ(Cell(2, 9), "On");
    core.windowSlots.setOpen(ChannelEditFormOpen, false);
}

}  // namespace
}  // namespace zx::test

namespace zx::test {
namespace {

TEST_F(PttIdSettingsTest, OpeningTheWindowKeepsTheRealEditorsFleetListAndItsByte)
{
    core.image.set(layout::PttIdType, 1);
    Program(2, kFleetList3);
    Decode();
    List().ChannelGrid()->setCurrentCell(1, 1);
    List().ChannelGrid()->setCurrentCell(2, 1);
    QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
    auto* editor = qobject_cast<ChannelEditForm*>(main->windows().window(8));
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->ShownChannel(), 2);
    ASSERT_EQ(editor->ComPTTID()->currentText(), "Fleet List 3");

    Open();
    EXPECT_EQ(editor->ComPTTID()->currentText(), "Fleet List 3");
    EXPECT_EQ(Cell(2, 9), "Fleet List 3");

    // The editor's Close commits its channel: the fleet list must survive.
    QTest::mouseClick(editor->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(Byte(layout::ChannelPttIdCode(2)), 0xB4);
    EXPECT_EQ(Cell(2, 9), "Fleet List 3");
}

}  // namespace
}  // namespace zx::test
