// The spin field widget on its own: typing, arrow keys, the up-down's
// buttons and leaving the box, with a second box to move the focus to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "settings/OptionalSpinFields.h"
#include "settings/ui/FieldColours.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"

namespace zx::test {
namespace {

class SpinFieldTest : public ::testing::Test {
protected:
    void Build(SpinFieldParams params, int address, std::uint8_t stored)
    {
        core.InitAllFrameData();
        core.image.set(address, stored);
        address_ = address;
        auto* column = new QVBoxLayout(&host);
        field = new SpinField(std::move(params), core.image, &host);
        next = new QLineEdit(&host);
        next->setObjectName("next");
        column->addWidget(field);
        column->addWidget(next);
        field->Load();
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host, kHangGuardMs));
        QApplication::setActiveWindow(&host);
        field->txt()->setFocus(Qt::TabFocusReason);
    }
    int Stored() const { return core.image.at(address_); }
    void Key(Qt::Key key) { QTest::keyClick(field->txt(), key); }
    void Type(const char* text)
    {
        field->txt()->selectAll();
        QTest::keyClicks(field->txt(), text);
    }
    void Leave() { next->setFocus(Qt::TabFocusReason); }

    AppCore core;
    QWidget host;
    SpinField* field = nullptr;
    QLineEdit* next = nullptr;
    int address_ = 0;
};

TEST_F(SpinFieldTest, FocusSelectsTheWholeTextSoTypingReplacesIt)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 4);
    Leave();
    field->txt()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(field->txt()->selectedText(), "60");
    QTest::keyClicks(field->txt(), "16");
    EXPECT_EQ(field->text(), "16");
}

TEST_F(SpinFieldTest, TypedSecondsReachTheImageOnlyWhenTheBoxIsLeft)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 4);
    Type("16");
    EXPECT_EQ(Stored(), 4);
    Leave();
    EXPECT_EQ(field->text(), "30");
    EXPECT_EQ(field->value(), 2);
    EXPECT_EQ(Stored(), 2);
    // Committed again (the second commit of leaving): nothing changes.
    field->CommitOnLeave();
    EXPECT_EQ(field->text(), "30");
    EXPECT_EQ(Stored(), 2);
}

TEST_F(SpinFieldTest, EnterMovesTheFocusOnAndCommits)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 4);
    Type("999");
    Key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), next);
    EXPECT_EQ(field->text(), "600");
    EXPECT_EQ(Stored(), 40);
}

TEST_F(SpinFieldTest, ArrowKeysStepAndWrapWithoutWritingTheImage)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 40);
    EXPECT_EQ(field->text(), "600");
    Key(Qt::Key_Up);
    EXPECT_EQ(field->text(), "15");
    EXPECT_EQ(field->value(), 1);
    EXPECT_EQ(field->txt()->selectedText(), "15");
    Key(Qt::Key_Down);
    EXPECT_EQ(field->text(), "600");
    EXPECT_EQ(field->value(), 40);
    EXPECT_EQ(Stored(), 40);
    Key(Qt::Key_Down);
    EXPECT_EQ(field->text(), "585");
    EXPECT_EQ(Stored(), 40);  // a step alone writes nothing
}

TEST_F(SpinFieldTest, AStepAfterTypingOverTheTopStopsAtTheTop)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 4);
    Type("999");
    Leave();
    ASSERT_EQ(Stored(), 40);
    field->txt()->setFocus(Qt::TabFocusReason);
    Type("45");
    Key(Qt::Key_Up);
    EXPECT_EQ(field->text(), "600");
    EXPECT_EQ(field->value(), 40);
}

TEST_F(SpinFieldTest, UpDownButtonsStepWrapAndGiveTheFocusToTheBox)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 40);
    Leave();
    QTest::mouseClick(field->upd()->upButton(), Qt::LeftButton);
    EXPECT_EQ(field->text(), "15");
    EXPECT_EQ(field->value(), 1);
    EXPECT_EQ(QApplication::focusWidget(), field->txt());
    EXPECT_EQ(field->txt()->selectedText(), "15");
    QTest::mouseClick(field->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(field->text(), "600");
    QTest::mouseClick(field->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(field->text(), "585");
    EXPECT_EQ(Stored(), 40);
}

TEST_F(SpinFieldTest, PreAlertButtonsPassThroughOff)
{
    Build(TotPreAlertField(), layout::TotPreAlert, 1);
    QTest::mouseClick(field->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(field->text(), "Off");
    QTest::mouseClick(field->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(field->text(), "10");
    EXPECT_EQ(field->value(), 10);
}

TEST_F(SpinFieldTest, FilterRefusesAFourthDigitLettersAndClipboardKeys)
{
    Build(TimeOutTimerField(), layout::TimeOutTimer, 4);
    Type("123");
    field->txt()->end(false);
    QTest::keyClick(field->txt(), Qt::Key_4);
    EXPECT_EQ(field->text(), "123");
    QTest::keyClick(field->txt(), Qt::Key_Backspace);
    QTest::keyClicks(field->txt(), "a-.");
    EXPECT_EQ(field->text(), "12");
    QTest::keyClick(field->txt(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field->txt(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "12");
    // With a selection, a digit replaces it even in a full box.
    QTest::keyClick(field->txt(), Qt::Key_9);
    field->txt()->setSelection(0, 1);
    QTest::keyClick(field->txt(), Qt::Key_5);
    EXPECT_EQ(field->text(), "529");
}

TEST_F(SpinFieldTest, DisabledFieldTakesTheMenuColour)
{
    Build(VoxGainLevelField(), layout::VoxGainLevel, 5);
    ASSERT_NE(MenuColour(), WindowColour());
    field->SetUsable(false);
    EXPECT_FALSE(field->txt()->isEnabled());
    EXPECT_FALSE(field->upd()->isEnabled());
    EXPECT_EQ(field->txt()->palette().color(QPalette::Base), MenuColour());
    EXPECT_EQ(field->text(), "5");
    field->SetUsable(true);
    EXPECT_EQ(field->txt()->palette().color(QPalette::Base), WindowColour());
}

}  // namespace
}  // namespace zx::test
