// What the user chose in the channel editor is what the image, the channel
// list and the saved file hold: a PTT ID across a change of the PTT ID type
// or of the image while the editor or the list is hidden, and the editor's
// choices when it moves on to another channel. Through the real main
// window: files by File > Open and File > Save As, the optional features
// window from the Edit menu.
#include <functional>
#include <optional>

#include <QFile>
#include <QTemporaryDir>

#include "ChannelEditFixture.h"
#include "common/ImageFixtures.h"
#include "common/ModalDriver.h"
#include "core/DataFile.h"
#include "core/ui/LanguageForm.h"
#include "settings/ui/OptionalForm.h"
#include "settings/ui/PttIdGroup.h"

namespace zx::test {
namespace {

constexpr std::uint8_t kDtmf = 0;
constexpr std::uint8_t kFleetSync = 1;

// 146.12500 MHz, High, Wide; PTT ID byte 14 set by PttRecord.
const char* const kHighWide = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";

class ChannelEditStoresTest : public ChannelEditTest {
protected:
    void SetUp() override
    {
        ChannelEditTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
    }

    // A VHF image of the PTT ID type with channel `channel` programmed and
    // its PTT ID byte set to `pttIdCode`.
    static RadioImage ImageWith(std::uint8_t pttIdType, int channel, std::uint8_t pttIdCode)
    {
        RadioImage image = DefaultFor(0x01, 0xF8);
        image.set(layout::PttIdType, pttIdType);
        ChannelRecordBytes record = Record(kHighWide);
        record[record::kPttIdCode] = pttIdCode;
        WriteChannelRecord(image, channel, record);
        return image;
    }
    // File > Open of the image written to a data file.
    void OpenFile(const RadioImage& image)
    {
        const QString path = dir_.filePath(QStringLiteral("open%1.dat").arg(++files_));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(BuildDataFile(image));
        f.close();
        prompts.chooseFile(path);
        main->action(QStringLiteral("MnuFileOpen"))->trigger();
        ASSERT_EQ(core.document.DataFilePath, path);
    }
    // File > Save As; the record of `channel` in the file written.
    QByteArray SavedRecord(int channel)
    {
        const QString path = dir_.filePath(QStringLiteral("saved%1.dat").arg(++files_));
        prompts.chooseFile(path);
        main->action(QStringLiteral("MnuFileSaveAs"))->trigger();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return "no file";
        const DataFileContents contents = ParseDataFile(f.readAll());
        return contents.ok() ? Hex(ReadChannelRecord(contents.image, channel)) : "bad file";
    }
    // Edit > Optional Features, a PTT ID type chosen with the arrow keys,
    // then the window's Close.
    void ChoosePttIdType(int type)
    {
        main->action(QStringLiteral("MnuEditOptionalFeatures"))->trigger();
        auto* form = qobject_cast<OptionalForm*>(main->windows().window(1));
        ASSERT_NE(form, nullptr);
        QComboBox* list = form->fraPTTID()->cboPTTIDType();
        FocusField(list);
        while (list->currentIndex() < type)
            Key(list, Qt::Key_Down);
        while (list->currentIndex() > type)
            Key(list, Qt::Key_Up);
        ASSERT_EQ(core.image.at(layout::PttIdType), type);
        QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    }
    void CloseEditor() { QTest::mouseClick(editor->cmdOK(), Qt::LeftButton); }
    std::uint8_t PttIdByte(int channel) const { return Byte(channel, record::kPttIdCode); }
    QStringList PttIdEntries() const
    {
        QStringList entries;
        for (int i = 0; i < editor->ComPTTID()->count(); ++i)
            entries << editor->ComPTTID()->itemText(i);
        return entries;
    }
    // The editor on `channel` shows `text` from the list of the type in
    // force, as its row does, and its Close keeps the byte; twice, as the
    // second Close stores what the first one wrote into the row.
    void EditorKeepsPttId(int channel, std::uint8_t byte, const QString& text)
    {
        const QStringList entries = core.image.at(layout::PttIdType) == kFleetSync
                                        ? QStringList{"Off", "Own", "Fleet List 1", "Fleet List 2", "Fleet List 3",
                                                      "Fleet List 4", "Fleet List 5", "Fleet List 6", "Fleet List 7",
                                                      "Fleet List 8"}
                                        : QStringList{"Off", "On"};
        for (int round = 1; round <= 2; ++round) {
            SCOPED_TRACE(round);
            ASSERT_NE(OpenEditor(channel), nullptr);
            EXPECT_EQ(PttIdEntries(), entries);
            EXPECT_EQ(editor->ComPTTID()->currentText(), text);
            EXPECT_EQ(Cell(channel, 9), text);
            CloseEditor();
            EXPECT_EQ(PttIdByte(channel), byte);
            EXPECT_EQ(Cell(channel, 9), text);
        }
    }

    QTemporaryDir dir_;
    int files_ = 0;
};

// A byte and what it reads as under the other PTT ID type.
struct TypeChangeCase {
    std::uint8_t fileType;
    std::uint8_t byte;
    std::uint8_t newType;
    const char* before;
    const char* after;
};

const TypeChangeCase kTypeChanges[] = {
    {kFleetSync, 0xB1, kDtmf, "Own", "On"},
    {kDtmf, 0xB1, kFleetSync, "On", "Own"},
    {kFleetSync, 0xB4, kDtmf, "Fleet List 3", "On"},
    {kFleetSync, 0xB0, kDtmf, "Off", "Off"},
};

TEST_F(ChannelEditStoresTest, TypeChangeWhileTheEditorIsHiddenKeepsThePttId)
{
    for (const TypeChangeCase& c : kTypeChanges) {
        SCOPED_TRACE(c.before);
        OpenFile(ImageWith(c.fileType, 3, c.byte));
        ASSERT_NE(OpenEditor(3), nullptr);
        ASSERT_EQ(editor->ComPTTID()->currentText(), c.before);
        CloseEditor();
        ASSERT_FALSE(editor->isVisible());
        ChoosePttIdType(c.newType);
        EXPECT_EQ(PttIdByte(3), c.byte);
        EditorKeepsPttId(3, c.byte, c.after);
    }
}

TEST_F(ChannelEditStoresTest, TypeChangeWhileTheChannelListIsClosedRefreshesItsPttIdColumn)
{
    for (const TypeChangeCase& c : kTypeChanges) {
        SCOPED_TRACE(c.before);
        OpenFile(ImageWith(c.fileType, 5, c.byte));
        ASSERT_EQ(Cell(5, 9), c.before);
        QTest::mouseClick(List().cmdClose(), Qt::LeftButton);
        ASSERT_FALSE(core.windowSlots.isOpen(ChannelFormOpen));
        ChoosePttIdType(c.newType);
        main->action(QStringLiteral("MnuEditChannelInformation"))->trigger();
        ASSERT_TRUE(List().isVisible());
        EXPECT_EQ(Cell(5, 9), c.after);
        EXPECT_EQ(PttIdByte(5), c.byte);
        EditorKeepsPttId(5, c.byte, c.after);
    }
}

TEST_F(ChannelEditStoresTest, FileOfTheOtherTypeOpenedWhileTheEditorIsHiddenKeepsThePttId)
{
    struct Case {
        std::uint8_t firstType, secondType, byte;
        const char* text;
    };
    const Case cases[] = {
        {kDtmf, kFleetSync, 0xB4, "Fleet List 3"},
        {kDtmf, kFleetSync, 0xB1, "Own"},
        {kFleetSync, kDtmf, 0xB1, "On"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OpenFile(ImageWith(c.firstType, 3, 0xB0));
        ASSERT_NE(OpenEditor(3), nullptr);
        CloseEditor();
        OpenFile(ImageWith(c.secondType, 3, c.byte));
        EXPECT_EQ(Cell(3, 9), c.text);
        EditorKeepsPttId(3, c.byte, c.text);
    }
}

// The three ways the editor moves on to another channel.
enum class Step { UpDownButton, TypedNumber, GridRow };

TEST_F(ChannelEditStoresTest, ChoicesOfTheChannelLeftAreSavedAsCloseStoresThem)
{
    RadioImage image = ImageWith(kDtmf, 2, 0xB0);
    WriteChannelRecord(image, 3, Record(kHighWide));
    // Channel 2's TX power, bandwidth and PTT ID cells.
    const auto ChosenCells = [this] { return QStringList{Cell(2, 5), Cell(2, 6), Cell(2, 9)}; };
    const auto choose = [&] {
        ASSERT_NE(OpenEditor(2), nullptr);
        Pick(editor->ComTxPower(), QStringLiteral("Low"));
        Pick(editor->ComWideNarrow(), QStringLiteral("Narrow"));
        Pick(editor->ComPTTID(), QStringLiteral("On"));
        ASSERT_EQ(ChosenCells(), QStringList({"Low", "Narrow", "On"}));
    };

    // What the editor's Close stores for these choices.
    OpenFile(image);
    choose();
    CloseEditor();
    const QByteArray closed = RecordHex(2);
    ASSERT_NE(closed, Hex(ReadChannelRecord(image, 2)));

    struct Case {
        Step step;
        const char* name;
    };
    const Case cases[] = {
        {Step::UpDownButton, "up-down button"},
        {Step::TypedNumber, "typed channel number"},
        {Step::GridRow, "click on another row"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenFile(image);
        choose();
        switch (c.step) {
        case Step::UpDownButton:
            QTest::mouseClick(editor->UpDown1Up(), Qt::LeftButton);
            break;
        case Step::TypedNumber:
            SelectField(editor->txtChannel());
            Type(editor->txtChannel(), QStringLiteral("3"));
            break;
        case Step::GridRow: {
            QTableWidget* grid = List().ChannelGrid();
            const QRect cell = grid->visualRect(grid->model()->index(3, 5));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            break;
        }
        }
        ASSERT_EQ(editor->ShownChannel(), 3);
        EXPECT_EQ(RecordHex(2), closed);
        EXPECT_EQ(SavedRecord(2), closed);
        EXPECT_EQ(ChosenCells(), QStringList({"Low", "Narrow", "On"}));
    }
}

TEST_F(ChannelEditStoresTest, ChoicesOfTheShownChannelAreSavedAsCloseStoresThem)
{
    // The editor stays on channel 2; File > Save As is chosen with the
    // editor current, or after the user went over to the channel list.
    const RadioImage image = ImageWith(kDtmf, 2, 0xB0);
    const auto choose = [&] {
        ASSERT_NE(OpenEditor(2), nullptr);
        Pick(editor->ComTxPower(), QStringLiteral("Low"));
        Pick(editor->ComWideNarrow(), QStringLiteral("Narrow"));
        Pick(editor->ComPTTID(), QStringLiteral("On"));
    };
    OpenFile(image);
    choose();
    CloseEditor();
    const QByteArray closed = RecordHex(2);
    ASSERT_NE(closed, Hex(ReadChannelRecord(image, 2)));

    for (const bool listCurrent : {false, true}) {
        SCOPED_TRACE(listCurrent ? "channel list current" : "editor current");
        OpenFile(image);
        choose();
        if (listCurrent) {
            List().mdiArea()->setActiveSubWindow(&List());
            ASSERT_EQ(List().mdiArea()->currentSubWindow(), &List());
        }
        EXPECT_EQ(SavedRecord(2), closed);
        EXPECT_EQ(RecordHex(2), closed);
        // The editor goes on showing the choices, and its Close stores the
        // same.
        EXPECT_EQ(editor->ComTxPower()->currentText(), "Low");
        CloseEditor();
        EXPECT_EQ(RecordHex(2), closed);
    }
}

TEST_F(ChannelEditStoresTest, EditorClosedBeforeTheProgramUnloadsItShowsWhatFollows)
{
    // The editor's Close only hides it. Then the program unloads the
    // editor windows (File > Open of another file, a language switch) and
    // Channel Edit opens the editor on the same channel number: it shows
    // that channel as its row does, and its Close keeps the channel's bytes.
    // 146.15 MHz, compander on, Low, Narrow, PTT ID On.
    RadioImage second = ImageWith(kDtmf, 2, 0xB1);
    WriteChannelRecord(second, 2, Record("00 50 61 14 FF FF FF FF FF FF FF FF 01 8F B1 F8"));
    const auto switchLanguage = [this](int index) {
        WhenModal<LanguageForm>([index](LanguageForm& form) {
            form.ComLanguage()->setCurrentIndex(index);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        main->action(QStringLiteral("MnuSetupLanguageFileSetup"))->trigger();
    };
    struct Case {
        const char* name;
        std::function<void()> unload;
    };
    const Case cases[] = {
        {"File > Open", [&] { OpenFile(second); }},
        {"to Chinese", [&] { switchLanguage(1); }},
        {"back to English", [&] { switchLanguage(0); }},
    };
    OpenFile(ImageWith(kDtmf, 2, 0xB0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(OpenEditor(2), nullptr);
        CloseEditor();
        ASSERT_FALSE(editor->isVisible());
        c.unload();
        const QByteArray stored = RecordHex(2);
        ASSERT_NE(OpenEditor(2), nullptr);
        EXPECT_EQ(editor->txtRxFreq()->text(), Cell(2, 1));
        EXPECT_EQ(editor->ComTxPower()->currentText(), Cell(2, 5));
        EXPECT_EQ(editor->ComWideNarrow()->currentText(), Cell(2, 6));
        EXPECT_EQ(editor->ComPTTID()->currentText(), Cell(2, 9));
        EXPECT_TRUE(editor->ChkYaKuo()->isChecked());
        CloseEditor();
        EXPECT_EQ(RecordHex(2), stored);
        EXPECT_EQ(SavedRecord(2), stored);
    }
}

TEST_F(ChannelEditStoresTest, AFrequencyTypedInABroughtBackEditorKeepsTheSwitchesItShows)
{
    // Channel 3 with the compander off (byte 12 bit 0) and beat shift off
    // (byte 13 bit 6), and a compander-on beat-shift-on channel 4; the
    // channels after it empty.
    struct Case {
        int channel;
        const char* record;
        bool switchesOn;
    };
    const Case cases[] = {
        {3, "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8", false},
        {4, "00 25 61 14 FF FF FF FF FF FF FF FF 01 FF B0 F8", true},
    };
    RadioImage image = ImageWith(kDtmf, 3, 0xB0);
    for (const Case& c : cases)
        WriteChannelRecord(image, c.channel, Record(c.record));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        // The editor hidden on that channel, as its Close leaves it; a cell
        // edit of the other channel begun and dropped with Esc (the list
        // decodes that channel); the editor brought back on the same channel.
        OpenFile(image);
        ASSERT_NE(OpenEditor(c.channel), nullptr);
        CloseEditor();
        const int other = c.channel == 3 ? 4 : 3;
        const QRect cell = List().ChannelGrid()->visualRect(List().ChannelGrid()->model()->index(other, 1));
        QTest::mouseClick(List().ChannelGrid()->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_TRUE(List().txtInputBox()->isVisible());
        QTest::keyClick(List().txtInputBox(), Qt::Key_Escape);
        ASSERT_NE(OpenEditor(c.channel), nullptr);
        ASSERT_EQ(editor->ChkYaKuo()->isChecked(), c.switchesOn);
        ASSERT_EQ(editor->ChkShift()->isChecked(), c.switchesOn);
        TypeOver(editor->txtRxFreq(), QStringLiteral("146.25"));
        Leave();
        // 146.25 MHz; every other byte as it was.
        ChannelRecordBytes expected = Record(c.record);
        expected[1] = 0x50;
        expected[2] = 0x62;
        EXPECT_EQ(RecordHex(c.channel), Hex(expected));
        EXPECT_EQ(editor->ChkYaKuo()->isChecked(), c.switchesOn);
        EXPECT_EQ(editor->ChkShift()->isChecked(), c.switchesOn);
    }
}

TEST_F(ChannelEditStoresTest, ChannelsOnlyLookedAtKeepTheirBytes)
{
    // A record with bytes the encoder would rewrite: byte 13 without its
    // fixed bits, autodial byte 0x00, a fleet list left under DTMF.
    RadioImage image = ImageWith(kDtmf, 2, 0xB4);
    ChannelRecordBytes odd = Record(kHighWide);
    odd[record::kFlagsB] = 0x30;
    odd[record::kPttIdCode] = 0xB4;
    odd[record::kAutoDialCode] = 0x00;
    for (int channel = 2; channel <= 4; ++channel)
        WriteChannelRecord(image, channel, odd);
    OpenFile(image);
    // The hand-off acts as the user's choice of every field of channel 2;
    // stepping on from it only looks at channels 3 and 4.
    ASSERT_NE(OpenEditor(2), nullptr);
    const QByteArray before = core.image.toByteArray(layout::ChannelTable, 16 * 16);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(editor->UpDown1Up(), Qt::LeftButton);
    ASSERT_EQ(editor->ShownChannel(), 5);
    EXPECT_EQ(core.image.toByteArray(layout::ChannelTable, 16 * 16), before);
}

}  // namespace
}  // namespace zx::test
