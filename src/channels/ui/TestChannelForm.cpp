#include "channels/ui/TestChannelForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "channels/FrequencyEntry.h"
#include "channels/ui/CellTextBox.h"
#include "channels/ui/ChannelGridTable.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/Prompt.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

constexpr int kSlot = 6;
constexpr int kHelpId = 4700;
constexpr int kGridLeftTwips = 120;
constexpr int kGridTopTwips = 120;
constexpr int kGridWidthTwips = 3600;
constexpr int kMinRowHeightTwips = 250;
constexpr int kButtonWidthTwips = 1150;
constexpr int kButtonHeightTwips = 372;
constexpr int kGapTwips = 120;
// The grid is made this much wider and higher than its cells, so that its
// border never hides a cell and no scroll bar appears.
constexpr int kGridExtraPixels = 7;
constexpr int kColumns = 3;

Qt::Alignment ToQt(TestFreqAlign align)
{
    switch (align) {
    case TestFreqAlign::Centre: return Qt::AlignCenter;
    case TestFreqAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case TestFreqAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

EditorWindowSetup TestChannelForm::Setup()
{
    EditorWindowSetup setup;
    setup.slot = kSlot;
    setup.heightTwips = 5770;
    setup.widthTwips = 4215;
    setup.captionId = 1185;
    setup.helpPage = QStringLiteral("testfreq");
    setup.helpContextId = kHelpId;
    return setup;
}

TestChannelForm::TestChannelForm(QWidget* parent) : EditorWindowFrame(Setup(), parent), list_(Core().image)
{
    setObjectName(QStringLiteral("TestChannelForm"));
    Form_Load();
}

QTableWidget* TestChannelForm::msgTestFreq() const { return grid_; }
QWidget* TestChannelForm::FirstField() const { return grid_; }
QLineEdit* TestChannelForm::txtTestFreq() const { return editor_; }
bool TestChannelForm::EditorShown() const { return !editor_->isHidden(); }

void TestChannelForm::Form_Load()
{
    grid_ = new ChannelGridTable(panel());
    grid_->setObjectName(QStringLiteral("msgTestFreq"));
    grid_->setProperty(kHelpContextIdProperty, kHelpId);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFont gridFont = grid_->SmallFont();
    grid_->setFont(gridFont);
    grid_->setRowCount(kTestFreqRows + 1);
    grid_->setColumnCount(kColumns);

    const auto header = ParseTestFreqGridFormat(TestFreqGridFormat(Core().LanguageChinese));
    grid_->FillCells(palette(), [&header](int c) { return ToQt(header[static_cast<std::size_t>(c)].align); });
    for (int c = 0; c < kColumns; ++c)
        grid_->item(0, c)->setText(header[static_cast<std::size_t>(c)].text);

    // Columns of 2/8, 3/8 and 3/8 of the grid's width; then the grid grows
    // by its border so that all seventeen rows show.
    const int width = TwipsToPixelsX(kGridWidthTwips);
    grid_->setColumnWidth(0, width * 2 / 8);
    grid_->setColumnWidth(1, width * 3 / 8);
    grid_->setColumnWidth(2, width - width * 2 / 8 - width * 3 / 8);
    const int rowHeight = grid_->FittingRowHeight(kMinRowHeightTwips);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->SetRowHeights(rowHeight);
    const int left = TwipsToPixelsX(kGridLeftTwips);
    const int top = TwipsToPixelsY(kGridTopTwips);
    grid_->setGeometry(left, top, width + kGridExtraPixels, (kTestFreqRows + 1) * rowHeight + kGridExtraPixels);
    {
        // The cursor starts on channel 1's RX cell.
        const QSignalBlocker blocker(grid_);
        grid_->setCurrentCell(1, kTestFreqRxColumn);
    }
    grid_->setKeyDownHandler([this](QKeyEvent* event) { return msgTestFreq_KeyPress(event); });
    grid_->viewport()->installEventFilter(this);

    editor_ = new CellTextBox(panel());
    editor_->setObjectName(QStringLiteral("txtTestFreq"));
    editor_->setProperty(kHelpContextIdProperty, kHelpId);
    editor_->setFont(gridFont);
    editor_->setMaxLength(kTestFreqMaxTyped);
    editor_->hide();
    connect(editor_, &QLineEdit::textChanged, this, &TestChannelForm::txtTestFreq_Change);
    connect(editor_, &CellTextBox::enterPressed, this, &TestChannelForm::EnterInEditor);
    connect(editor_, &CellTextBox::escapePressed, this, &TestChannelForm::EscInEditor);
    connect(editor_, &CellTextBox::focusLost, this, &TestChannelForm::EditorFocusLost);

    const int buttonTop = grid_->geometry().bottom() + 1 + TwipsToPixelsY(kGapTwips);
    const int buttonWidth = TwipsToPixelsX(kButtonWidthTwips);
    const int buttonHeight = TwipsToPixelsY(kButtonHeightTwips);
    cmdClose()->setGeometry(grid_->geometry().right() + 1 - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    cmdHelp()->setGeometry(left, buttonTop, buttonWidth, buttonHeight);
    cmdHelp()->hide();

    ShowCellTexts();
}

void TestChannelForm::ShowCellTexts()
{
    for (int r = 1; r <= kTestFreqRows; ++r) {
        for (int c = kTestFreqRxColumn; c <= kTestFreqTxColumn; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            const QString text = list_.Cell(r, c);
            if (item->text() != text)
                item->setText(text);
        }
    }
}

// ---------------------------------------------------------------------------
// The grid

bool TestChannelForm::eventFilter(QObject* watched, QEvent* event)
{
    if (grid_ && watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        msgTestFreq_MouseUp();
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

void TestChannelForm::msgTestFreq_MouseUp()
{
    const TestFreqCell current{grid_->currentRow(), grid_->currentColumn()};
    ShowCellEditor(list_.CellForClick(current));
}

bool TestChannelForm::msgTestFreq_KeyPress(QKeyEvent* event)
{
    const TestFreqCell current{grid_->currentRow(), grid_->currentColumn()};
    if (current.row < 1 || current.column < 1)
        return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ShowCellEditor(list_.CellForEnter(current));
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1)
        return false;
    const QChar c = typed.at(0);
    if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')))
        return false;
    ShowCellEditor(current);
    if (EditorShown()) {
        // The typed character replaces the selected text; the caret is after it.
        editor_->setText(QString(c));
    }
    return true;
}

void TestChannelForm::ShowCellEditor(TestFreqCell cell)
{
    if (EditorShown() || cell.row < 1 || cell.row > kTestFreqRows || cell.column < kTestFreqRxColumn
        || cell.column > kTestFreqTxColumn)
        return;
    if (grid_->currentRow() != cell.row || grid_->currentColumn() != cell.column)
        grid_->setCurrentCell(cell.row, cell.column);
    editCell_ = cell;
    oldText_ = list_.Cell(cell.row, cell.column);
    const QRect rect = grid_->CellRectInParent(cell.row, cell.column);
    editor_->setGeometry(rect);
    {
        const QSignalBlocker blocker(editor_);
        editor_->setText(oldText_);
    }
    editor_->selectAll();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// The editor

void TestChannelForm::txtTestFreq_Change(const QString& text)
{
    list_.SetCell(editCell_.row, editCell_.column, text);
    if (QTableWidgetItem* item = grid_->item(editCell_.row, editCell_.column))
        item->setText(text);
}

void TestChannelForm::txtTestFreq_Validate()
{
    if (committing_)
        return;
    const QScopedValueRollback guard(committing_, true);
    AppCore& core = Core();
    const TestFrequencyCommit commit = list_.Commit(core.image, editCell_.row, editCell_.column, editor_->text());
    {
        const QSignalBlocker blocker(editor_);
        editor_->setText(commit.text);
    }
    ShowCellTexts();
    if (commit.outOfRange) {
        const bool chinese = core.LanguageChinese;
        Ask({RangeMessageText(chinese), TestFreqRangeTitle(chinese), MsgIcon::Exclamation, MsgButtons::Ok,
             MsgResult::Ok, this});
    }
}

void TestChannelForm::HideEditor()
{
    const QScopedValueRollback guard(hidingEditor_, true);
    editor_->hide();
}

void TestChannelForm::EnterInEditor()
{
    if (!EditorShown())
        return;
    // One commit: hiding the focused editor must not commit it again.
    txtTestFreq_Validate();
    HideEditor();
    if (!list_.TakeTestDefaultsShown())
        list_.SetCell(editCell_.row, editCell_.column, editor_->text());
    ShowCellTexts();
    const TestFreqCell next = NextTestFreqCell(editCell_);
    grid_->setCurrentCell(next.row, next.column);
    grid_->setFocus(Qt::OtherFocusReason);
}

void TestChannelForm::EscInEditor()
{
    if (!EditorShown())
        return;
    // The cell takes back its old text; the focus moving to the grid must not
    // commit the abandoned one.
    editor_->setText(oldText_);
    HideEditor();
    grid_->setFocus(Qt::OtherFocusReason);
}

void TestChannelForm::EditorFocusLost()
{
    if (hidingEditor_ || !EditorShown())
        return;
    // Leaving the editor for anything else - the grid, a button, another
    // window - commits what it holds before it is hidden.
    txtTestFreq_Validate();
    HideEditor();
}

// ---------------------------------------------------------------------------
// Closing

void TestChannelForm::CommitFieldBeingEdited()
{
    if (!EditorShown())
        return;
    const bool hadFocus = FocusedField() == editor_;
    txtTestFreq_Validate();
    HideEditor();
    if (hadFocus)
        grid_->setFocus(Qt::OtherFocusReason);
}

void TestChannelForm::cmdClose_Click()
{
    CommitFieldBeingEdited();
    AppCore& core = Core();
    if (list_.ChangedSinceLoad(core.image)) {
        const bool chinese = core.LanguageChinese;
        Ask({TestFreqChangedText(chinese), TestFreqChangedTitle(chinese), MsgIcon::Exclamation, MsgButtons::Ok,
             MsgResult::Ok, this});
    }
    EditorWindowFrame::cmdClose_Click();
}

void TestChannelForm::closeEvent(QCloseEvent* event)
{
    // The user's close commits through CommitFieldBeingEdited; the program's
    // drops the edit.
    if (!isUnloaded() && unloadingByProgram())
        HideEditor();
    EditorWindowFrame::closeEvent(event);
}

void AttachTestChannelForm(EditorWindowRegistry& windows)
{
    windows.RegisterWindow(kSlot, [] { return new TestChannelForm(); });
}

}  // namespace zx
