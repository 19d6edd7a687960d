#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/EditorFrameRules.h"
#include "core/WindowSlotTable.h"

using namespace zx;

namespace {

void Show(WindowSlotTable& t, int k, bool checked)
{
    t.setOpen(k, true);
    t.setSlotVisible(k, true);
    t.setSlotCaption(k, QStringLiteral("slot %1").arg(k));
    t.setSlotChecked(k, checked);
}

}  // namespace

TEST(WindowSlotTable, StartsWithEverySlotHiddenAndTheMenuVisible)
{
    WindowSlotTable t;
    EXPECT_TRUE(t.windowMenuVisible());
    for (int k = 0; k < kWindowSlotCount; ++k) {
        EXPECT_FALSE(t.slot(k).visible);
        EXPECT_FALSE(t.slot(k).checked);
        EXPECT_TRUE(t.slot(k).caption.isEmpty());
    }
    for (int f = 0; f < kEditorFlagCount; ++f)
        EXPECT_FALSE(t.isOpen(f));
}

TEST(WindowSlotTable, CheckWindowSlotTakesTheMarkFromVisibleSlotsOnly)
{
    WindowSlotTable t;
    Show(t, 0, true);
    Show(t, 4, true);
    t.setSlotChecked(2, true);  // hidden slot with a stale mark
    t.CheckWindowSlot(6);
    EXPECT_TRUE(t.slot(6).checked);
    EXPECT_FALSE(t.slot(0).checked);
    EXPECT_FALSE(t.slot(4).checked);
    EXPECT_TRUE(t.slot(2).checked) << "hidden slots are not touched";
}

TEST(WindowSlotTable, ShowSlotCheckedLeavesAVisibleSlotAlone)
{
    WindowSlotTable t;
    Show(t, 0, true);
    t.ShowSlotChecked(4, QStringLiteral(" DTMF"));
    EXPECT_TRUE(t.slot(4).visible);
    EXPECT_EQ(t.slot(4).caption, " DTMF");
    EXPECT_TRUE(t.slot(4).checked);
    EXPECT_FALSE(t.slot(0).checked);

    t.CheckWindowSlot(0);
    t.ShowSlotChecked(4, QStringLiteral("other"));
    EXPECT_EQ(t.slot(4).caption, " DTMF");
    EXPECT_FALSE(t.slot(4).checked);
    EXPECT_TRUE(t.slot(0).checked);
}

TEST(WindowSlotTable, FreeingTheLastSlotHidesTheMenu)
{
    WindowSlotTable t;
    Show(t, 0, false);
    Show(t, 7, true);
    t.FreeWindowSlot(7);
    EXPECT_FALSE(t.isOpen(EmbedInfoFormOpen));
    EXPECT_FALSE(t.slot(7).visible);
    EXPECT_TRUE(t.windowMenuVisible()) << "the channel list is still open";
    t.FreeWindowSlot(0);
    EXPECT_FALSE(t.windowMenuVisible());
}

TEST(WindowSlotTable, AnOpenTreeViewOrHiddenWindowKeepsTheMenu)
{
    WindowSlotTable t;
    t.setOpen(TreeViewFormOpen, true);
    t.HideWindowMenuIfNoEditor();
    EXPECT_TRUE(t.windowMenuVisible());

    t.setOpen(TreeViewFormOpen, false);
    t.setOpen(ScanFormOpen, true);  // open but hidden by Close All: slot hidden
    t.HideWindowMenuIfNoEditor();
    EXPECT_TRUE(t.windowMenuVisible());

    t.setOpen(ScanFormOpen, false);
    t.HideWindowMenuIfNoEditor();
    EXPECT_FALSE(t.windowMenuVisible());
}

TEST(WindowSlotTable, ReportsChangesOnlyWhenSomethingChanged)
{
    WindowSlotTable t;
    QSignalSpy spy(&t, &WindowSlotTable::changed);
    t.setWindowMenuVisible(true);
    t.setSlotVisible(3, false);
    t.setOpen(3, false);
    EXPECT_EQ(spy.count(), 0);
    t.ShowSlotChecked(3, QStringLiteral(" Scan Information"));
    EXPECT_GE(spy.count(), 3);
}

TEST(EditorFrameRules, BackingPanelIsTheClientLessTwentyTwipsNeverNegative)
{
    const std::pair<int, int> cases[] = {{0, 0}, {10, 0}, {20, 0}, {21, 1}, {1500, 1480}, {-40, 0}};
    for (auto [client, panel] : cases)
        EXPECT_EQ(BackingPanelExtent(client), panel) << "client " << client;
}
