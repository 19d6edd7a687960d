#include "core/ui/TreeViewForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include "core/AppCore.h"
#include "core/MainCaption.h"
#include "core/StringTable.h"
#include "core/TreeViewNodes.h"
#include "core/ui/AppIcons.h"
#include "core/ui/MDIForm1.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

constexpr int kHelpId = 8100;
const QColor kTransparentGrey(192, 192, 192);

QPointer<QMdiSubWindow> gTreeSubWindow;

// The root's badge: a blue disc with a yellow mark on a grey square frame.
QIcon RootPicture()
{
    QPixmap pixmap(15, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(QColor(224, 224, 224));
    p.drawRect(0, 0, 14, 14);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 192));
    p.drawEllipse(QRectF(2.5, 2.5, 10, 10));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(QRectF(6, 4.5, 3, 6));
    return QIcon(pixmap);
}

// The children's sheet of paper (12 x 15, centred in the 15 x 15 picture).
QIcon SheetPicture()
{
    QPixmap pixmap(15, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(1, 0, 11, 14);
    p.setPen(QColor(128, 128, 128));
    for (int y = 3; y <= 11; y += 2)
        p.drawLine(3, y, 10, y);
    return QIcon(pixmap);
}

}  // namespace

TreeViewForm::TreeViewForm(MDIForm1& main, CoreWindowHooks hooks, QWidget* parent)
    : QWidget(parent), main_(main), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("TreeViewForm"));
    clock_.start();

    // Design layout in twips: tree (165, 165, 2950, 3045), buttons at left
    // 3370, tops 2400 and 2845, 1100 x 370.
    treView_ = new QTreeWidget(this);
    treView_->setObjectName(QStringLiteral("treView"));
    treView_->setHeaderHidden(true);
    treView_->setColumnCount(1);
    treView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treView_->setIconSize(QSize(15, 15));
    treView_->setProperty("helpContextId", kHelpId);
    treView_->setGeometry(TwipsToPixelsX(165), TwipsToPixelsY(165), TwipsToPixelsX(2950), TwipsToPixelsY(3045));
    cmdClose_ = new QPushButton(this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(false);
    cmdClose_->setProperty("helpContextId", kHelpId);
    cmdClose_->setGeometry(TwipsToPixelsX(3370), TwipsToPixelsY(2400), TwipsToPixelsX(1100), TwipsToPixelsY(370));
    cmdHelp_ = new QPushButton(this);
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp_->setAutoDefault(false);
    cmdHelp_->setProperty("helpContextId", kHelpId);
    cmdHelp_->setGeometry(TwipsToPixelsX(3370), TwipsToPixelsY(2845), TwipsToPixelsX(1100), TwipsToPixelsY(370));
    setTabOrder(treView_, cmdClose_);
    setTabOrder(cmdClose_, cmdHelp_);

    treView_->installEventFilter(this);
    treView_->viewport()->installEventFilter(this);
    connect(treView_, &QTreeWidget::itemClicked, this, [this] { treView_NodeClick(); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    Form_Load();
}

void TreeViewForm::setTickSource(TickSource source)
{
    tickSource_ = std::move(source);
    LastNodeClickTick_ = Tick();
}

qint64 TreeViewForm::Tick() const { return tickSource_ ? tickSource_() : clock_.elapsed(); }

void TreeViewForm::Form_Load()
{
    AppCore& core = Core();
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1194));
    cmdClose_->setText(LoadLangString(1075));
    cmdHelp_->setVisible(false);
    cmdHelp_->setText(LoadLangString(1076));

    auto* root = new QTreeWidgetItem(treView_, {TreeRootText(core.image.modelBandCode(), core.image.modelVariant())});
    root->setData(0, Qt::UserRole, QStringLiteral("R"));
    root->setIcon(0, RootPicture());
    QTreeWidgetItem* last = nullptr;
    for (const TreeNodeEntry& node : TreeNodeTable()) {
        last = new QTreeWidgetItem(root, {LoadLangString(node.resourceId)});
        last->setData(0, Qt::UserRole, QString::fromLatin1(node.key));
        last->setIcon(0, SheetPicture());
    }
    treView_->scrollToItem(last);  // expands the root
    root->setExpanded(true);
    treView_->setCurrentItem(root);

    NodeClicked_ = false;
    LastNodeClickTick_ = Tick();
}

void TreeViewForm::treView_NodeClick()
{
    LastNodeClickTick_ = Tick();
    NodeClicked_ = true;
}

void TreeViewForm::treView_DblClick()
{
    // 64-bit monotonic milliseconds: the difference never wraps.
    if (TreeDoubleClickOpens(NodeClicked_, Tick() - LastNodeClickTick_))
        OpenSelectedNode();
}

void TreeViewForm::OpenSelectedNode()
{
    AppCore& core = Core();
    const QTreeWidgetItem* selected = treView_->currentItem();
    const std::optional<int> slot =
        selected ? TreeNodeSlotOfText(selected->text(0), core.LanguageChinese) : std::nullopt;
    if (slot) {
        const int k = *slot;
        if (k == 0)
            core.life.ChannelFormOpen = true;
        CallHook(hooks_.setEditorWindowOpen, k);
        QAction* item = main_.windowSlotAction(k);
        if (!item->isVisible()) {
            item->setVisible(true);
            item->setText(k == 0 ? ChannelWindowCaption(core.GridChannel, core.LanguageChinese)
                                 : LoadLangString(1040 + k));
            item->setChecked(true);
            for (int j = 0; j <= 8; ++j) {
                QAction* other = main_.windowSlotAction(j);
                if (j != k && other->isVisible())
                    other->setChecked(false);
            }
        }
        if (hooks_.editorWindow) {
            if (QWidget* window = hooks_.editorWindow(k)) {
                window->raise();
                window->show();
            }
        }
    }
    main_.windowMenu()->menuAction()->setVisible(true);
    if (gTreeSubWindow && gTreeSubWindow->widget() == this)
        main_.mdiArea()->setActiveSubWindow(gTreeSubWindow);
    treView_->setFocus(Qt::OtherFocusReason);
}

void TreeViewForm::cmdClose_Click()
{
    CallHook(hooks_.setTreeViewFormOpen, false);
    CallHook(hooks_.hideWindowMenuIfNoEditor);
    UnloadTreeViewForm();
}

void TreeViewForm::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    CallHook(hooks_.setTreeViewFormOpen, false);
    CallHook(hooks_.hideWindowMenuIfNoEditor);
}

void TreeViewForm::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

bool TreeViewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treView_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            OpenSelectedNode();
    } else if (watched == treView_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        treView_DblClick();
    }
    return QWidget::eventFilter(watched, event);
}

void MnuViewTreeView_Click(MDIForm1& main, const CoreWindowHooks& hooks)
{
    CallHook(hooks.setTreeViewFormOpen, true);
    if (!gTreeSubWindow) {
        auto* form = new TreeViewForm(main, hooks);
        auto* sub = new QMdiSubWindow;
        sub->setObjectName(QStringLiteral("TreeViewFormWindow"));
        sub->setWidget(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // Fixed border, no minimize or maximize button.
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        sub->setWindowTitle(form->windowTitle());
        sub->setWindowIcon(form->windowIcon());
        main.mdiArea()->addSubWindow(sub);
        sub->setFixedSize(TwipsToPixelsX(4755), TwipsToPixelsY(3795));
        gTreeSubWindow = sub;
    }
    gTreeSubWindow->show();
    gTreeSubWindow->raise();
    main.mdiArea()->setActiveSubWindow(gTreeSubWindow);
}

TreeViewForm* LoadedTreeViewForm()
{
    return gTreeSubWindow ? qobject_cast<TreeViewForm*>(gTreeSubWindow->widget()) : nullptr;
}

QMdiSubWindow* TreeViewSubWindow() { return gTreeSubWindow; }

void UnloadTreeViewForm()
{
    QPointer<QMdiSubWindow> sub = gTreeSubWindow;
    gTreeSubWindow = nullptr;  // the next opening builds a fresh tree
    if (sub) {
        if (auto* form = qobject_cast<TreeViewForm*>(sub->widget()))
            form->close();
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->hide();
        sub->deleteLater();
    }
}

}  // namespace zx
