// The embedded message window through the real main window: loading the two
// lines, the 32-character typing rule, Enter, and the bytes a line stores
// when its box is left.
#include "KeysMessageFixture.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>

#include "platform/ui/ScreenTwips.h"
#include "settings/MessageLine.h"
#include "settings/ui/EmbedInfoForm.h"

namespace zx::test {
namespace {

constexpr int kLine1 = layout::EmbeddedMessage;
constexpr int kLine2 = layout::EmbeddedMessage + 32;

class EmbedInfoFormTest : public KeysMessageTest {
protected:
    EmbedInfoForm* Open()
    {
        form = OpenFromEditMenu<EmbedInfoForm>("MnuEditEmbeddedMessage", 7);
        return form;
    }
    QLineEdit* Box(int i) const { return form->txtMsg(i); }
    void StoreLine(int address, const QByteArray& bytes) { core.image.write(address, bytes); }
    // Text as an input method delivers it: no key press at all.
    static void Compose(QLineEdit* box, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }

    EmbedInfoForm* form = nullptr;
};

TEST_F(EmbedInfoFormTest, OpensWithItsCaptionSizeAndBoxesAndChangesNoByte)
{
    StoreLine(kLine1, QByteArray("HELLO") + Ff(27));
    const RadioImage before = core.image;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), " Embedded Message");
    EXPECT_EQ(form->size(), QSize(TwipsToPixelsX(4965), TwipsToPixelsY(2505)));
    EXPECT_TRUE(main->windowSlotAction(7)->isVisible());
    EXPECT_EQ(main->windowSlotAction(7)->text(), " Embedded Message");
    EXPECT_TRUE(core.windowSlots.isOpen(EmbedInfoFormOpen));
    EXPECT_EQ(Box(0)->text(), "HELLO");
    EXPECT_EQ(Box(1)->text(), "");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Box(i)->width(), TwipsToPixelsX(4500));
        EXPECT_DOUBLE_EQ(Box(i)->font().pointSizeF(), 9.75);
        EXPECT_EQ(Box(i)->maxLength(), QLineEdit().maxLength()) << "no length limit of its own";
        EXPECT_EQ(Box(i)->contextMenuPolicy(), Qt::DefaultContextMenu);
    }
    EXPECT_EQ(form->cmdClose()->text(), "&Close");
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    EXPECT_EQ(Focused(), Box(0));
    EXPECT_EQ(Box(0)->selectedText(), "HELLO") << "the whole text is selected on focus";

    QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
    EXPECT_EQ(core.image, before) << "storing an unchanged line rewrites its bytes";
    EXPECT_FALSE(core.windowSlots.isOpen(EmbedInfoFormOpen));
}

TEST_F(EmbedInfoFormTest, ALineIsStoredWhenItsBoxIsLeftAsCodesFollowedByFf)
{
    StoreLine(kLine1, QByteArray(32, 'X'));
    StoreLine(kLine2, QByteArray(32, 'Y'));
    ASSERT_NE(Open(), nullptr);
    Focus(Box(0));
    QTest::keyClicks(Box(0), "AB");
    EXPECT_EQ(Bytes(kLine1, 32), Hex(QByteArray(32, 'X'))) << "typing alone stores nothing";
    Tab();
    EXPECT_EQ(Bytes(kLine1, 32), Hex(QByteArray("AB") + Ff(30)));
    EXPECT_EQ(Focused(), Box(1));
    Key(Qt::Key_Delete);  // the whole text is selected
    EXPECT_EQ(Box(1)->text(), "");
    Tab();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(Ff(32)));
    EXPECT_EQ(Bytes(kLine1, 64), Hex(QByteArray("AB") + Ff(30) + Ff(32)));
}

TEST_F(EmbedInfoFormTest, ThirtyTwoCharactersFillTheLineAndAThirtyThirdIsRefusedWithoutASelection)
{
    const QString full = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUV");
    ASSERT_NE(Open(), nullptr);
    Focus(Box(1));
    QTest::keyClicks(Box(1), full + "W");
    EXPECT_EQ(Box(1)->text(), full);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(1)->text(), full) << "the paste key counts as a character";
    Tab();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(full.toLatin1())) << "no FF";
    EXPECT_EQ(Bytes(kLine1, 32), Hex(Ff(32))) << "the other line is untouched";

    // Back in the full box: everything is selected, so a character replaces
    // it; Backspace works in a full box.
    Focus(Box(1));
    QTest::keyClicks(Box(1), "Z");
    EXPECT_EQ(Box(1)->text(), "Z");
    Box(1)->setText(full);
    Box(1)->end(false);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Box(1)->text(), full.left(31));
    QTest::keyClicks(Box(1), "!?");
    EXPECT_EQ(Box(1)->text(), full.left(31) + "!");
    // A selection lets a character in even in a full box.
    Box(1)->setSelection(0, 1);
    QTest::keyClicks(Box(1), "*");
    EXPECT_EQ(Box(1)->text(), "*" + full.mid(1, 30) + "!");
    Tab();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(("*" + full.mid(1, 30) + "!").toLatin1()));
}

TEST_F(EmbedInfoFormTest, AnOverlongPasteStoresItsFirst32Characters)
{
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog");
    QApplication::clipboard()->setText(text);
    ASSERT_NE(Open(), nullptr);
    Focus(Box(0));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(0)->text(), text) << "the rest stays in the box";
    Tab();
    EXPECT_EQ(Bytes(kLine1, 32), Hex(text.left(32).toLatin1()));
    EXPECT_EQ(Bytes(kLine2, 32), Hex(Ff(32)));
}

TEST_F(EmbedInfoFormTest, EnterInLineOneStoresItAndMovesToLineTwo)
{
    ASSERT_NE(Open(), nullptr);
    Focus(Box(0));
    QTest::keyClicks(Box(0), "CH 1");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), Box(1));
    EXPECT_EQ(Bytes(kLine1, 32), Hex(QByteArray("CH 1") + Ff(28)));
    QTest::keyClicks(Box(1), "OK");
    Key(Qt::Key_Enter);
    EXPECT_EQ(Focused(), form->cmdClose());
    EXPECT_EQ(Bytes(kLine2, 32), Hex(QByteArray("OK") + Ff(30)));
}

TEST_F(EmbedInfoFormTest, ALineLoadsUpToItsFirstFfAndStoringItOverwritesTheRest)
{
    StoreLine(kLine1, QByteArray("AB") + Ff(1) + QByteArray("CDEFGHIJ") + QByteArray(21, 'Z'));
    // Bytes from 0x80 read as the characters of the same code.
    StoreLine(kLine2, QByteArray("caf\xE9") + Ff(28));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Box(0)->text(), "AB");
    EXPECT_EQ(Box(1)->text(), QString::fromUtf8("café"));
    Focus(Box(0));
    Tab();
    EXPECT_EQ(Bytes(kLine1, 32), Hex(QByteArray("AB") + Ff(30)));
    Tab();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(QByteArray("caf\xE9") + Ff(28)));
}

TEST_F(EmbedInfoFormTest, ACharacterWithNoOneByteCodeEndsTheStoredTextAndTheRestBecomesFf)
{
    struct Case {
        const char* name;
        QString text;
        QByteArray stored;
    };
    const Case cases[] = {
        {"Chinese after two letters", QStringLiteral("AB") + QChar(0x4E2D), QByteArray("AB") + Ff(30)},
        {"Chinese first", QString(QChar(0x4E2D)) + QStringLiteral("AB"), Ff(32)},
        {"letters after it are dropped", QStringLiteral("AB") + QChar(0x4E2D) + QStringLiteral("CD"),
         QByteArray("AB") + Ff(30)},
        {"a quotation mark above U+00FF", QStringLiteral("X") + QChar(0x201C), QByteArray("X") + Ff(31)},
        // It has a code, FF itself: stored as it is, the line then reads
        // back only up to it.
        {"the character of code FF", QStringLiteral("A") + QChar(0xFF) + QStringLiteral("B"),
         QByteArray("A\xFF" "B") + Ff(29)},
    };
    for (const Case& c : cases) {
        StoreLine(kLine1, QByteArray("HELLO") + Ff(27));
        ASSERT_NE(Open(), nullptr);
        Focus(Box(0));
        Key(Qt::Key_Delete);
        Compose(Box(0), c.text);
        EXPECT_EQ(Box(0)->text(), c.text) << c.name;
        Tab();
        EXPECT_EQ(Bytes(kLine1, 32), Hex(c.stored)) << c.name;
        EXPECT_EQ(Box(0)->text(), c.text) << c.name << ": the box keeps what was typed";
        QTest::mouseClick(form->cmdClose(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(EmbedInfoFormTest, TheContextMenuStaysAndOpeningItStoresNothing)
{
    ASSERT_NE(Open(), nullptr);
    Focus(Box(0));
    QTest::keyClicks(Box(0), "AB");
    const QPoint at = Box(0)->rect().center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, Box(0)->mapToGlobal(at));
    QApplication::sendEvent(Box(0), &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(Bytes(kLine1, 32), Hex(Ff(32)));
    menu->close();
    EXPECT_EQ(Focused(), Box(0));
    Tab();
    EXPECT_EQ(Bytes(kLine1, 32), Hex(QByteArray("AB") + Ff(30)));
}

TEST_F(EmbedInfoFormTest, TheCloseBoxStoresTheLineBeingEditedAndAnUnloadByTheProgramDoesNot)
{
    ASSERT_NE(Open(), nullptr);
    Focus(Box(1));
    QTest::keyClicks(Box(1), "MINE");
    form->close();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(QByteArray("MINE") + Ff(28)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Box(1)->text(), "MINE");
    Focus(Box(1));
    QTest::keyClicks(Box(1), "LOST");
    main->windows().CloseEditorWindows();
    EXPECT_EQ(Bytes(kLine2, 32), Hex(QByteArray("MINE") + Ff(28)));
}

TEST_F(EmbedInfoFormTest, ChineseCaption)
{
    core.LanguageChinese = true;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(" 嵌入信息"));
    EXPECT_EQ(form->cmdClose()->text(), QString::fromUtf8("关闭(&C)"));
}

TEST(MessageLineTest, LoadAndStoreOfBothLines)
{
    RadioImage image;
    StoreMessageLine(image, 1, QStringLiteral("Line two"));
    EXPECT_EQ(image.toByteArray(0x320, 32), QByteArray("Line two") + QByteArray(24, '\xFF'));
    EXPECT_EQ(image.toByteArray(0x300, 32), QByteArray(32, '\xFF'));
    EXPECT_EQ(LoadMessageLine(image, 1), "Line two");
    EXPECT_EQ(LoadMessageLine(image, 0), "");
    StoreMessageLine(image, 0, QString(40, QLatin1Char('x')));
    EXPECT_EQ(image.toByteArray(0x300, 32), QByteArray(32, 'x'));
    EXPECT_EQ(LoadMessageLine(image, 1), "Line two") << "a long line stops at its own 32 bytes";
}

}  // namespace
}  // namespace zx::test
