#include "channels/ui/ChannelForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

#include "channels/ChannelCodec.h"
#include "channels/ChannelGridLanguage.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/FrequencyEntry.h"
#include "channels/GridCommit.h"
#include "channels/ToneList.h"
#include "channels/ui/CellListBox.h"
#include "channels/ui/CellTextBox.h"
#include "channels/ui/ChannelGridTable.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/MainCaption.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

constexpr int kGridHelpId = 4101;
constexpr int kChannelEditHelpId = 4110;
constexpr int kColumnHelpBase = 4100;

bool Shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace

EditorWindowSetup ChannelForm::Setup()
{
    EditorWindowSetup setup;
    setup.slot = 0;
    setup.heightTwips = 6500;
    setup.widthTwips = 12000;
    setup.captionId = 1040;
    setup.helpPage = QStringLiteral("chinfo");
    setup.helpContextId = 4100;
    return setup;
}

ChannelForm::ChannelForm(QWidget* parent) : EditorWindowFrame(Setup(), parent)
{
    setObjectName(QStringLiteral("ChannelForm"));
    AppCore& core = Core();
    setWindowTitle(QLatin1Char(' ') + LoadLangString(1040));

    grid_ = new ChannelGridTable(panel());
    grid_->setObjectName(QStringLiteral("ChannelGrid"));
    grid_->setProperty(kHelpContextIdProperty, kGridHelpId);
    // The titles must fit the columns: a small font, and a condensed face
    // where the system has one.
    QFont gridFont = grid_->SmallFont();
    gridFont.setStretch(QFont::SemiCondensed);
    grid_->setFont(gridFont);
    grid_->setColumnCount(kChannelGridColumns);
    grid_->setKeyDownHandler([this](QKeyEvent* event) { return ChannelGrid_KeyDown(event); });

    // The editors are siblings of the grid laid over its current cell.
    txtInputBox_ = new CellTextBox(panel());
    txtInputBox_->setFont(gridFont);
    txtInputBox_->hide();
    comInputStep_ = new CellListBox(panel());
    comInputStep_->setFont(gridFont);
    comInputStep_->hide();

    cmdChannelEdit_ = new QPushButton(panel());
    cmdChannelEdit_->setObjectName(QStringLiteral("cmdChannelEdit"));
    cmdChannelEdit_->setProperty(kHelpContextIdProperty, kChannelEditHelpId);
    LabFreeArea_ = new QLabel(panel());
    LabFreeArea_->setObjectName(QStringLiteral("LabFreeArea"));
    LabBlankChannel_ = new QLabel(panel());
    LabBlankChannel_->setObjectName(QStringLiteral("LabBlankChannel"));

    PlaceTwips(cmdClose(), 120, 4896, 1150, 372);
    PlaceTwips(cmdChannelEdit_, 2040, 4920, 1250, 372);
    PlaceTwips(cmdHelp(), 3840, 4920, 1150, 372);
    PlaceTwips(LabFreeArea_, 7680, 4980, 2505, 195);
    PlaceTwips(LabBlankChannel_, 10305, 4950, 840, 270);
    cmdHelp()->hide();
    SetControlCaptions();

    LayoutChannelGrid(GridHeaderCaller::Load);
    {
        // The cursor starts on channel 1's RX cell without a cell entry.
        const QSignalBlocker blocker(grid_);
        grid_->setCurrentCell(1, kRxFreqColumn);
    }

    RebuildToneLists();
    ResetChannelList();
    core.CurrentChannel = 1;

    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { ChannelGrid_EnterCell(row, column); });
    connect(grid_, &QTableWidget::cellClicked, this, &ChannelForm::ChannelGrid_Click);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ChannelGrid_Scroll(); });
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { ChannelGrid_Scroll(); });
    connect(cmdChannelEdit_, &QPushButton::clicked, this, [this] { cmdChannelEdit_Click(); });

    connect(txtInputBox_, &QLineEdit::textChanged, this, &ChannelForm::txtInputBox_Change);
    connect(txtInputBox_, &CellTextBox::enterPressed, this, [this] { EndTextEdit(false); });
    connect(txtInputBox_, &CellTextBox::escapePressed, this, [this] { EndTextEdit(true); });
    connect(txtInputBox_, &CellTextBox::focusLost, this,
            [this] { CommitOnFocusLoss(txtInputBox_, [this] { txtInputBox_Validate(); }); });

    connect(comInputStep_, &QComboBox::activated, this, [this] { comInputStep_Click(); });
    connect(comInputStep_, &CellListBox::stepped, this, [this] { comInputStep_Click(); });
    connect(comInputStep_, &CellListBox::enterPressed, this, [this] { EndListEdit(); });
    connect(comInputStep_, &CellListBox::escapePressed, this, [this] { EndListEdit(); });
    connect(comInputStep_, &CellListBox::focusLost, this,
            [this] { CommitOnFocusLoss(comInputStep_, [this] { comInputStep_Validate(); }); });
}

void ChannelForm::CommitOnFocusLoss(QWidget* editor, const std::function<void()>& validate)
{
    if (endingEdit_ || !Shown(editor))
        return;
    validate();
    const QScopedValueRollback guard(endingEdit_, true);
    editor->hide();
}

QTableWidget* ChannelForm::ChannelGrid() const { return grid_; }
QWidget* ChannelForm::FirstField() const { return grid_; }
QLineEdit* ChannelForm::txtInputBox() const { return txtInputBox_; }
QComboBox* ChannelForm::comInputStep() const { return comInputStep_; }

int ChannelForm::LastChannel() const { return grid_->rowCount() - 1; }

ChannelEditor* ChannelForm::OpenEditor() const
{
    if (!loadEditor_ || !Core().windowSlots.isOpen(ChannelEditFormOpen))
        return nullptr;
    return loadEditor_();
}

// ---------------------------------------------------------------------------
// Layout and contents

void ChannelForm::LayoutChannelGrid(GridHeaderCaller caller)
{
    const bool eight = Core().EightChannelModel;
    const int rows = Core().ChannelCount() + 1;
    {
        // Resizing may move the cursor; that is no cell entry by the user.
        const QSignalBlocker blocker(grid_);
        grid_->setRowCount(rows);
        if (grid_->currentRow() >= rows || grid_->currentRow() < 1)
            grid_->setCurrentCell(qMin(qMax(grid_->currentRow(), 1), rows - 1),
                                  qMax<int>(grid_->currentColumn(), kRxFreqColumn));
    }
    PlaceTwips(grid_, kChannelGridLeftTwips, kChannelGridTopTwips, kChannelGridWidthTwips,
               eight ? kChannelGridHeight8Twips : kChannelGridHeight16Twips);

    grid_->FillCells(palette(), [](int) { return Qt::AlignCenter; });

    const int rowHeight = grid_->FittingRowHeight(kChannelGridMinRowHeightTwips);
    grid_->verticalHeader()->setMinimumSectionSize(TwipsToPixelsY(kChannelGridMinRowHeightTwips));
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->SetRowHeights(rowHeight);
    ApplyGridHeader(caller);
}

void ChannelForm::ApplyGridHeader(GridHeaderCaller caller)
{
    const GridHeader header = ParseGridHeader(GridHeaderFormat(caller, Core().LanguageChinese));
    SetGridHeader(header.cells, GridColumnWidths(kChannelGridWidthTwips));
}

void ChannelForm::SetGridHeader(const std::array<QString, kChannelGridColumns>& titles,
                                const std::array<int, kChannelGridColumns>& widthsTwips)
{
    for (int c = 0; c < kChannelGridColumns; ++c)
        grid_->item(0, c)->setText(titles[static_cast<std::size_t>(c)]);
    columnWidthsTwips_ = widthsTwips;
    for (int c = 0; c < kChannelGridColumns; ++c)
        grid_->setColumnWidth(c, TwipsToPixelsX(columnWidthsTwips_[static_cast<std::size_t>(c)]));
}

void ChannelForm::RebuildToneLists()
{
    const bool chinese = Core().LanguageChinese;
    QtDqtList_ = BuildToneList(chinese);
    QtDqtList2_ = BuildToneList(chinese);
}

QString ChannelForm::CellText(int row, int column) const
{
    const QTableWidgetItem* item = grid_->item(row, column);
    return item ? item->text() : QString();
}

void ChannelForm::SetCellText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = grid_->item(row, column))
        item->setText(text);
}

ChannelColumns ChannelForm::RowTexts(int channel) const
{
    ChannelColumns texts;
    for (int c = kRxFreqColumn; c < kChannelGridColumns; ++c)
        texts[static_cast<std::size_t>(c - 1)] = CellText(channel, c);
    return texts;
}

void ChannelForm::WriteRow(int channel, const ChannelColumns& texts)
{
    if (channel < 1 || channel > LastChannel())
        return;
    for (int c = kRxFreqColumn; c < kChannelGridColumns; ++c)
        SetCellText(channel, c, texts[static_cast<std::size_t>(c - 1)]);
}

void ChannelForm::DecodeAllChannels()
{
    const ChannelListContents contents = zx::DecodeAllChannels(Core());
    if (contents.relayout)
        LayoutChannelGrid(GridHeaderCaller::Decoder);
    for (std::size_t i = 0; i < contents.rows.size(); ++i)
        WriteRow(static_cast<int>(i) + 1, contents.rows[i]);
    LabBlankChannel_->setText(contents.FreeAreaText());
}

void ChannelForm::RefreshPttIdColumn()
{
    const AppCore& core = Core();
    const std::uint8_t pttIdType = core.image.at(layout::PttIdType);
    for (int channel = 1; channel <= LastChannel(); ++channel) {
        if (!CellText(channel, kRxFreqColumn).isEmpty())
            SetCellText(channel, kPttIdColumn,
                        PttIdText(core.image.at(layout::ChannelPttIdCode(channel)), pttIdType, core.LanguageChinese));
    }
}

void ChannelForm::ClearChannelData(int channel)
{
    AppCore& core = Core();
    zx::ClearChannelData(core, channel);
    WriteRow(channel, core.channelRegisters.Columns());
}

void ChannelForm::HideCellEditors()
{
    const bool dropped = Shown(txtInputBox_) || Shown(comInputStep_);
    {
        const QScopedValueRollback guard(endingEdit_, true);
        txtInputBox_->hide();
        comInputStep_->hide();
    }
    if (!dropped)
        return;
    // The typed text went into the row as it was typed; what stands is what
    // the image holds.
    AppCore& core = Core();
    WriteRow(core.GridChannel, DecodeChannelRow(core, core.GridChannel));
    UpdateFreeArea();
}

void ChannelForm::CommitFieldBeingEdited()
{
    const QWidget* focus = FocusedField();
    const bool hadFocus = focus && (focus == txtInputBox_ || focus == comInputStep_ || comInputStep_->isAncestorOf(focus));
    CommitOnFocusLoss(txtInputBox_, [this] { txtInputBox_Validate(); });
    CommitOnFocusLoss(comInputStep_, [this] { comInputStep_Validate(); });
    if (hadFocus)
        grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelForm::ResetChannelList()
{
    HideCellEditors();
    AppCore& core = Core();
    core.CurrentChannel = 1;
    LabBlankChannel_->setText(QString::number(EmptyFreeAreaBytes(core.ChannelCount())));
}

void ChannelForm::UpdateFreeArea()
{
    std::vector<QString> rx;
    for (int r = 1; r <= LastChannel(); ++r)
        rx.push_back(CellText(r, kRxFreqColumn));
    LabBlankChannel_->setText(QString::number(FreeAreaBytes(rx, Core().EightChannelModel)));
}

void ChannelForm::SetChannelCaption(int channel)
{
    AppCore& core = Core();
    const QString caption = ChannelWindowCaption(channel, core.LanguageChinese);
    setWindowTitle(caption);
    core.windowSlots.setSlotCaption(0, caption);
}

void ChannelForm::ApplyLanguage()
{
    // A cell edit left open holds the row and its list in the language
    // left: committed later, it would encode those words under the new
    // language. The switch drops it, as the program's other unloads do.
    HideCellEditors();
    AppCore& core = Core();
    const bool chinese = core.LanguageChinese;
    ApplyGridHeader(GridHeaderCaller::Decoder);
    // Names channel 1 whatever channel is current; the next cell entry
    // captions the window by the current channel again.
    setWindowTitle(ChannelWindowFixedCaption(chinese));
    SetControlCaptions();
    RetranslateChannelGrid(
        core.image, core.ChannelCount(), chinese, [this](int row, int column) { return CellText(row, column); },
        [this](int row, int column, const QString& text) { SetCellText(row, column, text); });
    RebuildToneLists();
}

void ChannelForm::SetControlCaptions()
{
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
    cmdChannelEdit_->setText(LoadLangString(1059));
    LabFreeArea_->setText(LoadLangString(1078));
}

// ---------------------------------------------------------------------------
// Closing: the window stays loaded until the program exits.

void ChannelForm::cmdChannelEdit_Click()
{
    if (!loadEditor_)
        return;
    if (ChannelEditor* editor = loadEditor_())
        editor->cmdChannelEdit_Click();
}

void ChannelForm::cmdClose_Click()
{
    ChannelEditor* editor = OpenEditor();
    hide();
    WindowSlotTable& table = Core().windowSlots;
    table.setOpen(ChannelFormOpen, false);
    if (table.slot(0).visible)
        table.setSlotVisible(0, false);
    table.HideWindowMenuIfNoEditor();
    if (editor)
        editor->UnloadChannelEditor();
}

void ChannelForm::HideForClosing()
{
    ChannelEditor* editor = OpenEditor();
    hide();
    if (editor)
        editor->HideChannelEditor();
    MarkListAndEditorClosed();
}

void ChannelForm::closeEvent(QCloseEvent* event)
{
    HideForClosing();
    if (!Core().life.AppExiting) {
        event->ignore();
        return;
    }
    EditorWindowFrame::closeEvent(event);
}

void ChannelForm::Form_Unload() { MarkListAndEditorClosed(); }

void ChannelForm::MarkListAndEditorClosed()
{
    WindowSlotTable& table = Core().windowSlots;
    table.setOpen(ChannelFormOpen, false);
    table.setOpen(ChannelEditFormOpen, false);
    table.HideWindowMenuIfNoEditor();
    if (table.slot(0).visible)
        table.setSlotVisible(0, false);
}

// ---------------------------------------------------------------------------
// The grid

void ChannelForm::ChannelGrid_EnterCell(int row, int column)
{
    if (row < 1 || column < kRxFreqColumn)
        return;
    AppCore& core = Core();
    core.GridChannel = row;
    gridColumn_ = column;
    core.CurrentChannel = row;
    SetChannelCaption(row);
    if (ChannelEditor* editor = OpenEditor())
        editor->SetEditorChannel(row);
    grid_->setProperty(kHelpContextIdProperty, kColumnHelpBase + column);
    UpdateFreeArea();
}

void ChannelForm::ChannelGrid_Click(int row, int column)
{
    if (row < 1 || column < kRxFreqColumn || grid_->currentRow() < 1 || grid_->currentColumn() < kRxFreqColumn)
        return;
    gridColumn_ = grid_->currentColumn();
    RedirectColumn();
}

void ChannelForm::MoveTo(int row, int column) { grid_->setCurrentCell(row, column); }

void ChannelForm::MoveRight(int steps)
{
    for (int i = 0; i < steps; ++i) {
        const int column = grid_->currentColumn();
        if (column >= kChannelGridColumns - 1)
            return;
        MoveTo(grid_->currentRow(), column + 1);
    }
}

void ChannelForm::RedirectColumn()
{
    const int row = grid_->currentRow();
    if (CellText(row, kRxFreqColumn).isEmpty()) {
        if (gridColumn_ != kRxFreqColumn)
            MoveTo(row, kRxFreqColumn);
    } else if (CellText(row, kTxFreqColumn).isEmpty() && gridColumn_ == kEncodeColumn) {
        MoveTo(row, kTxFreqColumn);
    }
    BeginCellEdit();
}

bool ChannelForm::ChannelGrid_KeyDown(QKeyEvent* event)
{
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 1 || column < kRxFreqColumn)
        return false;
    gridColumn_ = column;
    const bool rxEmpty = CellText(row, kRxFreqColumn).isEmpty();
    const bool txEmpty = CellText(row, kTxFreqColumn).isEmpty();
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        RedirectColumn();
        return true;
    }

    QChar c;
    bool letter = false;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        c = QChar(u'0' + (key - Qt::Key_0));
    } else if (key == Qt::Key_Delete
               || ((key == Qt::Key_Period || key == Qt::Key_Comma) && (event->modifiers() & Qt::KeypadModifier))) {
        c = QLatin1Char('.');
    } else if (key == Qt::Key_D || key == Qt::Key_I || key == Qt::Key_N) {
        c = QChar(u'A' + (key - Qt::Key_A));
        letter = true;
    } else {
        return false;
    }
    if (letter && column != kDecodeColumn && column != kEncodeColumn)
        return true;

    const auto typeText = [this](QChar ch) {
        if (Shown(txtInputBox_))
            txtInputBox_->setText(QString(ch));
    };
    const auto typeList = [this](QChar ch) {
        if (Shown(comInputStep_))
            comInputStep_->setEditText(QString(ch));
    };
    switch (column) {
    case kRxFreqColumn:
        BeginCellEdit();
        typeText(c);
        break;
    case kTxFreqColumn:
        if (rxEmpty)
            MoveTo(row, kRxFreqColumn);
        BeginCellEdit();
        typeText(c);
        break;
    case kDecodeColumn:
        if (rxEmpty) {
            MoveTo(row, kRxFreqColumn);
            BeginCellEdit();
        } else {
            BeginCellEdit();
            typeList(c);
        }
        break;
    case kEncodeColumn:
        if (rxEmpty)
            MoveTo(row, kRxFreqColumn);
        else if (txEmpty)
            MoveTo(row, kTxFreqColumn);
        BeginCellEdit();
        if (!rxEmpty && !txEmpty)
            typeList(c);
        break;
    default:
        break;
    }
    return true;
}

void ChannelForm::ChannelGrid_Scroll()
{
    // Scrolling gives up an open editor as Esc does.
    if (Shown(txtInputBox_))
        EndTextEdit(true);
    else if (Shown(comInputStep_))
        EndListEdit();
}

// ---------------------------------------------------------------------------
// The in-place editors

void ChannelForm::LoadChannelRow(int row)
{
    AppCore& core = Core();
    const ChannelColumns texts = RowTexts(row);
    const ChannelRecordBytes stored =
        IsValidChannelNumber(row) ? ReadChannelRecord(core.image, row) : EmptyChannelRecord();
    LoadRowIntoRegisters(core.channelRegisters, texts, stored);
    ChannelEditor* editor = OpenEditor();
    if (!editor)
        return;
    if (!core.channelRegisters.ChRxFreq.isEmpty())
        editor->ShowChannelInEditor();
    else
        editor->ClearChannelEdit();
}

void ChannelForm::PlaceEditor(QWidget* editor, bool takeHeight)
{
    const QRect cell = grid_->CellRectInParent(grid_->currentRow(), grid_->currentColumn());
    const int height = takeHeight ? cell.height() : editor->sizeHint().height();
    editor->setGeometry(cell.x(), cell.y(), cell.width(), height);
    editor->raise();
}

void ChannelForm::BeginCellEdit()
{
    if (Shown(txtInputBox_) || Shown(comInputStep_))
        return;
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 1 || column < kRxFreqColumn)
        return;
    AppCore& core = Core();
    core.GridChannel = row;
    core.CurrentChannel = row;
    core.windowSlots.setSlotCaption(0, ChannelWindowCaption(row, core.LanguageChinese));
    if (ChannelEditor* editor = OpenEditor())
        editor->SetEditorChannel(core.CurrentChannel);
    gridColumn_ = column;
    cellTextBefore_ = CellText(row, column);
    LoadChannelRow(row);
    // Of an empty channel only the RX frequency can be edited.
    if (column != kRxFreqColumn && CellText(row, kRxFreqColumn).isEmpty())
        return;

    comInputStep_->clear();
    const int helpId = kColumnHelpBase + column;
    if (column <= kTxFreqColumn) {
        txtInputBox_->setMaxLength(9);
        txtInputBox_->setProperty(kHelpContextIdProperty, helpId);
        PlaceEditor(txtInputBox_, true);
        // A change of the box's text copies it into the cell; a full text
        // commits at once.
        txtInputBox_->setText(cellTextBefore_);
        txtInputBox_->selectAll();
        txtInputBox_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        txtInputBox_->show();
        txtInputBox_->setEnabled(true);
        txtInputBox_->setFocus(Qt::OtherFocusReason);
        return;
    }

    comInputStep_->setProperty(kHelpContextIdProperty, helpId);
    comInputStep_->setToneEntry(column == kDecodeColumn || column == kEncodeColumn);
    {
        const QSignalBlocker blocker(comInputStep_);
        if (column == kDecodeColumn)
            comInputStep_->addItems(QtDqtList_);
        else if (column == kEncodeColumn)
            comInputStep_->addItems(QtDqtList2_);
        else
            comInputStep_->addItems(
                words::CellChoices(column, core.image.at(layout::PttIdType), core.LanguageChinese));
    }
    const int match = comInputStep_->findText(cellTextBefore_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    {
        const QSignalBlocker blocker(comInputStep_);
        comInputStep_->setCurrentIndex(match);
        comInputStep_->setEditText(match >= 0 ? comInputStep_->itemText(match) : cellTextBefore_);
    }
    // Selecting the entry is a pick like the user's: it is committed.
    if (match >= 0)
        comInputStep_Click();
    PlaceEditor(comInputStep_, false);
    comInputStep_->show();
    comInputStep_->setEnabled(true);
    comInputStep_->setFocus(Qt::OtherFocusReason);
    // A drop-down list that takes the focus has its whole text selected, so
    // typing replaces it.
    comInputStep_->lineEdit()->selectAll();
}

void ChannelForm::txtInputBox_Change(const QString& text)
{
    if (gridColumn_ != kRxFreqColumn && gridColumn_ != kTxFreqColumn)
        return;
    SetCellText(Core().GridChannel, gridColumn_, text);
    if (text.size() >= 9)
        txtInputBox_Validate();
}

void ChannelForm::ShowRangeMessage()
{
    const bool chinese = Core().LanguageChinese;
    Ask({RangeMessageText(chinese), RangeMessageTitle(chinese), MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok,
         this});
}

void ChannelForm::WriteCurrentRow()
{
    AppCore& core = Core();
    WriteRow(core.GridChannel, core.channelRegisters.Columns());
    UpdateFreeArea();
}

void ChannelForm::txtInputBox_Validate()
{
    if (committing_)
        return;
    const QScopedValueRollback guard(committing_, true);
    AppCore& core = Core();
    core.CurrentChannel = grid_->currentRow();
    const int channel = core.GridChannel;
    const int column = gridColumn_;
    if (column != kRxFreqColumn && column != kTxFreqColumn)
        return;
    const bool optSignalHadText = !CellText(channel, kOptSignalColumn).isEmpty();
    const FrequencyCommit commit = CommitGridFrequency(core, channel, column, txtInputBox_->text(), cellTextBefore_);
    if (commit.cleared) {
        WriteCurrentRow();
        if (ChannelEditor* editor = OpenEditor())
            editor->ClearChannelEdit();
        return;
    }
    if (commit.outOfRange)
        ShowRangeMessage();
    if (column == kRxFreqColumn && commit.inBand)
        cellTextBefore_ = commit.committed;
    if (ChannelEditor* editor = OpenEditor()) {
        if (column == kRxFreqColumn)
            editor->EnableChannelEdit();
        editor->MirrorFrequencyCommit(column, commit, optSignalHadText);
        EncodeChannel(core, channel);
        core.CopyChannelRecords();
    }
    WriteCurrentRow();
}

void ChannelForm::EndTextEdit(bool restore)
{
    if (!Shown(txtInputBox_))
        return;
    if (restore)
        txtInputBox_->setText(cellTextBefore_);
    {
        const QScopedValueRollback guard(endingEdit_, true);
        txtInputBox_->hide();
        txtInputBox_->setEnabled(false);
        grid_->setFocus(Qt::OtherFocusReason);
    }
    // The box has given up the focus: its text is committed before the
    // cursor moves on.
    txtInputBox_Validate();
    MoveRight(1);
    UpdateFreeArea();
}

void ChannelForm::comInputStep_Click()
{
    AppCore& core = Core();
    const int column = gridColumn_;
    if (!PickGridListEntry(core, column, comInputStep_->currentText()))
        return;
    const ChannelRegisters& regs = core.channelRegisters;
    if (ChannelEditor* editor = OpenEditor())
        editor->MirrorListPick(column, regs.Column(column));
    CommitGridListPick(core, core.GridChannel);
    WriteCurrentRow();
}

void ChannelForm::comInputStep_Validate()
{
    const int column = gridColumn_;
    if (column != kDecodeColumn && column != kEncodeColumn)
        return;
    AppCore& core = Core();
    const QString tone = CommitGridTone(core, core.GridChannel, column, comInputStep_->currentText(), cellTextBefore_);
    {
        const QSignalBlocker blocker(comInputStep_);
        comInputStep_->setEditText(tone);
    }
    WriteCurrentRow();
}

void ChannelForm::EndListEdit()
{
    if (!Shown(comInputStep_))
        return;
    {
        const QScopedValueRollback guard(endingEdit_, true);
        comInputStep_->hide();
    }
    comInputStep_Validate();
    {
        const QScopedValueRollback guard(endingEdit_, true);
        grid_->setFocus(Qt::OtherFocusReason);
    }
    const int channel = Core().GridChannel;
    const int column = gridColumn_;
    if (column == kPttIdColumn) {
        if (channel < LastChannel()) {
            MoveTo(channel, kRxFreqColumn);
            MoveTo(channel + 1, kRxFreqColumn);
        }
    } else if (column >= kDecodeColumn) {
        MoveRight(column == kDecodeColumn && CellText(channel, kTxFreqColumn).isEmpty() ? 2 : 1);
    }
}

}  // namespace zx
