#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include "common/Patience.h"
#include "platform/ui/NoContextMenu.h"

using namespace zx;

namespace {

// A window that counts the context menus that reach it from its children.
class Holder : public QWidget {
public:
    int menusAsked = 0;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        ++menusAsked;
        event->accept();
    }
};

class NoContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box_ = new QLineEdit(&holder_);
        auto* layout = new QVBoxLayout(&holder_);
        layout->addWidget(box_);
        NoContextMenu(box_);
        holder_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder_, zx::test::kHangGuardMs));
    }
    void TearDown() override { ClosePopup(); }

    // Sends a context-menu request to the box; true when a menu opened.
    bool AskForMenu(QContextMenuEvent::Reason reason)
    {
        QContextMenuEvent request(reason, QPoint(5, 5), box_->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box_, &request);
        QCoreApplication::processEvents();
        return ClosePopup();
    }
    static bool ClosePopup()
    {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup)
            popup->close();
        QCoreApplication::processEvents();
        return popup != nullptr;
    }

    Holder holder_;
    QLineEdit* box_ = nullptr;
};

}  // namespace

TEST_F(NoContextMenuTest, MouseMenuIsRefusedAndPassedToNobody)
{
    EXPECT_FALSE(AskForMenu(QContextMenuEvent::Mouse));
    EXPECT_EQ(holder_.menusAsked, 0);
}

TEST_F(NoContextMenuTest, KeyboardMenuStillOpensTheBoxsOwnMenu)
{
    EXPECT_TRUE(AskForMenu(QContextMenuEvent::Keyboard));
    EXPECT_EQ(holder_.menusAsked, 0);
}

TEST_F(NoContextMenuTest, MiddleButtonDoesWhatTheRightButtonDoes)
{
    box_->setText(QStringLiteral("146.12500"));
    box_->setFocus();
    box_->setCursorPosition(9);
    const QPoint nearStart(3, box_->height() / 2);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(box_, button, Qt::NoModifier, nearStart);
        EXPECT_EQ(box_->cursorPosition(), 9) << button;
        EXPECT_EQ(box_->text(), "146.12500") << button;
        EXPECT_FALSE(ClosePopup()) << button;
    }
    // The left button works as usual.
    QTest::mouseClick(box_, Qt::LeftButton, Qt::NoModifier, nearStart);
    EXPECT_EQ(box_->cursorPosition(), 0);
}

TEST_F(NoContextMenuTest, TypingAndSelectingStillWork)
{
    box_->setFocus();
    QTest::keyClicks(box_, "146.125");
    EXPECT_EQ(box_->text(), "146.125");
    QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box_->selectedText(), "146.125");
    NoContextMenu(box_);  // a second call changes nothing
    QTest::keyClick(box_, Qt::Key_Backspace);
    EXPECT_EQ(box_->text(), "");
    EXPECT_FALSE(AskForMenu(QContextMenuEvent::Mouse));
}
