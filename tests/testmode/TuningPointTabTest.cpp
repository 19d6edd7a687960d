// The point tab of the tuning dialogs: what each control does to the others
// and which of the user's actions reach the dialog as a value to send.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>

#include "common/Patience.h"
#include "settings/ui/UpDownControl.h"
#include "testmode/ui/TuningPointTab.h"
#include "testmode/ui/TuningValueBox.h"

namespace zx::test {
namespace {

class TuningPointTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tab.resize(400, 200);
        tab.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tab, kHangGuardMs));
    }

    // The value each control shows, as "box/slider/bar/updown".
    QString Shown() const
    {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(tab.txtTuneValue->text())
            .arg(tab.SldValue->value())
            .arg(tab.PrgValue->value())
            .arg(tab.updValue->value());
    }

    int Sends() const { return sliderChanged.count() + boxChanged.count(); }

    TuningPointTab tab;
    QSignalSpy scrolled{&tab, &TuningPointTab::Scrolled};
    QSignalSpy sliderChanged{&tab, &TuningPointTab::SliderChanged};
    QSignalSpy boxChanged{&tab, &TuningPointTab::BoxChanged};
};

TEST_F(TuningPointTabTest, ShowValueSetsEveryControlAndSendsNothing)
{
    tab.ShowValue(30);
    EXPECT_EQ(Shown(), "30/30/30/30");
    tab.ShowValue(255);
    EXPECT_EQ(Shown(), "255/255/255/255");
    EXPECT_EQ(Sends() + scrolled.count(), 0);
    EXPECT_TRUE(tab.ControlsReady);
}

struct ArrowCase {
    int start;
    Qt::Key key;
    QString shown;  // after the key
    bool sent;
};

TEST_F(TuningPointTabTest, ArrowKeysStepByOneAndStopAtTheEnds)
{
    const ArrowCase cases[] = {
        {30, Qt::Key_Up, "31/31/31/31", true},
        {30, Qt::Key_Down, "29/29/29/29", true},
        {254, Qt::Key_Up, "255/255/255/255", true},
        {255, Qt::Key_Up, "255/255/255/255", false},
        {1, Qt::Key_Down, "0/0/0/0", true},
        {0, Qt::Key_Down, "0/0/0/0", false},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.start);
        tab.ShowValue(c.start);
        boxChanged.clear();
        sliderChanged.clear();
        tab.txtTuneValue->setFocus();
        QTest::keyClick(tab.txtTuneValue, c.key);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(boxChanged.count(), c.sent ? 1 : 0);
        EXPECT_EQ(sliderChanged.count(), 0);
        if (c.sent) {
            EXPECT_EQ(boxChanged.first().at(0).toInt(), tab.value());
        }
        EXPECT_EQ(tab.txtTuneValue->selectedText(), tab.txtTuneValue->text());
    }
}

TEST_F(TuningPointTabTest, UpDownStepsWithoutWrapAndGivesTheBoxTheFocus)
{
    const ArrowCase cases[] = {
        {30, Qt::Key_Up, "31/31/31/31", true},
        {30, Qt::Key_Down, "29/29/29/29", true},
        {255, Qt::Key_Up, "255/255/255/255", false},
        {0, Qt::Key_Down, "0/0/0/0", false},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.start);
        tab.ShowValue(c.start);
        boxChanged.clear();
        tab.SldValue->setFocus();
        QToolButton* button = c.key == Qt::Key_Up ? tab.updValue->upButton() : tab.updValue->downButton();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(boxChanged.count(), c.sent ? 1 : 0);
        EXPECT_TRUE(tab.txtTuneValue->hasFocus());
        EXPECT_EQ(tab.txtTuneValue->selectedText(), tab.txtTuneValue->text());
    }
}

TEST_F(TuningPointTabTest, TypingPastingAndDroppingChangeNothing)
{
    tab.ShowValue(30);
    tab.txtTuneValue->setFocus();
    QTest::keyClicks(tab.txtTuneValue, QStringLiteral("7x"));
    QTest::keyClick(tab.txtTuneValue, Qt::Key_Backspace);
    QTest::keyClick(tab.txtTuneValue, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(tab.txtTuneValue, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(tab.txtTuneValue, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(tab.txtTuneValue, Qt::Key_X, Qt::ControlModifier);
    tab.txtTuneValue->paste();
    EXPECT_FALSE(tab.txtTuneValue->acceptDrops());
    EXPECT_EQ(tab.txtTuneValue->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(Shown(), "30/30/30/30");
    EXPECT_EQ(Sends(), 0);
}

TEST_F(TuningPointTabTest, DraggingTheSliderMovesBoxAndBarAndSendsOnceOnRelease)
{
    tab.ShowValue(0);
    QStyleOptionSlider option;
    option.initFrom(tab.SldValue);
    option.orientation = Qt::Horizontal;
    option.minimum = tab.SldValue->minimum();
    option.maximum = tab.SldValue->maximum();
    option.sliderPosition = tab.SldValue->sliderPosition();
    option.sliderValue = tab.SldValue->value();
    option.tickPosition = tab.SldValue->tickPosition();
    const QRect handle = tab.SldValue->style()->subControlRect(QStyle::CC_Slider, &option,
                                                              QStyle::SC_SliderHandle, tab.SldValue);
    const QPoint start = handle.center();
    QTest::mousePress(tab.SldValue, Qt::LeftButton, {}, start);
    QTest::mouseMove(tab.SldValue, start + QPoint(tab.SldValue->width() / 4, 0));
    QTest::mouseMove(tab.SldValue, start + QPoint(tab.SldValue->width() / 2, 0));
    const int dragged = tab.SldValue->sliderPosition();
    ASSERT_GT(dragged, 0);
    EXPECT_EQ(tab.txtTuneValue->text(), QString::number(dragged));
    EXPECT_EQ(tab.PrgValue->value(), dragged);
    EXPECT_GE(scrolled.count(), 1);
    EXPECT_EQ(Sends(), 0);

    QTest::mouseRelease(tab.SldValue, Qt::LeftButton, {}, start + QPoint(tab.SldValue->width() / 2, 0));
    EXPECT_EQ(sliderChanged.count(), 1);
    EXPECT_EQ(boxChanged.count(), 0);
    EXPECT_EQ(sliderChanged.first().at(0).toInt(), dragged);
    EXPECT_EQ(Shown(), QStringLiteral("%1/%1/%1/%1").arg(dragged));
}

TEST_F(TuningPointTabTest, SliderKeysSendEachStep)
{
    tab.ShowValue(100);
    tab.SldValue->setFocus();
    QTest::keyClick(tab.SldValue, Qt::Key_Right);
    EXPECT_EQ(Shown(), "101/101/101/101");
    ASSERT_EQ(sliderChanged.count(), 1);
    EXPECT_EQ(sliderChanged.first().at(0).toInt(), 101);
    EXPECT_EQ(boxChanged.count(), 0);
}

TEST_F(TuningPointTabTest, HandlersAreSilentWhileControlsAreNotReady)
{
    tab.ShowValue(30);
    tab.ControlsReady = false;
    tab.txtTuneValue->setFocus();
    QTest::keyClick(tab.txtTuneValue, Qt::Key_Up);
    tab.SldValue->setValue(90);
    EXPECT_EQ(Sends() + scrolled.count(), 0);
}

}  // namespace
}  // namespace zx::test
