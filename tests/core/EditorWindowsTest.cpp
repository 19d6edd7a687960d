// The Window-menu slot protocol with real windows: editor windows built on the
// frame inside a main window's MDI area, opened and closed by the registry.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "common/RecordingWorkspace.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/DocumentCommands.h"
#include "core/EditorFrameRules.h"
#include "core/HelpTopicTable.h"
#include "core/StringTable.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/Twips.h"
#include "platform/ui/ScreenTwips.h"

using namespace zx;

namespace {

EditorWindowSetup SpecOf(int slot)
{
    switch (slot) {
    case 0: return {0, -1, 4000, 9000, 1040, "chinfo", 4100};
    case 1: return {1, -1, 6150, 9000, 1098, "optfeatures", 4200};
    case 2: return {2, -1, 4905, 6600, 1141, "keyassign", 4300};
    case 3: return {3, -1, 5175, 5895, 1142, "scaninfo", 4400};
    case 4: return {4, -1, 6285, 5070, 1123, "dtmf", 4500};
    case 5: return {5, -1, 5320, 6750, 1045, "fleetsync", 4600};
    case 6: return {6, -1, 5770, 4215, 1185, "testfreq", 4700};
    case 7: return {7, -1, 2505, 4965, 1047, "embmsg", 4800};
    case 8: return {8, -1, 5640, 6570, 1048, "chedit", 4110, false};
    default: return {-1, TreeViewFormOpen, 3000, 3000, 1031, "treeview", 8100};
    }
}

// An editor window with one field, as later windows build theirs.
class TestEditorWindow : public EditorWindowFrame {
public:
    explicit TestEditorWindow(const EditorWindowSetup& setup) : EditorWindowFrame(setup)
    {
        field = new QLineEdit(panel());
        field->setObjectName("field");
        field->setGeometry(10, 10, 120, 24);
        field->setProperty(kHelpContextIdProperty, setup.helpContextId + 1);
        cmdClose()->setGeometry(10, 40, 80, 24);
    }
    QLineEdit* field;
};

// The channel list keeps its window: closing only hides it.
class StandInChannelWindow : public TestEditorWindow {
public:
    StandInChannelWindow() : TestEditorWindow(SpecOf(0)) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        hide();
        WindowSlotTable& table = Core().windowSlots;
        table.setOpen(ChannelFormOpen, false);
        table.setOpen(ChannelEditFormOpen, false);
        table.HideWindowMenuIfNoEditor();
        table.setSlotVisible(0, false);
        event->ignore();
    }
};

class EditorWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core.InitAllFrameData();
        main.resize(1200, 900);
        area = new QMdiArea;
        main.setCentralWidget(area);
        registry = std::make_unique<EditorWindowRegistry>(area);
        for (int k = 0; k <= kWindowSlotCount; ++k) {
            auto factory = [this, k]() -> EditorWindowFrame* {
                ++created[k];
                EditorWindowFrame* w = k == 0 ? new StandInChannelWindow : new TestEditorWindow(SpecOf(k));
                QObject::connect(w, &EditorWindowFrame::unloaded, [this, k] { unloadOrder.push_back(k); });
                return w;
            };
            if (k == kWindowSlotCount)
                registry->RegisterTreeView(factory);
            else
                registry->RegisterWindow(k, factory);
        }
        windowMenu = main.menuBar()->addMenu("&Window");
        QList<QAction*> slotActions;
        for (int k = 0; k < kWindowSlotCount; ++k)
            slotActions << windowMenu->addAction(QString());
        registry->BindWindowMenu(windowMenu->menuAction(), slotActions);

        // Start-up: the channel list is open and listed in slot 0.
        WindowSlotTable& table = core.windowSlots;
        table.setOpen(ChannelFormOpen, true);
        table.setSlotVisible(0, true);
        table.setSlotCaption(0, " Channel Information [ Channel - 1 ]");
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, zx::test::kHangGuardMs));
        QApplication::setActiveWindow(&main);
        EditorWindowFrame* channel = registry->Load(0);
        channel->show();
        area->setActiveSubWindow(channel);
    }

    TestEditorWindow* Window(int k) const { return static_cast<TestEditorWindow*>(registry->window(k)); }
    const WindowSlotTable& Table() const { return core.windowSlots; }
    QAction* SlotAction(int k) const { return windowMenu->actions().at(k); }

    std::vector<int> VisibleSlots() const
    {
        std::vector<int> v;
        for (int k = 0; k < kWindowSlotCount; ++k) {
            if (Table().slot(k).visible)
                v.push_back(k);
        }
        return v;
    }
    std::vector<int> CheckedVisibleSlots() const
    {
        std::vector<int> v;
        for (int k = 0; k < kWindowSlotCount; ++k) {
            if (Table().slot(k).visible && Table().slot(k).checked)
                v.push_back(k);
        }
        return v;
    }
    QMdiSubWindow* Front() const { return area->subWindowList(QMdiArea::StackingOrder).last(); }

    static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    AppCore core;
    test::ScriptedPrompts prompts;
    QMainWindow main;
    QMdiArea* area = nullptr;
    QMenu* windowMenu = nullptr;
    std::unique_ptr<EditorWindowRegistry> registry;
    int created[kWindowSlotCount + 1] = {};
    std::vector<int> unloadOrder;
};

}  // namespace

TEST_F(EditorWindowsTest, OpeningAnEditorListsAndMarksItsSlot)
{
    registry->OpenEditorWindow(4);
    EXPECT_TRUE(Table().isOpen(DTMFFormOpen));
    EXPECT_EQ(VisibleSlots(), (std::vector<int>{0, 4}));
    EXPECT_EQ(Table().slot(4).caption, " DTMF");
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{4}));
    ASSERT_NE(Window(4), nullptr);
    EXPECT_TRUE(Window(4)->isVisible());
    EXPECT_EQ(area->activeSubWindow(), Window(4));
    EXPECT_EQ(Front(), Window(4));
    EXPECT_EQ(Window(4)->windowTitle(), "DTMF");

    // The real menu mirrors the table.
    EXPECT_TRUE(windowMenu->menuAction()->isVisible());
    EXPECT_TRUE(SlotAction(4)->isVisible());
    EXPECT_EQ(SlotAction(4)->text(), " DTMF");
    EXPECT_TRUE(SlotAction(4)->isChecked());
    EXPECT_FALSE(SlotAction(0)->isChecked());
    EXPECT_FALSE(SlotAction(3)->isVisible());
}

TEST_F(EditorWindowsTest, OpeningAnOpenEditorAgainOnlyBringsItForward)
{
    registry->OpenEditorWindow(3);
    registry->OpenEditorWindow(4);
    TestEditorWindow* dtmf = Window(4);
    Window(3)->raise();  // in front, but DTMF stays the active window
    std::vector<WindowSlot> before;
    for (int k = 0; k < kWindowSlotCount; ++k)
        before.push_back(Table().slot(k));

    registry->OpenEditorWindow(4);
    EXPECT_EQ(Window(4), dtmf);
    EXPECT_EQ(created[4], 1);
    EXPECT_EQ(Front(), dtmf);
    for (int k = 0; k < kWindowSlotCount; ++k)
        EXPECT_EQ(Table().slot(k), before[static_cast<std::size_t>(k)]) << "the Window menu does not change: " << k;
}

TEST_F(EditorWindowsTest, OpeningAnInactiveOpenEditorActivatesIt)
{
    registry->OpenEditorWindow(4);
    registry->OpenEditorWindow(3);
    registry->OpenEditorWindow(4);
    EXPECT_EQ(area->activeSubWindow(), Window(4));
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{4})) << "its activation marks its slot";
    EXPECT_EQ(Table().slot(4).caption, " DTMF");
}

TEST_F(EditorWindowsTest, ActivationMovesTheMarkButTheChannelEditorsDoesNot)
{
    registry->OpenEditorWindow(1);
    registry->OpenEditorWindow(8);
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{8})) << "the opener marks slot 8";
    area->setActiveSubWindow(Window(1));
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{1}));
    area->setActiveSubWindow(Window(8));
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{1})) << "the channel editor has no activation handler";
}

TEST_F(EditorWindowsTest, CloseAllHidesThenTheNextOpeningShowsTheSameWindow)
{
    registry->OpenEditorWindow(2);
    registry->OpenEditorWindow(3);
    registry->OpenEditorWindow(4);
    Window(3)->field->setText("edited");
    TestEditorWindow* scan = Window(3);

    registry->CloseAll();
    EXPECT_FALSE(Table().windowMenuVisible());
    EXPECT_TRUE(VisibleSlots().empty());
    for (int k : {0, 2, 3, 4}) {
        EXPECT_TRUE(Table().isOpen(k)) << k;
        ASSERT_NE(Window(k), nullptr);
        EXPECT_FALSE(Window(k)->isVisible()) << k;
    }
    EXPECT_FALSE(windowMenu->menuAction()->isVisible());

    registry->OpenEditorWindow(3);
    EXPECT_TRUE(Table().windowMenuVisible());
    EXPECT_EQ(VisibleSlots(), (std::vector<int>{3}));
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{3}));
    EXPECT_EQ(Window(3), scan);
    EXPECT_EQ(created[3], 1);
    EXPECT_EQ(scan->field->text(), "edited");
    EXPECT_TRUE(scan->isVisible());
    EXPECT_FALSE(Window(2)->isVisible());
    EXPECT_FALSE(Window(4)->isVisible());
}

TEST_F(EditorWindowsTest, CloseAllThenOpenAndCloseLeavesTheMenuWithNoSlot)
{
    registry->OpenEditorWindow(3);
    registry->CloseAll();
    registry->OpenEditorWindow(4);
    QTest::mouseClick(Window(4)->cmdClose(), Qt::LeftButton);
    EXPECT_FALSE(Table().isOpen(DTMFFormOpen));
    EXPECT_FALSE(Table().slot(4).visible);
    EXPECT_TRUE(Table().windowMenuVisible()) << "the hidden windows are still open";
    EXPECT_TRUE(VisibleSlots().empty());
    EXPECT_EQ(registry->window(4), nullptr);
    FlushDeletes();
}

TEST_F(EditorWindowsTest, CloseButtonOfTheLastWindowHidesTheMenuAndTheNextOpeningLoadsAnew)
{
    Window(0)->close();  // the channel list closed by the user: hidden only
    EXPECT_FALSE(Table().isOpen(ChannelFormOpen));
    registry->OpenEditorWindow(7);
    Window(7)->field->setText("stale");
    QTest::mouseClick(Window(7)->cmdClose(), Qt::LeftButton);
    EXPECT_FALSE(Table().isOpen(EmbedInfoFormOpen));
    EXPECT_FALSE(Table().slot(7).visible);
    EXPECT_FALSE(Table().windowMenuVisible());
    EXPECT_EQ(unloadOrder, (std::vector<int>{7}));
    FlushDeletes();

    registry->OpenEditorWindow(7);
    EXPECT_EQ(created[7], 2) << "a fresh window is loaded";
    EXPECT_TRUE(Window(7)->field->text().isEmpty());
    EXPECT_TRUE(Table().windowMenuVisible());
}

TEST_F(EditorWindowsTest, TheCloseBoxDoesWhatTheCloseButtonDoes)
{
    registry->OpenEditorWindow(3);
    QPointer<EditorWindowFrame> scan = Window(3);
    scan->close();
    EXPECT_FALSE(Table().isOpen(ScanFormOpen));
    EXPECT_FALSE(Table().slot(3).visible);
    EXPECT_TRUE(Table().windowMenuVisible());
    EXPECT_EQ(registry->window(3), nullptr);
    FlushDeletes();
    EXPECT_TRUE(scan.isNull()) << "the instance is destroyed";
}

TEST_F(EditorWindowsTest, NewUnloadsTheEditorsInOrderAndRestoresTheChannelList)
{
    registry->OpenEditorWindow(4);
    registry->OpenEditorWindow(3);
    registry->OpenTreeView();
    registry->OpenEditorWindow(8);
    Window(0)->showMaximized();
    ASSERT_TRUE(Window(0)->isMaximized());

    // The registry's part of the main window's workspace.
    using Fixture = std::remove_pointer_t<decltype(this)>;
    struct RegistryWorkspace : test::RecordingWorkspace {
        Fixture* test = nullptr;
        void CloseEditorWindows() override { test->registry->CloseEditorWindows(); }
        void ShowChannelWindow() override { test->Window(0)->show(); }
        void RestoreChannelWindow() override { test->registry->RestoreChannelWindow(); }
    } workspace;
    workspace.test = this;
    DocumentCommands commands(workspace);
    prompts.answer(MsgResult::Ok);
    commands.NewDocument();

    EXPECT_EQ(unloadOrder, (std::vector<int>{3, 4, kWindowSlotCount, 8})) << "scan, DTMF, tree view, channel editor";
    EXPECT_EQ(VisibleSlots(), (std::vector<int>{0}));
    for (int k = 1; k < kEditorFlagCount; ++k)
        EXPECT_FALSE(Table().isOpen(k)) << k;
    EXPECT_FALSE(Window(0)->isMaximized());
    EXPECT_FALSE(Window(0)->isMinimized());
    EXPECT_EQ(Window(0)->pos(), QPoint(0, 0));
    EXPECT_EQ(Table().slot(0).caption, " Channel Information [ Channel-1 ]");
    FlushDeletes();
}

TEST_F(EditorWindowsTest, CloseEditorWindowsUnloadsHiddenWindowsToo)
{
    registry->OpenEditorWindow(5);
    registry->OpenTreeView();
    registry->CloseAll();
    registry->CloseEditorWindows();
    EXPECT_EQ(unloadOrder, (std::vector<int>{5, kWindowSlotCount}));
    EXPECT_EQ(registry->window(5), nullptr);
    EXPECT_EQ(registry->treeView(), nullptr);
    ASSERT_NE(Window(0), nullptr) << "the channel list is never unloaded here";
    FlushDeletes();
}

TEST_F(EditorWindowsTest, RestoreChannelWindowDoesNotShowIt)
{
    Window(0)->showMinimized();
    Window(0)->hide();
    registry->RestoreChannelWindow();
    EXPECT_FALSE(Window(0)->isVisible());
    EXPECT_FALSE(Window(0)->isMinimized());
    EXPECT_EQ(Window(0)->pos(), QPoint(0, 0));
}

TEST_F(EditorWindowsTest, ASlotClickOnAMinimizedWindowKeepsItMinimized)
{
    registry->OpenEditorWindow(4);
    registry->OpenEditorWindow(3);
    Window(4)->showMinimized();
    area->setActiveSubWindow(Window(3));
    ASSERT_EQ(CheckedVisibleSlots(), (std::vector<int>{3}));

    SlotAction(4)->trigger();
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{4}));
    EXPECT_TRUE(SlotAction(4)->isChecked());
    EXPECT_FALSE(SlotAction(3)->isChecked());
    EXPECT_TRUE(Window(4)->isMinimized());
    EXPECT_EQ(Front(), Window(4));
}

TEST_F(EditorWindowsTest, ChannelInformationShowsTheClosedChannelListAgain)
{
    EditorWindowFrame* channel = Window(0);
    channel->close();  // hidden, not unloaded
    ASSERT_FALSE(Table().slot(0).visible);
    core.GridChannel = 12;
    registry->OpenEditorWindow(0);
    EXPECT_TRUE(Table().isOpen(ChannelFormOpen));
    EXPECT_EQ(Table().slot(0).caption, " Channel Information [ Channel - 12 ]");
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{0}));
    EXPECT_EQ(Window(0), channel);
    EXPECT_TRUE(channel->isVisible());
    EXPECT_EQ(created[0], 1);

    core.LanguageChinese = true;
    channel->close();
    registry->OpenEditorWindow(0);
    EXPECT_EQ(Table().slot(0).caption, QString::fromUtf8(" 信道信息 [ 信道 - 12 ]"));
}

TEST_F(EditorWindowsTest, ClickingTheMarkedSlotKeepsItsMark)
{
    registry->OpenEditorWindow(4);
    ASSERT_TRUE(SlotAction(4)->isChecked());
    SlotAction(4)->trigger();
    EXPECT_TRUE(SlotAction(4)->isChecked());
    EXPECT_TRUE(Table().slot(4).checked);
}

TEST_F(EditorWindowsTest, AWindowWithoutFactoryIsNotListed)
{
    EditorWindowRegistry bare(area);
    bare.OpenEditorWindow(5);
    bare.OpenTreeView();
    EXPECT_FALSE(Table().isOpen(FleetsyncFormOpen));
    EXPECT_FALSE(Table().isOpen(TreeViewFormOpen));
    EXPECT_FALSE(Table().slot(5).visible);
}

TEST_F(EditorWindowsTest, ASlotClickActivatesANormalWindow)
{
    registry->OpenEditorWindow(4);
    registry->OpenEditorWindow(3);
    SlotAction(4)->trigger();
    EXPECT_EQ(area->activeSubWindow(), Window(4));
    EXPECT_EQ(CheckedVisibleSlots(), (std::vector<int>{4}));
}

TEST_F(EditorWindowsTest, TheTreeViewKeepsTheMenuWithoutASlot)
{
    registry->OpenTreeView();
    EXPECT_TRUE(Table().isOpen(TreeViewFormOpen));
    EXPECT_EQ(VisibleSlots(), (std::vector<int>{0})) << "the tree view has no slot";
    Window(0)->close();
    EXPECT_TRUE(VisibleSlots().empty());
    EXPECT_TRUE(Table().windowMenuVisible()) << "the open tree view keeps the Window menu";
    registry->treeView()->close();
    EXPECT_FALSE(Table().isOpen(TreeViewFormOpen));
    EXPECT_FALSE(Table().windowMenuVisible());
    FlushDeletes();
}

TEST_F(EditorWindowsTest, OpeningTheTreeViewLeavesTheWindowMenuAlone)
{
    Window(0)->close();
    ASSERT_FALSE(Table().windowMenuVisible());
    registry->OpenTreeView();
    EXPECT_FALSE(Table().windowMenuVisible());
    EXPECT_TRUE(registry->treeView()->isVisible());
}

TEST_F(EditorWindowsTest, TheFrameLoadsWithItsSizeCaptionAndButtons)
{
    registry->OpenEditorWindow(2);
    TestEditorWindow* w = Window(2);
    EXPECT_EQ(w->size(), QSize(TwipsToPixelsX(6600), TwipsToPixelsY(4905)));
    EXPECT_EQ(w->windowTitle(), "Key Assignment");
    EXPECT_EQ(w->cmdClose()->text(), "&Close");
    EXPECT_EQ(w->cmdHelp()->text(), "&Help");
    EXPECT_FALSE(w->cmdHelp()->isVisibleTo(w));
    EXPECT_EQ(w->property(kHelpContextIdProperty).toInt(), 4300);
    EXPECT_EQ(w->cmdClose()->property(kHelpContextIdProperty).toInt(), 4300);
}

namespace {
// The panel's extent in pixels for a client extent in pixels: the client less
// 20 twips, never negative.
int ExpectedPanel(int clientPixels, double dpi)
{
    const int clientTwips = static_cast<int>(PixelsToTwips(clientPixels, dpi) + 0.5);
    return TwipsToPixels(BackingPanelExtent(clientTwips), dpi);
}
}  // namespace

TEST_F(EditorWindowsTest, TheBackingPanelFollowsTheClientArea)
{
    registry->OpenEditorWindow(2);
    TestEditorWindow* w = Window(2);
    QFrame* panel = w->panel();
    const double dpiX = ScreenLogicalDpiX();
    const double dpiY = ScreenLogicalDpiY();
    auto expectFitted = [&] {
        EXPECT_EQ(panel->pos(), QPoint(0, 0));
        EXPECT_EQ(panel->width(), ExpectedPanel(w->client()->width(), dpiX));
        EXPECT_EQ(panel->height(), ExpectedPanel(w->client()->height(), dpiY));
        EXPECT_LT(panel->width(), w->client()->width());
    };
    expectFitted();
    EXPECT_EQ(panel->frameShape(), QFrame::Box);

    w->showMaximized();
    ASSERT_TRUE(w->isMaximized());
    expectFitted();
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    EXPECT_GT(panel->width(), TwipsToPixelsX(6600) - 40) << "the maximized client is the whole area";

    w->showNormal();
    expectFitted();
    EXPECT_EQ(panel->frameShape(), QFrame::Box);

    w->resize(w->width() + 50, w->height() + 30);
    expectFitted();

    const QSize before = panel->size();
    w->showMinimized();
    ASSERT_TRUE(w->isMinimized());
    EXPECT_EQ(panel->size(), before) << "a minimized window keeps the panel's size";
}

TEST_F(EditorWindowsTest, TileHorizontallyStacksTheWindowsOverTheFullWidth)
{
    for (int k : {1, 2, 3})
        registry->OpenEditorWindow(k);
    Window(0)->hide();
    registry->TileHorizontally();
    const QRect area_ = area->viewport()->rect();
    int y = 0;
    for (int k : {1, 2, 3}) {
        const QRect g = Window(k)->geometry();
        EXPECT_EQ(g.x(), 0) << k;
        EXPECT_EQ(g.width(), area_.width()) << k;
        EXPECT_EQ(g.y(), y) << k;
        y += g.height();
    }
    EXPECT_EQ(y, area_.height());
}

TEST_F(EditorWindowsTest, TileVerticallyPutsTheWindowsSideBySide)
{
    for (int k : {1, 2, 3})
        registry->OpenEditorWindow(k);
    registry->TileVertically();
    const QRect area_ = area->viewport()->rect();
    int x = 0;
    for (int k : {0, 1, 2, 3}) {
        const QRect g = Window(k)->geometry();
        EXPECT_EQ(g.y(), 0) << k;
        EXPECT_EQ(g.height(), area_.height()) << k;
        EXPECT_EQ(g.x(), x) << k;
        x += g.width();
    }
    EXPECT_EQ(x, area_.width());
}

TEST_F(EditorWindowsTest, TilingLeavesMinimizedWindowsAndTheirRowAlone)
{
    registry->OpenEditorWindow(1);
    registry->OpenEditorWindow(2);
    Window(2)->showMinimized();
    registry->ArrangeIcons();
    const QRect icon = Window(2)->geometry();
    registry->TileVertically();
    EXPECT_TRUE(Window(2)->isMinimized());
    EXPECT_EQ(Window(2)->geometry(), icon);
    EXPECT_LE(Window(1)->geometry().bottom(), icon.top() - 1) << "the icon row stays free";
}

TEST_F(EditorWindowsTest, ArrangeIconsLinesMinimizedWindowsUpAlongTheBottom)
{
    for (int k : {1, 2, 3})
        registry->OpenEditorWindow(k);
    for (int k : {1, 2, 3}) {
        Window(k)->showMinimized();
        Window(k)->move(300 + 10 * k, 100 + 20 * k);
    }
    const QRect normal = Window(0)->geometry();
    registry->ArrangeIcons();
    const int bottom = area->viewport()->rect().bottom();
    int x = 0;
    for (int k : {1, 2, 3}) {
        const QRect g = Window(k)->geometry();
        EXPECT_EQ(g.x(), x) << k;
        EXPECT_EQ(g.bottom(), bottom) << k;
        x += g.width();
    }
    EXPECT_EQ(Window(0)->geometry(), normal) << "a normal window does not move";
}

TEST_F(EditorWindowsTest, CascadeOffsetsEachWindow)
{
    for (int k : {1, 2})
        registry->OpenEditorWindow(k);
    registry->Cascade();
    const QPoint p0 = Window(0)->pos();
    const QPoint p1 = Window(1)->pos();
    const QPoint p2 = Window(2)->pos();
    EXPECT_NE(p0, p1);
    EXPECT_NE(p1, p2);
    EXPECT_EQ(Table().slot(1).visible, true) << "slots do not change";
}
