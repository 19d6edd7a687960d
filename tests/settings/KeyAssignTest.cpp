// The key assignment window through the real main window: what it shows for
// the stored codes, what leaving a list writes, the key picture, closing.
#include "KeysMessageFixture.h"

#include <QFile>
#include <QLabel>

#include "core/ui/HelpWindow.h"

#include "platform/ui/ScreenTwips.h"
#include "settings/KeyFunctionCode.h"
#include "settings/ui/KeyAssign.h"
#include "settings/ui/KeyPictures.h"

namespace zx::test {
namespace {

class KeyAssignTest : public KeysMessageTest {
protected:
    KeyAssign* Open()
    {
        form = OpenFromEditMenu<KeyAssign>("MnuEditKeyAssignment", 2);
        return form;
    }
    QComboBox* List(int i) const { return form->cboKey(i); }
    // A choice with the arrow keys, as a user makes it.
    void Choose(QComboBox* list, int position)
    {
        Focus(list);
        while (list->currentIndex() < position)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > position)
            QTest::keyClick(list, Qt::Key_Up);
        ASSERT_EQ(list->currentIndex(), position);
    }
    bool ShowsPicture(int key) const
    {
        return form->shownKey() == key && form->picKey()->pixmap().toImage() == KeyPicture(key).toImage();
    }

    KeyAssign* form = nullptr;
};

const QStringList kEnglishFunctions = {"None",
                                       "Autodial",
                                       "Key Lock",
                                       "Key Lock with Backup",
                                       "Monitor",
                                       "Monitor Momentary",
                                       "Scan",
                                       "Scan+Temporary Delete",
                                       "Scrambler",
                                       "Squelch Off",
                                       "Squelch Off Momentary",
                                       "Temporary Delete"};

TEST_F(KeyAssignTest, DefaultImageShowsNoneAndSquelchOffMomentaryAndOpeningChangesNoByte)
{
    const RadioImage before = core.image;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), "Key Assignment");
    EXPECT_EQ(form->size(), QSize(TwipsToPixelsX(6600), TwipsToPixelsY(4905)));
    EXPECT_TRUE(main->windowSlotAction(2)->isVisible());
    EXPECT_EQ(main->windowSlotAction(2)->text(), " Key Assignment");
    EXPECT_TRUE(main->windowSlotAction(2)->isChecked());
    EXPECT_TRUE(core.windowSlots.isOpen(KeyAssignOpen));
    EXPECT_EQ(form->lblKey(0)->text(), "PF1");
    EXPECT_EQ(form->lblKey(1)->text(), "PF2");
    for (int i = 0; i < 2; ++i) {
        QStringList items;
        for (int k = 0; k < List(i)->count(); ++k)
            items << List(i)->itemText(k);
        EXPECT_EQ(items, kEnglishFunctions) << i;
        EXPECT_FALSE(List(i)->isEditable());
    }
    EXPECT_EQ(List(0)->currentText(), "None");
    EXPECT_EQ(List(1)->currentText(), "Squelch Off Momentary");
    EXPECT_EQ(form->cmdClose()->text(), "&Close");
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    EXPECT_EQ(form->picKey()->size(), QSize(111, 256));
    EXPECT_EQ(core.image, before);

    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(core.image, before);
    EXPECT_FALSE(core.windowSlots.isOpen(KeyAssignOpen));
    EXPECT_FALSE(main->windowSlotAction(2)->isVisible());
}

TEST_F(KeyAssignTest, LeavingAListWritesTheCodeOfTheChosenFunction)
{
    // Position -> code: None FF, Autodial 00, the others their position.
    const std::uint8_t codes[] = {0xFF, 0x00, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B};
    ASSERT_NE(Open(), nullptr);
    for (int i = 0; i < 2; ++i) {
        for (int position = 0; position < kKeyFunctionCount; ++position) {
            core.image.set(layout::KeyPf1 + i, 0x55);
            Choose(List(i), position);
            EXPECT_EQ(Byte(layout::KeyPf1 + i), 0x55) << "choosing alone writes nothing";
            Tab();
            EXPECT_EQ(Byte(layout::KeyPf1 + i), codes[position]) << "list " << i << " position " << position;
        }
    }
}

TEST_F(KeyAssignTest, TabbingThroughRewritesTheStoredCodeAndAStoredOneBecomesAutodial)
{
    struct Case {
        std::uint8_t stored;
        const char* shown;
        std::uint8_t written;
    };
    const Case cases[] = {{0xFF, "None", 0xFF}, {0x00, "Autodial", 0x00}, {0x01, "Autodial", 0x00},
                          {0x02, "Key Lock", 0x02}, {0x0B, "Temporary Delete", 0x0B}};
    for (const Case& c : cases) {
        core.image.set(layout::KeyPf1, c.stored);
        core.image.set(layout::KeyPf2, c.stored);
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(List(0)->currentText(), c.shown);
        EXPECT_EQ(List(1)->currentText(), c.shown);
        Focus(List(0));
        Tab();
        EXPECT_EQ(Focused(), List(1));
        EXPECT_EQ(Byte(layout::KeyPf1), c.written) << int(c.stored);
        EXPECT_EQ(Byte(layout::KeyPf2), c.stored) << "PF2 not left yet";
        Tab();
        EXPECT_EQ(Focused(), form->cmdClose());
        EXPECT_EQ(Byte(layout::KeyPf2), c.written) << int(c.stored);
        QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(KeyAssignTest, ACodeNamingNoFunctionShowsNoEntryAndIsWrittenOnlyWhenTheUserChooses)
{
    core.image.set(layout::KeyPf1, 0x0C);
    core.image.set(layout::KeyPf2, 0xFE);
    ASSERT_NE(Open(), nullptr);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(List(i)->currentIndex(), -1);
        EXPECT_EQ(List(i)->currentText(), "");
    }
    Focus(List(0));
    Tab();
    Tab();
    EXPECT_EQ(Byte(layout::KeyPf1), 0x0C);
    EXPECT_EQ(Byte(layout::KeyPf2), 0xFE);

    Choose(List(1), 4);  // Monitor
    Tab();
    EXPECT_EQ(Byte(layout::KeyPf2), 0x04);
    EXPECT_EQ(Byte(layout::KeyPf1), 0x0C);
}

TEST_F(KeyAssignTest, ThePictureFollowsTheListThatGetsTheFocus)
{
    ASSERT_NE(Open(), nullptr);
    Focus(form->cmdClose());
    core.image.set(layout::KeyPf1, 0x01);
    Focus(List(0));
    EXPECT_TRUE(ShowsPicture(0));
    Tab();
    EXPECT_EQ(Focused(), List(1));
    EXPECT_EQ(Byte(layout::KeyPf1), 0xFF) << "PF1 committed";
    EXPECT_TRUE(ShowsPicture(1));
    Tab();
    EXPECT_EQ(Focused(), form->cmdClose());
    EXPECT_TRUE(ShowsPicture(1)) << "the picture stays when the list loses the focus";
    EXPECT_EQ(Byte(layout::KeyPf2), 0x0A);
}

TEST_F(KeyAssignTest, OpeningGivesTheFocusToPf1WhichShowsItsPicture)
{
    const RadioImage before = core.image;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Focused(), List(0));
    EXPECT_TRUE(ShowsPicture(0));
    EXPECT_EQ(core.image, before);
}

TEST_F(KeyAssignTest, EnterInAListMovesOnAndCommits)
{
    ASSERT_NE(Open(), nullptr);
    Choose(List(0), 11);
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), List(1));
    EXPECT_EQ(Byte(layout::KeyPf1), 0x0B);
    Choose(List(1), 1);
    Key(Qt::Key_Enter);
    EXPECT_EQ(Focused(), form->cmdClose());
    EXPECT_EQ(Byte(layout::KeyPf2), 0x00);
}

TEST_F(KeyAssignTest, TheCloseBoxCommitsTheFocusedListAndAnUnloadByTheProgramDoesNot)
{
    ASSERT_NE(Open(), nullptr);
    Choose(List(1), 6);  // Scan
    form->close();
    EXPECT_EQ(Byte(layout::KeyPf2), 0x06);
    EXPECT_FALSE(core.windowSlots.isOpen(KeyAssignOpen));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(List(1)->currentText(), "Scan") << "the next opening loads the image afresh";
    Choose(List(1), 9);
    main->windows().CloseEditorWindows();
    EXPECT_EQ(Byte(layout::KeyPf2), 0x06);
}

TEST_F(KeyAssignTest, ChineseListsKeepTheKeyLabels)
{
    core.LanguageChinese = true;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("键设定"));
    EXPECT_EQ(form->lblKey(0)->text(), "PF1");
    EXPECT_EQ(form->lblKey(1)->text(), "PF2");
    EXPECT_EQ(List(0)->currentText(), QString::fromUtf8("无"));
    EXPECT_EQ(List(1)->currentText(), QString::fromUtf8("瞬时静噪关闭"));
    EXPECT_EQ(List(0)->itemText(1), QString::fromUtf8("自动拨号"));
    EXPECT_EQ(List(0)->itemText(11), QString::fromUtf8("临时删除"));
}

// The pictures: the same radio, the upper side key red for PF1, the lower
// one for PF2.
TEST(KeyPictureTest, TheMarkedSideKeyIsRedAndTheOtherIsNot)
{
    auto redPixels = [](const QImage& image, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 70; x < 78; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                    ++count;
            }
        return count;
    };
    const QImage pf1 = KeyPicture(0).toImage();
    const QImage pf2 = KeyPicture(1).toImage();
    for (const QImage& image : {pf1, pf2}) {
        EXPECT_EQ(image.size(), QSize(111, 256));
        EXPECT_FALSE(image.hasAlphaChannel());
    }
    EXPECT_NE(pf1, pf2);
    // The side keys' places: upper 166-182, lower 188-204.
    EXPECT_GT(redPixels(pf1, 166, 182), 40);
    EXPECT_EQ(redPixels(pf1, 188, 204), 0);
    EXPECT_GT(redPixels(pf2, 188, 204), 40);
    EXPECT_EQ(redPixels(pf2, 166, 182), 0);
}

// The help of both windows tells when a value reaches the image: when the
// field is left, not as it is chosen or typed.
TEST(KeysAndMessageHelpTest, PagesSayTheValueIsStoredWhenTheFieldIsLeft)
{
    for (const char* page : {"keyassign", "embmsg"}) {
        for (bool chinese : {false, true}) {
            QFile f(HelpWindow::PagePath(QString::fromLatin1(page), chinese));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page;
            const QString text = QString::fromUtf8(f.readAll());
            EXPECT_TRUE(text.contains(chinese ? QString::fromUtf8("离开") : QStringLiteral("when you leave")))
                << page << chinese;
            EXPECT_FALSE(text.contains(QStringLiteral("as you type")) || text.contains(QStringLiteral("as soon as")) ||
                         text.contains(QString::fromUtf8("即保存")) || text.contains(QString::fromUtf8("立即保存")))
                << page << chinese;
        }
    }
}

}  // namespace
}  // namespace zx::test
