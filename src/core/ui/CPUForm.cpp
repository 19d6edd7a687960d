#include "core/ui/CPUForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/AppCore.h"
#include "core/MemoryMapRules.h"
#include "core/ModelChange.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HexCellValidator.h"

namespace zx {

namespace {
constexpr int kDataRows = kMemoryMapRows - 1;
constexpr int kDataColumns = kMemoryMapColumns - 1;

bool IsHexDigitKey(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_F);
}

QChar HexDigitOfKey(int key)
{
    return key <= Qt::Key_9 ? QChar(u'0' + (key - Qt::Key_0)) : QChar(u'A' + (key - Qt::Key_A));
}
}  // namespace

CPUForm::CPUForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CPUForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    msgMemory_ = new QTableWidget(kDataRows, kDataColumns, this);
    msgMemory_->setObjectName(QStringLiteral("msgMemory"));
    msgMemory_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msgMemory_->setSelectionMode(QAbstractItemView::SingleSelection);
    msgMemory_->setSelectionBehavior(QAbstractItemView::SelectItems);
    msgMemory_->setTabKeyNavigation(false);
    msgMemory_->setCornerButtonEnabled(false);
    msgMemory_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msgMemory_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    msgMemory_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msgMemory_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    msgMemory_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    lblAddr_ = new QLabel(QStringLiteral("0000"), this);
    lblAddr_->setObjectName(QStringLiteral("lblAddr"));
    txtMemory_ = new QLineEdit(this);
    txtMemory_->setObjectName(QStringLiteral("txtMemory"));
    txtMemory_->setValidator(new HexCellValidator(txtMemory_));
    txtMemory_->setAlignment(Qt::AlignCenter);
    txtMemory_->setFrame(false);

    cmdOK_ = new QPushButton(this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(false);
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblAddr_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(msgMemory_, 1);
    layout->addLayout(buttons);
    resize(560, 480);

    connect(msgMemory_, &QTableWidget::currentCellChanged, this, [this] { msgMemory_EnterCell(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Scrolling while the editor is open cancels the edit, as Esc does.
    auto cancelOnScroll = [this] {
        if (txtMemory_->isVisible())
            CloseEditor(false);
    };
    connect(msgMemory_->verticalScrollBar(), &QScrollBar::valueChanged, this, cancelOnScroll);
    connect(msgMemory_->horizontalScrollBar(), &QScrollBar::valueChanged, this, cancelOnScroll);
    msgMemory_->installEventFilter(this);
    msgMemory_->viewport()->installEventFilter(this);
    txtMemory_->installEventFilter(this);

    Form_Load();
}

void CPUForm::Form_Load()
{
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1196));
    cmdOK_->setText(LoadLangString(1096));
    cmdCancel_->setText(LoadLangString(1097));
    txtMemory_->hide();

    QStringList columnHeaders;
    for (int c = 1; c <= kDataColumns; ++c)
        columnHeaders << MemoryMapColumnHeader(c);
    msgMemory_->setHorizontalHeaderLabels(columnHeaders);
    QStringList rowLabels;
    for (int r = 1; r <= kDataRows; ++r)
        rowLabels << MemoryMapRowLabel(r);
    msgMemory_->setVerticalHeaderLabels(rowLabels);

    const RadioImage& image = Core().image;
    for (int r = 1; r <= kDataRows; ++r) {
        for (int c = 1; c <= kDataColumns; ++c) {
            auto* item = new QTableWidgetItem(MemoryCellText(image.at(MemoryMapAddress(r, c))));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            msgMemory_->setItem(r - 1, c - 1, item);
        }
    }
    SetColumnWidths();
    setCurrentCell(1, 1);
    msgMemory_EnterCell();
}

QString CPUForm::cellText(int row, int column) const { return msgMemory_->item(row - 1, column - 1)->text(); }
int CPUForm::currentRow() const { return msgMemory_->currentRow() + 1; }
int CPUForm::currentColumn() const { return msgMemory_->currentColumn() + 1; }

void CPUForm::setCurrentCell(int row, int column) { msgMemory_->setCurrentCell(row - 1, column - 1); }

void CPUForm::SetColumnWidths()
{
    // The label column takes 2/19 of the grid's width, each byte column 1/19.
    const int width = msgMemory_->width();
    msgMemory_->verticalHeader()->setFixedWidth(width * 2 / 19);
    for (int c = 0; c < kDataColumns; ++c)
        msgMemory_->setColumnWidth(c, width / 19);
}

void CPUForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    SetColumnWidths();
}

void CPUForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColumnWidths();
    msgMemory_->setFocus(Qt::OtherFocusReason);
}

void CPUForm::msgMemory_EnterCell()
{
    if (currentRow() >= 1 && currentColumn() >= 1)
        lblAddr_->setText(MemoryMapAddressText(currentRow(), currentColumn()));
}

void CPUForm::ShowCellEditor(int row, int column)
{
    setCurrentCell(row, column);
    QTableWidgetItem* item = msgMemory_->item(row - 1, column - 1);
    msgMemory_->scrollToItem(item);
    const QRect cell = msgMemory_->visualItemRect(item);
    const QPoint topLeft = msgMemory_->viewport()->mapTo(this, cell.topLeft());
    editRow_ = row;
    editColumn_ = column;
    txtMemory_->setGeometry(QRect(topLeft, cell.size()));
    txtMemory_->setText(item->text());
    MemoryCellBefore_ = item->text();
    txtMemory_->show();
    txtMemory_->raise();
    txtMemory_->selectAll();
    txtMemory_->setFocus(Qt::OtherFocusReason);
}

void CPUForm::CommitEditor()
{
    if (editRow_ < 1 || editColumn_ < 1)
        return;
    msgMemory_->item(editRow_ - 1, editColumn_ - 1)->setText(CommitMemoryCellText(txtMemory_->text()));
}

void CPUForm::CloseEditor(bool commit)
{
    if (commit)
        CommitEditor();
    else
        msgMemory_->item(editRow_ - 1, editColumn_ - 1)->setText(MemoryCellBefore_);
    closingEditor_ = true;
    msgMemory_->setFocus(Qt::OtherFocusReason);
    txtMemory_->hide();
    closingEditor_ = false;
}

bool CPUForm::msgMemory_KeyDown(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ShowCellEditor(currentRow(), currentColumn());
        return true;
    }
    if (IsHexDigitKey(key) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // Typing on the grid starts a new value.
        ShowCellEditor(currentRow(), currentColumn());
        txtMemory_->setText(HexDigitOfKey(key));
        txtMemory_->setCursorPosition(1);
        return true;
    }
    return false;
}

bool CPUForm::txtMemory_KeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        CloseEditor(true);
        const MemoryCell next = NextMemoryCell({currentRow(), currentColumn()});
        setCurrentCell(next.row, next.column);
        msgMemory_->scrollToItem(msgMemory_->currentItem());
        return true;
    }
    if (key == Qt::Key_Escape) {
        CloseEditor(false);
        return true;
    }
    if (key == Qt::Key_Backspace)
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;  // shortcuts; the validator still guards the text
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;  // Delete, arrows and other keys without a character
    if (MemoryEditorAcceptsDigit(text.at(0), static_cast<int>(txtMemory_->text().size()), txtMemory_->hasSelectedText()))
        txtMemory_->insert(text.toUpper());
    return true;
}

bool CPUForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtMemory_) {
        if (event->type() == QEvent::KeyPress)
            return txtMemory_KeyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut && !closingEditor_ && txtMemory_->isVisible()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A context menu or another application taking the focus leaves
            // the edit open.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                CommitEditor();
                txtMemory_->hide();
            }
        }
    } else if (watched == msgMemory_ && event->type() == QEvent::KeyPress) {
        if (msgMemory_KeyDown(static_cast<QKeyEvent*>(event)))
            return true;
    } else if (watched == msgMemory_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && msgMemory_->currentItem())
            ShowCellEditor(currentRow(), currentColumn());
    }
    return QDialog::eventFilter(watched, event);
}

void CPUForm::keyPressEvent(QKeyEvent* event)
{
    // Only Cancel and the close box drop the edits; Esc outside the cell
    // editor does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CPUForm::cmdOK_Click()
{
    if (txtMemory_->isVisible())
        CloseEditor(true);  // the editor's text counts as if the focus had left it
    RadioImage& image = Core().image;
    for (int r = 1; r <= kDataRows; ++r)
        for (int c = 1; c <= kDataColumns; ++c)
            image.set(MemoryMapAddress(r, c), MemoryCellByte(cellText(r, c)));
    accept();
}

void MnuProgramMemoryMap_Click(Workspace& workspace)
{
    AppCore& core = Core();
    const ModelIdent before = CurrentModel(core.image);
    bool accepted = false;
    {
        CPUForm form(workspace.DialogOwner());
        accepted = form.exec() == QDialog::Accepted;
    }
    UpdateAfterMemoryMap(core, workspace, before, accepted);
}

}  // namespace zx
