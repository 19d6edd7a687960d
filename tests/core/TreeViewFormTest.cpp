// The tree view navigator: its nodes, Enter and the double-click rule, the
// order of raising and showing, and its closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/MainWindowShown.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "channels/ui/ChannelForm.h"
#include "core/ui/EditorWindowFrame.h"
#include "app/MDIForm1.h"
#include "core/ui/TreeViewForm.h"
#include "platform/SettingsStore.h"

using namespace zx;

namespace {

class TreeViewFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test::ShowFreshMainWindow(main_, 900, 700, test::Activate::No));
    }

    TreeViewForm* Loaded() const { return qobject_cast<TreeViewForm*>(main_->windows().treeView()); }
    TreeViewForm& Open()
    {
        main_->action("MnuViewTreeView")->trigger();
        TreeViewForm* form = Loaded();
        EXPECT_NE(form, nullptr);
        form->setTickSource([this] { return now_; });
        return *form;
    }
    void Unload()
    {
        if (TreeViewForm* form = Loaded())
            form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // An editor window of the frame standing in for slot k's window. It
    // records being loaded, being raised while still hidden, and being shown.
    void AddEditorWindow(int slot)
    {
        windowEvents_.calls = &calls_;
        main_->windows().RegisterWindow(slot, [this, slot] {
            calls_ << QStringLiteral("load editor%1").arg(slot);
            auto* w = new EditorWindowFrame(EditorWindowSetup{slot, -1, 1500, 2500, 1040 + slot, QStringLiteral("x"), 0});
            w->setObjectName(QStringLiteral("editor%1").arg(slot));
            w->installEventFilter(&windowEvents_);
            return w;
        });
    }
    EditorWindowFrame* Window(int slot) const { return main_->windows().window(slot); }
    struct WindowEvents : QObject {
        QStringList* calls = nullptr;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* window = qobject_cast<QMdiSubWindow*>(watched);
            if (!window || !calls)
                return false;
            if (event->type() == QEvent::ZOrderChange && !window->isVisible())
                *calls << QStringLiteral("raise %1").arg(window->objectName());
            if (event->type() == QEvent::Show)
                *calls << QStringLiteral("show %1").arg(window->objectName());
            return false;
        }
    } windowEvents_;
    const WindowSlot& Slot(int k) const { return core_.windowSlots.slot(k); }
    static QTreeWidgetItem* Node(TreeViewForm& form, int child) { return form.treView()->topLevelItem(0)->child(child); }
    void Select(TreeViewForm& form, int child)
    {
        form.treView()->setCurrentItem(Node(form, child));
        form.treView()->setFocus();
    }
    void ClickNode(TreeViewForm& form, int child)
    {
        const QRect rect = form.treView()->visualItemRect(Node(form, child));
        QTest::mouseClick(form.treView()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void DoubleClickNode(TreeViewForm& form, int child)
    {
        const QPoint pos = form.treView()->visualItemRect(Node(form, child)).center();
        QWidget* viewport = form.treView()->viewport();
        QMouseEvent event(QEvent::MouseButtonDblClick, pos, viewport->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    QList<QMdiSubWindow*> Stacking() const { return main_->mdiArea()->subWindowList(QMdiArea::StackingOrder); }

    AppCore core_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
    QStringList calls_;
    qint64 now_ = 1000;
};

}  // namespace

TEST_F(TreeViewFormTest, BuildsTheRootAndTheEightChildren)
{
    TreeViewForm& form = Open();
    EXPECT_TRUE(core_.windowSlots.isOpen(TreeViewFormOpen));
    EXPECT_EQ(form.windowTitle(), "Tree View");
    EXPECT_EQ(form.cmdClose()->text(), "&Close");
    EXPECT_FALSE(form.cmdHelp()->isVisible());
    EXPECT_EQ(form.cmdHelp()->text(), "&Help");
    EXPECT_EQ(form.treView()->property("helpContextId").toInt(), 8100);
    ASSERT_EQ(form.treView()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = form.treView()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "ZX-4100 (UHF)");
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), "R");
    EXPECT_FALSE(root->icon(0).isNull());
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(form.treView()->currentItem(), root);
    const QStringList texts = {" Channel Information", " Optional Features", " Key Assignment", " Scan Information",
                               " DTMF", " FleetSync", " Test Frequency", " Embedded Message"};
    ASSERT_EQ(root->childCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(root->child(i)->text(0), texts[i]);
        EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(), QStringLiteral("C%1").arg(i + 1));
        EXPECT_FALSE(root->child(i)->icon(0).isNull());
    }
    EXPECT_FALSE(form.NodeClicked());
    EXPECT_TRUE(form.treView()->hasFocus());
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
}

TEST_F(TreeViewFormTest, RootTextFollowsTheImagesModel)
{
    struct Case { int band, variant; const char* text; };
    for (const Case& c : {Case{0x09, 0xF9, "ZX-4100 (VHF)"}, Case{0x0A, 0xF9, "ZX-4100 (UHF)"},
                          Case{0x21, 0xF9, "ZX-4100 (UHF)"}, Case{0x01, 0xFF, ""}}) {
        core_.image.setModelBandCode(static_cast<std::uint8_t>(c.band));
        core_.image.setModelVariant(static_cast<std::uint8_t>(c.variant));
        TreeViewForm& form = Open();
        EXPECT_EQ(form.treView()->topLevelItem(0)->text(0), c.text) << c.band;
        EXPECT_EQ(form.treView()->topLevelItem(0)->childCount(), 8);
        Unload();
    }
}

TEST_F(TreeViewFormTest, EnterOnScanNodeOpensItsWindowBehindTheTree)
{
    AddEditorWindow(1);
    AddEditorWindow(3);
    main_->action("MnuEditOptionalFeatures")->trigger();
    core_.windowSlots.setSlotChecked(0, true);
    core_.windowSlots.setWindowMenuVisible(false);
    TreeViewForm& form = Open();
    calls_.clear();

    Select(form, 3);
    QTest::keyClick(form.treView(), Qt::Key_Return);

    EXPECT_EQ(calls_, QStringList({"load editor3", "raise editor3", "show editor3"}));
    EXPECT_TRUE(core_.windowSlots.isOpen(ScanFormOpen));
    EXPECT_TRUE(Slot(3).visible);
    EXPECT_EQ(Slot(3).caption, " Scan Information");
    EXPECT_TRUE(Slot(3).checked);
    EXPECT_FALSE(Slot(0).checked);
    EXPECT_FALSE(Slot(1).checked);
    EXPECT_EQ(main_->windowSlotAction(3)->text(), " Scan Information");
    ASSERT_NE(Window(3), nullptr);
    EXPECT_TRUE(Window(3)->isVisible());
    EXPECT_TRUE(core_.windowSlots.windowMenuVisible());
    const QList<QMdiSubWindow*> order = Stacking();
    ASSERT_GE(order.size(), 3);
    EXPECT_EQ(order.last(), &form);
    EXPECT_EQ(order[order.size() - 2], Window(3));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
    EXPECT_TRUE(form.treView()->hasFocus());
}

TEST_F(TreeViewFormTest, EnterOnAnOpenWindowLeavesTheWindowMenuAlone)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    Select(form, 3);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    core_.windowSlots.setSlotChecked(3, false);
    core_.windowSlots.setSlotCaption(3, "kept");
    core_.windowSlots.setSlotChecked(0, true);
    Window(3)->hide();

    QTest::keyClick(form.treView(), Qt::Key_Enter);
    // The node leaves the slot's caption alone; the check mark comes back
    // only through the scan window's own activation when it is shown.
    EXPECT_EQ(Slot(3).caption, "kept");
    EXPECT_TRUE(Slot(3).checked);
    EXPECT_FALSE(Slot(0).checked);
    EXPECT_TRUE(Window(3)->isVisible());
    EXPECT_EQ(Stacking().last(), &form);
}

TEST_F(TreeViewFormTest, ChannelNodeCaptionsSlotZeroWithTheGridChannel)
{
    // The channel list, closed by the user: hidden, flag and slot cleared.
    main_->channelForm()->cmdClose()->click();
    ASSERT_FALSE(main_->channelForm()->isVisible());
    core_.GridChannel = 12;
    TreeViewForm& form = Open();
    Select(form, 0);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(Slot(0).visible);
    EXPECT_EQ(Slot(0).caption, " Channel Information [ Channel - 12 ]");
    EXPECT_TRUE(core_.windowSlots.isOpen(ChannelFormOpen));
    EXPECT_TRUE(main_->channelForm()->isVisible());
}

TEST_F(TreeViewFormTest, EnterOnTheRootOpensNothingButShowsTheWindowMenu)
{
    AddEditorWindow(3);
    core_.windowSlots.setWindowMenuVisible(false);
    TreeViewForm& form = Open();
    calls_.clear();
    form.treView()->setFocus();
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(calls_.isEmpty());
    EXPECT_TRUE(core_.windowSlots.windowMenuVisible());
    EXPECT_TRUE(main_->windowMenu()->menuAction()->isVisible());
    for (int k = 1; k < 9; ++k)
        EXPECT_FALSE(Slot(k).visible);
}

TEST_F(TreeViewFormTest, NodeOfAWindowThatCannotLoadListsNoSlot)
{
    // With no window registered for the embedded message slot, the node,
    // like Edit > Embedded Message, marks nothing.
    main_->windows().RegisterWindow(7, {});
    core_.windowSlots.setWindowMenuVisible(false);
    TreeViewForm& form = Open();
    Select(form, 7);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_FALSE(core_.windowSlots.isOpen(EmbedInfoFormOpen));
    EXPECT_FALSE(Slot(7).visible);
    EXPECT_FALSE(main_->windowSlotAction(7)->isVisible());
    EXPECT_TRUE(core_.windowSlots.windowMenuVisible());
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
    EXPECT_TRUE(form.treView()->hasFocus());
}

TEST_F(TreeViewFormTest, DoubleClickOpensWithin500MsOfTheLatestNodeClick)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    calls_.clear();

    now_ = 5000;
    ClickNode(form, 3);
    EXPECT_TRUE(form.NodeClicked());
    EXPECT_EQ(form.treView()->currentItem(), Node(form, 3));
    now_ = 5499;
    DoubleClickNode(form, 3);
    EXPECT_EQ(calls_, QStringList({"load editor3", "raise editor3", "show editor3"}));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
}

TEST_F(TreeViewFormTest, DoubleClickAt500MsDoesNothingAtAll)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    core_.windowSlots.setWindowMenuVisible(false);
    calls_.clear();

    now_ = 5000;
    ClickNode(form, 3);
    now_ = 5500;
    form.cmdClose()->setFocus();
    DoubleClickNode(form, 3);
    EXPECT_TRUE(calls_.isEmpty());
    EXPECT_FALSE(Slot(3).visible);
    EXPECT_FALSE(core_.windowSlots.windowMenuVisible());
    EXPECT_TRUE(form.cmdClose()->hasFocus());
}

TEST_F(TreeViewFormTest, DoubleClickBeforeAnyNodeClickDoesNothing)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    calls_.clear();
    Select(form, 3);
    now_ = 1010;
    DoubleClickNode(form, 3);
    EXPECT_TRUE(calls_.isEmpty());
}

TEST_F(TreeViewFormTest, CloseButtonUnloadsAndTheNextOpeningBuildsAFreshTree)
{
    TreeViewForm& form = Open();
    now_ = 2000;
    ClickNode(form, 2);
    // Only the tree view is open: its closing hides the Window menu.
    core_.windowSlots.setOpen(ChannelFormOpen, false);
    QTest::mouseClick(form.cmdClose(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(core_.windowSlots.isOpen(TreeViewFormOpen));
    EXPECT_FALSE(core_.windowSlots.windowMenuVisible());
    EXPECT_EQ(Loaded(), nullptr);

    TreeViewForm& fresh = Open();
    EXPECT_FALSE(fresh.NodeClicked());
    EXPECT_EQ(fresh.treView()->currentItem(), fresh.treView()->topLevelItem(0));
}

TEST_F(TreeViewFormTest, OpeningAgainKeepsTheLoadedTree)
{
    TreeViewForm& form = Open();
    now_ = 3000;
    ClickNode(form, 5);
    main_->action("MnuWindowCloseAll")->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(core_.windowSlots.isOpen(TreeViewFormOpen));
    main_->action("MnuViewTreeView")->trigger();
    EXPECT_EQ(Loaded(), &form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.NodeClicked());
    EXPECT_EQ(form.treView()->currentItem(), Node(form, 5));
}

TEST_F(TreeViewFormTest, CloseBoxRunsTheUnloadOnce)
{
    TreeViewForm& form = Open();
    form.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(core_.windowSlots.isOpen(TreeViewFormOpen));
    EXPECT_EQ(Loaded(), nullptr);
    // The channel list is still open, so the Window menu stays.
    EXPECT_TRUE(core_.windowSlots.windowMenuVisible());
}

TEST_F(TreeViewFormTest, ChineseNodesOpenInChinese)
{
    core_.LanguageChinese = true;
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    EXPECT_EQ(form.windowTitle(), "树视图");
    EXPECT_EQ(Node(form, 3)->text(0), " 扫描信息");
    Select(form, 3);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_EQ(Slot(3).caption, " 扫描信息");
    // Nodes built in one language match nothing once the other is in force.
    core_.LanguageChinese = false;
    calls_.clear();
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(calls_.isEmpty());
}

TEST_F(TreeViewFormTest, UsersDoubleClickOnANodeOpensItsWindow)
{
    AddEditorWindow(4);
    main_->action("MnuViewTreeView")->trigger();  // the real millisecond clock
    TreeViewForm& form = *Loaded();
    calls_.clear();
    const QPoint pos = form.treView()->visualItemRect(Node(form, 4)).center();
    QTest::mouseClick(form.treView()->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(form.treView()->viewport(), Qt::LeftButton, {}, pos);
    EXPECT_TRUE(calls_.contains("load editor4"));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
}
