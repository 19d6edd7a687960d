#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "platform/ui/NoContextMenu.h"

using namespace zx;

TEST(NoContextMenu, RightClickOpensNoMenuAndTypingStillWorks)
{
    QLineEdit box;
    NoContextMenu(&box);
    box.show();
    bool menuShown = false;
    // Any popup that opens would be found and closed here.
    QTimer::singleShot(50, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuShown = true;
            popup->close();
        }
    });
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &right);
    QTest::qWait(100);
    EXPECT_FALSE(menuShown);
    box.setFocus();
    QTest::keyClicks(&box, "146.125");
    EXPECT_EQ(box.text(), "146.125");
}
