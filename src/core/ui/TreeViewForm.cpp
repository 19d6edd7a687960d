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
#include "core/HelpTopicTable.h"
#include "core/WindowSlotTable.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

constexpr int kHelpId = 8100;
const QColor kTransparentGrey(192, 192, 192);

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

TreeViewForm::TreeViewForm(EditorWindowRegistry& windows, QWidget* parent)
    : EditorWindowFrame(EditorWindowSetup{-1, TreeViewFormOpen, 3795, 4755, 1194, QStringLiteral("treeview"), kHelpId},
                        parent),
      windows_(windows)
{
    setObjectName(QStringLiteral("TreeViewForm"));
    // Fixed border, no minimize or maximize button.
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixelsX(4755), TwipsToPixelsY(3795));
    clock_.start();

    // Design layout in twips: tree (165, 165, 2950, 3045), buttons at left
    // 3370, tops 2400 and 2845, 1100 x 370.
    treView_ = new QTreeWidget(panel());
    treView_->setObjectName(QStringLiteral("treView"));
    treView_->setHeaderHidden(true);
    treView_->setColumnCount(1);
    treView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treView_->setIconSize(QSize(15, 15));
    treView_->setProperty(kHelpContextIdProperty, kHelpId);
    PlaceTwips(treView_, 165, 165, 2950, 3045);
    cmdClose()->setAutoDefault(false);
    PlaceTwips(cmdClose(), 3370, 2400, 1100, 370);
    cmdHelp()->setAutoDefault(false);
    PlaceTwips(cmdHelp(), 3370, 2845, 1100, 370);
    setTabOrder(treView_, cmdClose());
    setTabOrder(cmdClose(), cmdHelp());

    treView_->installEventFilter(this);
    treView_->viewport()->installEventFilter(this);
    connect(treView_, &QTreeWidget::itemClicked, this, [this] { treView_NodeClick(); });

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
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setVisible(false);
    cmdHelp()->setText(LoadLangString(1076));

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
    WindowSlotTable& slotTable = core.windowSlots;
    const QTreeWidgetItem* selected = treView_->currentItem();
    const std::optional<int> slot =
        selected ? TreeNodeSlotOfText(selected->text(0), core.LanguageChinese) : std::nullopt;
    // Like the Edit menu, a node never lists a window in the Window menu that
    // cannot be loaded.
    if (slot && windows_.CanLoad(*slot)) {
        const int k = *slot;
        slotTable.setOpen(k, true);
        slotTable.ShowSlotChecked(k, k == 0 ? ChannelWindowCaption(core.GridChannel, core.LanguageChinese)
                                            : LoadLangString(WindowSlotTable::SlotCaptionId(k)));
        // Unlike the Edit menu: to the front first, then shown.
        if (EditorWindowFrame* window = windows_.Load(k)) {
            window->raise();
            window->show();
        }
    }
    slotTable.setWindowMenuVisible(true);
    if (mdiArea())
        mdiArea()->setActiveSubWindow(this);
    raise();
    treView_->setFocus(Qt::OtherFocusReason);
}

bool TreeViewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (!treView_) {
        // Events of the frame's own parts arrive while it is being built.
    } else if (watched == treView_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            OpenSelectedNode();
    } else if (watched == treView_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        treView_DblClick();
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
