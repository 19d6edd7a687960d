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

#include "HookRecorder.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ui/CoreDialogCommands.h"
#include "core/ui/MDIForm1.h"
#include "core/ui/TreeViewForm.h"
#include "platform/SettingsStore.h"

using namespace zx;

namespace {

class TreeViewFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        AttachCoreDialogCommands(*main_, recorder_.hooks());
        main_->resize(900, 700);
        main_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    }
    void TearDown() override { UnloadTreeViewForm(); }

    TreeViewForm& Open()
    {
        main_->action("MnuViewTreeView")->trigger();
        TreeViewForm* form = LoadedTreeViewForm();
        EXPECT_NE(form, nullptr);
        form->setTickSource([this] { return now_; });
        return *form;
    }
    // A loaded editor window of the frame standing in for slot k's window.
    // Like a real editor window it becomes the active child when shown; it
    // records being raised while still hidden, and being shown.
    QMdiSubWindow* AddEditorWindow(int slot)
    {
        auto* window = main_->mdiArea()->addSubWindow(new QWidget);
        window->setObjectName(QStringLiteral("editor%1").arg(slot));
        window->resize(200, 150);
        window->hide();
        window->installEventFilter(&windowEvents_);
        windowEvents_.area = main_->mdiArea();
        windowEvents_.calls = &recorder_.calls;
        recorder_.windows[slot] = window;
        return window;
    }
    struct WindowEvents : QObject {
        QMdiArea* area = nullptr;
        QStringList* calls = nullptr;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* window = qobject_cast<QMdiSubWindow*>(watched);
            if (!window)  // being destroyed
                return false;
            if (event->type() == QEvent::ZOrderChange && calls && !window->isVisible())
                *calls << QStringLiteral("raise %1").arg(window->objectName());
            if (event->type() == QEvent::Show) {
                if (calls)
                    *calls << QStringLiteral("show %1").arg(window->objectName());
                area->setActiveSubWindow(window);
            }
            return false;
        }
    } windowEvents_;
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
    test::HookRecorder recorder_;
    std::unique_ptr<MDIForm1> main_;
    qint64 now_ = 1000;
};

}  // namespace

TEST_F(TreeViewFormTest, BuildsTheRootAndTheEightChildren)
{
    TreeViewForm& form = Open();
    EXPECT_EQ(recorder_.calls, QStringList({"setTreeViewFormOpen(1)"}));
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
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), TreeViewSubWindow());
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
        UnloadTreeViewForm();
    }
}

TEST_F(TreeViewFormTest, EnterOnScanNodeOpensItsWindowBehindTheTree)
{
    QMdiSubWindow* other = AddEditorWindow(1);
    other->show();
    QMdiSubWindow* scan = AddEditorWindow(3);
    main_->windowSlotAction(1)->setVisible(true);
    main_->windowSlotAction(1)->setChecked(true);
    main_->windowSlotAction(0)->setChecked(true);
    main_->windowMenu()->menuAction()->setVisible(false);
    TreeViewForm& form = Open();
    recorder_.calls.clear();

    Select(form, 3);
    QTest::keyClick(form.treView(), Qt::Key_Return);

    EXPECT_EQ(recorder_.calls,
              QStringList({"setEditorWindowOpen(3)", "editorWindow(3)", "raise editor3", "show editor3"}));
    QAction* slot3 = main_->windowSlotAction(3);
    EXPECT_TRUE(slot3->isVisible());
    EXPECT_EQ(slot3->text(), " Scan Information");
    EXPECT_TRUE(slot3->isChecked());
    EXPECT_FALSE(main_->windowSlotAction(0)->isChecked());
    EXPECT_FALSE(main_->windowSlotAction(1)->isChecked());
    EXPECT_TRUE(scan->isVisible());
    EXPECT_TRUE(main_->windowMenu()->menuAction()->isVisible());
    const QList<QMdiSubWindow*> order = Stacking();
    ASSERT_GE(order.size(), 3);
    EXPECT_EQ(order.last(), TreeViewSubWindow());
    EXPECT_EQ(order[order.size() - 2], scan);
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), TreeViewSubWindow());
    EXPECT_TRUE(form.treView()->hasFocus());
}

TEST_F(TreeViewFormTest, EnterOnAnOpenWindowLeavesTheWindowMenuAlone)
{
    QMdiSubWindow* scan = AddEditorWindow(3);
    TreeViewForm& form = Open();
    Select(form, 3);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    QAction* slot3 = main_->windowSlotAction(3);
    slot3->setChecked(false);
    slot3->setText("kept");
    main_->windowSlotAction(0)->setChecked(true);
    scan->hide();

    QTest::keyClick(form.treView(), Qt::Key_Enter);
    EXPECT_EQ(slot3->text(), "kept");
    EXPECT_FALSE(slot3->isChecked());
    EXPECT_TRUE(main_->windowSlotAction(0)->isChecked());
    EXPECT_TRUE(scan->isVisible());
    EXPECT_EQ(Stacking().last(), TreeViewSubWindow());
}

TEST_F(TreeViewFormTest, ChannelNodeCaptionsSlotZeroWithTheGridChannel)
{
    core_.GridChannel = 12;
    core_.life.ChannelFormOpen = false;
    main_->windowSlotAction(0)->setVisible(false);
    TreeViewForm& form = Open();
    Select(form, 0);
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(main_->windowSlotAction(0)->isVisible());
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " Channel Information [ Channel - 12 ]");
    EXPECT_TRUE(core_.life.ChannelFormOpen);
    EXPECT_TRUE(recorder_.calls.contains("setEditorWindowOpen(0)"));
}

TEST_F(TreeViewFormTest, EnterOnTheRootOpensNothingButShowsTheWindowMenu)
{
    main_->windowMenu()->menuAction()->setVisible(false);
    TreeViewForm& form = Open();
    recorder_.calls.clear();
    form.treView()->setFocus();
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(recorder_.calls.isEmpty());
    EXPECT_TRUE(main_->windowMenu()->menuAction()->isVisible());
    for (int k = 1; k < 9; ++k)
        EXPECT_FALSE(main_->windowSlotAction(k)->isVisible());
}

TEST_F(TreeViewFormTest, DoubleClickOpensWithin500MsOfTheLatestNodeClick)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    recorder_.calls.clear();

    now_ = 5000;
    ClickNode(form, 3);
    EXPECT_TRUE(form.NodeClicked());
    EXPECT_EQ(form.treView()->currentItem(), Node(form, 3));
    now_ = 5499;
    DoubleClickNode(form, 3);
    ASSERT_GE(recorder_.calls.size(), 2);
    EXPECT_EQ(recorder_.calls.mid(0, 2), QStringList({"setEditorWindowOpen(3)", "editorWindow(3)"}));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), TreeViewSubWindow());
}

TEST_F(TreeViewFormTest, DoubleClickAt500MsDoesNothingAtAll)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    main_->windowMenu()->menuAction()->setVisible(false);
    recorder_.calls.clear();

    now_ = 5000;
    ClickNode(form, 3);
    now_ = 5500;
    form.cmdClose()->setFocus();
    DoubleClickNode(form, 3);
    EXPECT_TRUE(recorder_.calls.isEmpty());
    EXPECT_FALSE(main_->windowSlotAction(3)->isVisible());
    EXPECT_FALSE(main_->windowMenu()->menuAction()->isVisible());
    EXPECT_TRUE(form.cmdClose()->hasFocus());
}

TEST_F(TreeViewFormTest, DoubleClickBeforeAnyNodeClickDoesNothing)
{
    AddEditorWindow(3);
    TreeViewForm& form = Open();
    recorder_.calls.clear();
    Select(form, 3);
    now_ = 1010;
    DoubleClickNode(form, 3);
    EXPECT_TRUE(recorder_.calls.isEmpty());
}

TEST_F(TreeViewFormTest, CloseButtonUnloadsAndTheNextOpeningBuildsAFreshTree)
{
    TreeViewForm& form = Open();
    now_ = 2000;
    ClickNode(form, 2);
    recorder_.calls.clear();
    QTest::mouseClick(form.cmdClose(), Qt::LeftButton);
    EXPECT_EQ(recorder_.calls, QStringList({"setTreeViewFormOpen(0)", "hideWindowMenuIfNoEditor",
                                            "setTreeViewFormOpen(0)", "hideWindowMenuIfNoEditor"}));
    EXPECT_EQ(LoadedTreeViewForm(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    TreeViewForm& fresh = Open();
    EXPECT_FALSE(fresh.NodeClicked());
    EXPECT_EQ(fresh.treView()->currentItem(), fresh.treView()->topLevelItem(0));
}

TEST_F(TreeViewFormTest, OpeningAgainKeepsTheLoadedTree)
{
    TreeViewForm& form = Open();
    now_ = 3000;
    ClickNode(form, 5);
    TreeViewSubWindow()->hide();  // as Close All Windows leaves it
    main_->action("MnuViewTreeView")->trigger();
    EXPECT_EQ(LoadedTreeViewForm(), &form);
    EXPECT_TRUE(TreeViewSubWindow()->isVisible());
    EXPECT_TRUE(form.NodeClicked());
    EXPECT_EQ(form.treView()->currentItem(), Node(form, 5));
}

TEST_F(TreeViewFormTest, CloseBoxRunsTheUnloadOnce)
{
    Open();
    recorder_.calls.clear();
    TreeViewSubWindow()->close();
    EXPECT_EQ(recorder_.calls, QStringList({"setTreeViewFormOpen(0)", "hideWindowMenuIfNoEditor"}));
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
    EXPECT_EQ(main_->windowSlotAction(3)->text(), " 扫描信息");
    // Nodes built in one language match nothing once the other is in force.
    core_.LanguageChinese = false;
    recorder_.calls.clear();
    QTest::keyClick(form.treView(), Qt::Key_Return);
    EXPECT_TRUE(recorder_.calls.isEmpty());
}

TEST_F(TreeViewFormTest, UsersDoubleClickOnANodeOpensItsWindow)
{
    AddEditorWindow(4);
    main_->action("MnuViewTreeView")->trigger();  // the real millisecond clock
    TreeViewForm& form = *LoadedTreeViewForm();
    recorder_.calls.clear();
    const QPoint pos = form.treView()->visualItemRect(Node(form, 4)).center();
    QTest::mouseClick(form.treView()->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(form.treView()->viewport(), Qt::LeftButton, {}, pos);
    ASSERT_GE(recorder_.calls.size(), 2);
    EXPECT_EQ(recorder_.calls.mid(0, 2), QStringList({"setEditorWindowOpen(4)", "editorWindow(4)"}));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), TreeViewSubWindow());
}
