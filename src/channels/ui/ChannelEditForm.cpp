#include "channels/ui/ChannelEditForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "channels/ChannelCodec.h"
#include "channels/ChannelGridLayout.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/DecimalText.h"
#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "channels/ToneList.h"
#include "channels/ui/ChannelForm.h"
#include "channels/ui/FieldKeys.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/Prompt.h"
#include "platform/ui/NoContextMenu.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

using field_keys::IsEnter;
using field_keys::TypesNoCharacter;
using words::Word;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A focus change that is no leave or entry of the field: the field's own
// drop-down, a message box or another application.
bool IsTransientFocusChange(const QFocusEvent* event)
{
    return event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason;
}

}  // namespace

EditorWindowSetup ChannelEditForm::Setup()
{
    EditorWindowSetup setup;
    setup.slot = 8;
    setup.heightTwips = 5640;
    setup.widthTwips = 6570;
    setup.captionId = 1048;
    setup.helpPage = QStringLiteral("chedit");
    setup.helpContextId = 4110;
    setup.checksSlotOnActivate = false;
    return setup;
}

ChannelEditForm::ChannelEditForm(ChannelForm& list, QWidget* parent)
    : EditorWindowFrame(Setup(), parent), list_(list)
{
    setObjectName(QStringLiteral("ChannelEditForm"));
    AppCore& core = Core();
    core.windowSlots.setOpen(ChannelEditFormOpen, true);
    BuildControls();
    SetCaptions();

    const bool chinese = core.LanguageChinese;
    QtDqtList2_ = BuildToneList(chinese);
    QtDqtList_ = BuildToneList(chinese);
    for (QComboBox* box : {ComDecode_, ComEncode_}) {
        box->addItems(QtDqtList2_);
        ShowEntry(box, -1);
    }
    FillFixedLists();

    connect(txtChannel_, &QLineEdit::textChanged, this, [this] { txtChannel_Change(); });
    connect(upDownUp_, &QToolButton::clicked, this, [this] { StepChannel(true); });
    connect(upDownDown_, &QToolButton::clicked, this, [this] { StepChannel(false); });
    connect(txtRxFreq_, &QLineEdit::textChanged, this, [this] { txtRxFreq_Change(); });
    connect(txtTxFreq_, &QLineEdit::textChanged, this, [this] { txtTxFreq_Change(); });
    for (QComboBox* box : {ComDecode_, ComEncode_, ComSelSignal_, ComSPMute_, ComTxPower_, ComWideNarrow_,
                           ComBusyLock_, ComPTTID_, ComAutoDial_})
        connect(box, &QComboBox::activated, this, [this, box] { RunClick(box); });
    for (QCheckBox* box : {ChkShift_, ChkScanAdd_, ChkPriorityChannel_, ChkYaKuo_})
        connect(box, &QCheckBox::clicked, this, [this, box] { RunClick(box); });

    {
        const QSignalBlocker blocker(txtChannel_);
        txtChannel_->setText(QString::number(core.CurrentChannel));
    }
    LoadShownChannel();
    if (txtRxFreq_->text().isEmpty())
        ClearChannelEdit();
}

// ---------------------------------------------------------------------------
// The window

void ChannelEditForm::BuildControls()
{
    QWidget* p = panel();
    const auto helpId = [](QWidget* w, int id) { w->setProperty(kHelpContextIdProperty, id); };
    const auto label = [](QWidget* parent, const char* name) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    const auto lineEdit = [&](QWidget* parent, const char* name, int id) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        helpId(e, id);
        NoContextMenu(e);
        e->installEventFilter(this);
        return e;
    };
    const auto combo = [&](const char* name, int id, bool editable) {
        auto* c = new QComboBox;
        c->setObjectName(QString::fromLatin1(name));
        helpId(c, id);
        c->setEditable(editable);
        if (editable) {
            c->setInsertPolicy(QComboBox::NoInsert);
            c->setCompleter(nullptr);
            NoContextMenu(c->lineEdit());
            c->lineEdit()->installEventFilter(this);
        }
        c->setMaxVisibleItems(10);
        c->installEventFilter(this);
        return c;
    };
    const auto check = [&](const char* name, int id) {
        auto* c = new QCheckBox;
        c->setObjectName(QString::fromLatin1(name));
        helpId(c, id);
        c->installEventFilter(this);
        return c;
    };

    LabChannel_ = label(p, "LabChannel");
    txtChannel_ = lineEdit(p, "txtChannel", 4111);
    upDownUp_ = new QToolButton(p);
    upDownUp_->setObjectName(QStringLiteral("UpDown1Up"));
    upDownUp_->setArrowType(Qt::UpArrow);
    upDownDown_ = new QToolButton(p);
    upDownDown_->setObjectName(QStringLiteral("UpDown1Down"));
    upDownDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {upDownUp_, upDownDown_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    PlaceTwips(LabChannel_, 240, 180, 960, 255);
    PlaceTwips(txtChannel_, 1260, 120, 720, 315);
    PlaceTwips(upDownUp_, 1980, 120, 255, 158);
    PlaceTwips(upDownDown_, 1980, 278, 255, 157);

    frame_ = new QGroupBox(p);
    frame_->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(frame_, 120, 540, 6210, 4020);

    txtRxFreq_ = lineEdit(frame_, "txtRxFreq", 4101);
    txtTxFreq_ = lineEdit(frame_, "txtTxFreq", 4102);
    ComDecode_ = combo("ComDecode", 4103, true);
    ComEncode_ = combo("ComEncode", 4104, true);
    ComSelSignal_ = combo("ComSelSignal", 4108, false);
    ComSPMute_ = combo("ComSPMute", 4112, false);
    ComTxPower_ = combo("ComTxPower", 4105, false);
    ComWideNarrow_ = combo("ComWideNarrow", 4106, false);
    ComBusyLock_ = combo("ComBusyLock", 4113, false);
    ComPTTID_ = combo("ComPTTID", 4109, false);
    ComAutoDial_ = combo("ComAutoDial", 4117, false);

    LabRxFreq_ = label(frame_, "LabRxFreq");
    LabTxFreq_ = label(frame_, "LabTxFreq");
    LabQTdec_ = label(frame_, "LabQTdec");
    LabQTenc_ = label(frame_, "LabQTenc");
    LabOptional_ = label(frame_, "LabOptional");
    LabSPmute_ = label(frame_, "LabSPmute");
    LabTxPower_ = label(frame_, "LabTxPower");
    LabWN_ = label(frame_, "LabWN");
    LabBusyLock_ = label(frame_, "LabBusyLock");
    LabPTTID_ = label(frame_, "LabPTTID");
    LabAutoDial_ = label(frame_, "LabAutoDial");

    QLabel* labels[] = {LabRxFreq_, LabTxFreq_,  LabQTdec_,    LabQTenc_, LabOptional_, LabSPmute_,
                        LabTxPower_, LabWN_,     LabBusyLock_, LabPTTID_, LabAutoDial_};
    QWidget* fields[] = {txtRxFreq_,   txtTxFreq_,     ComDecode_,   ComEncode_, ComSelSignal_, ComSPMute_,
                         ComTxPower_, ComWideNarrow_, ComBusyLock_, ComPTTID_,  ComAutoDial_};
    for (int i = 0; i < 11; ++i) {
        const int top = 270 + i * 340;
        fields[i]->setParent(frame_);
        PlaceTwips(labels[i], 120, top + 30, 2040, 255);
        PlaceTwips(fields[i], 2220, top, 1980, 315);
    }

    ChkShift_ = check("ChkShift", 4114);
    ChkScanAdd_ = check("ChkScanAdd", 4107);
    ChkPriorityChannel_ = check("ChkPriorityChannel", 4115);
    ChkYaKuo_ = check("ChkYaKuo", 4116);
    int top = 270;
    for (QCheckBox* box : {ChkShift_, ChkScanAdd_, ChkPriorityChannel_, ChkYaKuo_}) {
        box->setParent(frame_);
        PlaceTwips(box, 4380, top, 1740, 315);
        top += 420;
    }

    cmdClose()->setObjectName(QStringLiteral("cmdOK"));
    PlaceTwips(cmdClose(), 2640, 4680, 1150, 372);
    PlaceTwips(cmdHelp(), 4200, 4680, 1150, 372);
    cmdHelp()->hide();

    QWidget* order[] = {txtChannel_,   txtRxFreq_,     txtTxFreq_,  ComDecode_,  ComEncode_,
                        ComSelSignal_, ComSPMute_,     ComTxPower_, ComWideNarrow_, ComBusyLock_,
                        ComPTTID_,     ComAutoDial_,   ChkShift_,   ChkScanAdd_, ChkPriorityChannel_,
                        ChkYaKuo_,     cmdClose(),     cmdHelp()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void ChannelEditForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1048));
    LabChannel_->setText(LoadLangString(1060));
    LabRxFreq_->setText(LoadLangString(1061));
    LabTxFreq_->setText(LoadLangString(1062));
    LabQTdec_->setText(LoadLangString(1063));
    LabQTenc_->setText(LoadLangString(1064));
    LabOptional_->setText(LoadLangString(1065));
    LabSPmute_->setText(LoadLangString(1066));
    LabTxPower_->setText(LoadLangString(1067));
    LabWN_->setText(LoadLangString(1068));
    LabBusyLock_->setText(LoadLangString(1069));
    LabPTTID_->setText(QStringLiteral("PTT ID"));
    LabAutoDial_->setText(LoadLangString(1070));
    ChkShift_->setText(LoadLangString(1071));
    ChkScanAdd_->setText(LoadLangString(1072));
    ChkPriorityChannel_->setText(LoadLangString(1073));
    ChkYaKuo_->setText(LoadLangString(1074));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
}

void ChannelEditForm::FillFixedLists()
{
    const bool chinese = Core().LanguageChinese;
    const auto fill = [this](QComboBox* box, const QStringList& entries) {
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(-1);
    };
    fill(ComSelSignal_, words::CellChoices(8, 0, chinese));
    fill(ComSPMute_, SpMuteEntries(MuteLockShape::CarrierOnly, chinese));
    fill(ComTxPower_, words::CellChoices(5, 0, chinese));
    fill(ComWideNarrow_, words::CellChoices(6, 0, chinese));
    {
        const QSignalBlocker blocker(ComBusyLock_);
        ComBusyLock_->clear();
        const QStringList entries = BusyLockEntries(MuteLockShape::CarrierOnly, chinese);
        const std::vector<int> codes = BusyLockCodes(MuteLockShape::CarrierOnly);
        for (int i = 0; i < entries.size(); ++i)
            ComBusyLock_->addItem(entries[i], codes[static_cast<std::size_t>(i)]);
        ComBusyLock_->setCurrentIndex(-1);
    }
    fill(ComPTTID_, words::CellChoices(9, Core().image.at(layout::PttIdType), chinese));
    QStringList memories;
    for (int n = 1; n <= 8; ++n)
        memories << QString::number(n);
    fill(ComAutoDial_, memories);
}

void ChannelEditForm::SetFieldEnabled(QWidget* field, bool enabled)
{
    field->setEnabled(enabled);
    // A field that cannot be used has the button-face colour, one that can
    // the window colour.
    QPalette palette = field->palette();
    const QPalette system = QApplication::palette();
    palette.setColor(QPalette::Base, enabled ? system.color(QPalette::Active, QPalette::Base)
                                             : system.color(QPalette::Active, QPalette::Button));
    field->setPalette(palette);
}

// ---------------------------------------------------------------------------
// Helpers

int ChannelEditForm::ShownChannel() const
{
    return NormaliseChannelNumber(txtChannel_->text(), Core().EightChannelModel);
}

QString ChannelEditForm::NoneText() const { return Word(words::kNone, Core().LanguageChinese); }

MuteLockShape ChannelEditForm::CurrentShape() const
{
    return MuteLockShapeOf(ComDecode_->currentText(), ComSelSignal_->currentText(), Core().LanguageChinese);
}

std::uint8_t ChannelEditForm::RecordByte(int offset) const
{
    return Core().image.at(layout::ChannelRecord(ShownChannel()) + offset);
}

void ChannelEditForm::SetRecordByte(int offset, std::uint8_t value)
{
    Core().image.set(layout::ChannelRecord(ShownChannel()) + offset, value);
}

std::uint8_t ChannelEditForm::FlagsA() const { return RecordByte(record::kFlagsA); }
void ChannelEditForm::SetFlagsA(std::uint8_t value) { SetRecordByte(record::kFlagsA, value); }

QString ChannelEditForm::RowText(int column) const { return list_.CellText(ShownChannel(), column); }

void ChannelEditForm::SetRowText(int column, const QString& text)
{
    list_.SetCellText(ShownChannel(), column, text);
}

void ChannelEditForm::ShowEntry(QComboBox* box, int position)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(position);
    if (box->isEditable() && position < 0)
        box->setEditText(QString());
}

void ChannelEditForm::SelectEntry(QComboBox* box, int position)
{
    ShowEntry(box, position);
    RunClick(box);
}

void ChannelEditForm::ShowText(QComboBox* box, const QString& text)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (box->isEditable())
        box->setEditText(text);
}

void ChannelEditForm::ShowChecked(QCheckBox* box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void ChannelEditForm::SetChecked(QCheckBox* box, bool checked)
{
    // A switch set to the state it already has runs nothing.
    if (box->isChecked() == checked)
        return;
    ShowChecked(box, checked);
    RunClick(box);
}

void ChannelEditForm::RunClick(QObject* field)
{
    if (field == ComDecode_)
        ComDecode_Click();
    else if (field == ComEncode_)
        ComEncode_Click();
    else if (field == ComSelSignal_)
        ComSelSignal_Click();
    else if (field == ComSPMute_)
        ComSPMute_Click();
    else if (field == ComBusyLock_)
        ComBusyLock_Click();
    else if (field == ComTxPower_)
        ComTxPower_Click();
    else if (field == ComWideNarrow_)
        ComWideNarrow_Click();
    else if (field == ComPTTID_)
        ComPTTID_Click();
    else if (field == ComAutoDial_)
        ComAutoDial_Click();
    else if (field == ChkShift_)
        ChkShift_Click();
    else if (field == ChkYaKuo_)
        ChkYaKuo_Click();
    else if (field == ChkScanAdd_)
        ChkScanAdd_Click();
    else if (field == ChkPriorityChannel_)
        ChkPriorityChannel_Click();
}

// ---------------------------------------------------------------------------
// Focus and keys

bool ChannelEditForm::eventFilter(QObject* watched, QEvent* event)
{
    if (unloading_ || isUnloaded())
        return EditorWindowFrame::eventFilter(watched, event);
    // The tone boxes' text fields act for their boxes.
    QObject* field = watched;
    if (watched == ComDecode_->lineEdit())
        field = ComDecode_;
    else if (watched == ComEncode_->lineEdit())
        field = ComEncode_;

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (field == txtChannel_)
            return txtChannel_KeyPress(key);
        if (field == txtRxFreq_ || field == txtTxFreq_)
            return FrequencyKeyPress(static_cast<QLineEdit*>(field), key);
        if (field == ComDecode_ || field == ComEncode_)
            return ToneKeyPress(static_cast<QComboBox*>(field), key);
        if (field == ChkScanAdd_) {
            const bool enter = IsEnter(key);
            if (enter)
                MoveFocusOn(ChkScanAdd_);
            // Every key press commits the channel, Enter included.
            if (enter || !TypesNoCharacter(key))
                CommitChannelEdit();
            return enter;
        }
        if (IsEnter(key) && qobject_cast<QWidget*>(field) && panel()->isAncestorOf(static_cast<QWidget*>(field))
            && field != cmdClose()) {
            MoveFocusOn(static_cast<QWidget*>(field));
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == field && !IsTransientFocusChange(static_cast<QFocusEvent*>(event)))
            RunGotFocus(field);
        break;
    case QEvent::FocusOut:
        if (watched == field && !IsTransientFocusChange(static_cast<QFocusEvent*>(event))
            && !QApplication::activePopupWidget())
            RunLostFocus(field);
        break;
    default:
        break;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

void ChannelEditForm::RunGotFocus(QObject* field)
{
    if (field == txtChannel_) {
        txtChannel_->selectAll();
        if (txtRxFreq_->text().isEmpty())
            ClearChannelEdit();
    } else if (field == txtRxFreq_) {
        txtRxFreq_GotFocus();
    } else if (field == txtTxFreq_) {
        txtTxFreq_->selectAll();
    } else if (field == ComPTTID_) {
        ComPTTID_GotFocus();
    } else if (field == ChkShift_) {
        ChkShift_GotFocus();
    } else if (field == ChkYaKuo_) {
        ChkYaKuo_GotFocus();
    }
}

void ChannelEditForm::RunLostFocus(QObject* field)
{
    if (field == txtRxFreq_) {
        txtRxFreq_LostFocus();
    } else if (field == txtTxFreq_) {
        txtTxFreq_LostFocus();
    } else if (field == ComDecode_) {
        ValidateTone(true);
        ComDecode_LostFocus();
    } else if (field == ComEncode_) {
        ValidateTone(false);
        ComEncode_LostFocus();
    } else if (field == ComSelSignal_) {
        ComSelSignal_LostFocus();
    } else if (field == ComSPMute_) {
        ComSPMute_Click();
    } else if (field == ComBusyLock_) {
        ComBusyLock_Click();
    } else if (field == ComAutoDial_) {
        ComAutoDial_LostFocus();
    }
}

void ChannelEditForm::LeaveFocusedField()
{
    QWidget* focus = FocusedField();
    if (!focus || !panel()->isAncestorOf(focus))
        return;
    QObject* field = focus;
    if (focus == ComDecode_->lineEdit())
        field = ComDecode_;
    else if (focus == ComEncode_->lineEdit())
        field = ComEncode_;
    RunLostFocus(field);
}

void ChannelEditForm::MoveFocusOn(QWidget* from)
{
    // Enter acts as Tab.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

// ---------------------------------------------------------------------------
// Opening, closing and the hand-off

void ChannelEditForm::cmdChannelEdit_Click()
{
    AppCore& core = Core();
    WindowSlotTable& table = core.windowSlots;
    table.setOpen(ChannelEditFormOpen, true);
    table.setSlotVisible(8, true);
    table.setSlotCaption(8, LoadLangString(1048));
    table.CheckWindowSlot(8);

    txtChannel_->setText(QString::number(core.CurrentChannel));
    show();
    const auto front = [this] {
        raise();
        if (mdiArea())
            mdiArea()->setActiveSubWindow(this);
    };
    if (RowText(1).isEmpty()) {
        txtRxFreq_->setText(QString());
        ClearChannelEdit();
        front();
        return;
    }

    // The refill: every setting acts as the user's choice of it would.
    const bool chinese = core.LanguageChinese;
    const std::uint8_t pttIdType = core.image.at(layout::PttIdType);
    EnableChannelEdit();
    ChannelRegisters& regs = core.channelRegisters;
    regs.ChRxFreq = RowText(1);
    regs.ChTxFreq = RowText(2);
    regs.ChDecode = RowText(3);
    regs.ChEncode = RowText(4);
    txtRxFreq_->setText(regs.ChRxFreq);
    txtTxFreq_->setText(regs.ChTxFreq);
    ShowText(ComDecode_, regs.ChDecode);
    ShowText(ComEncode_, regs.ChEncode);
    SelectEntry(ComTxPower_, RowText(5) == Word(words::kHigh, chinese) ? 0 : 1);
    SelectEntry(ComWideNarrow_, RowText(6) == Word(words::kNarrow, chinese) ? 0 : 1);

    // The list is that of the type in force, which may have changed while
    // the editor was hidden.
    const QString pttId = RowText(9);
    if (pttIdType <= 1) {
        RebuildPttIdList(pttIdType);
        if (!pttId.isEmpty())
            SelectEntry(ComPTTID_, PttIdEntryForText(pttId, pttIdType, chinese));
    } else {
        const QSignalBlocker blocker(ComPTTID_);
        ComPTTID_->clear();
    }

    const QString signal = RowText(8);
    if (signal.isEmpty()) {
        ShowEntry(ComSelSignal_, -1);
        const QSignalBlocker sp(ComSPMute_);
        const QSignalBlocker busy(ComBusyLock_);
        ComSPMute_->clear();
        ComBusyLock_->clear();
    } else {
        const int position = ComSelSignal_->findText(signal, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position >= 0)
            SelectEntry(ComSelSignal_, position);
    }
    RebuildMuteLockLists();
    const MuteLockChoice choice = LoadMuteLockEntries(CurrentShape(), FlagsA());
    SelectEntry(ComBusyLock_, choice.busyLock);
    if (choice.spMute >= 0)
        SelectEntry(ComSPMute_, choice.spMute);
    else
        ShowEntry(ComSPMute_, -1);

    SetChecked(ChkScanAdd_, RowText(7) == Word(words::kYes, chinese));
    SetChecked(ChkYaKuo_, (FlagsA() & 0x01) != 0);
    SetChecked(ChkShift_, (RecordByte(record::kFlagsB) & 0x40) != 0);
    // A switch already in its state runs no Click, and the registers may
    // still hold another channel's switches (the list's last decode): the
    // next commit of this channel must store what the boxes show.
    regs.ChCompander = ChkYaKuo_->isChecked();
    regs.ChBeatShift = ChkShift_->isChecked();
    SelectEntry(ComAutoDial_, AutoDialEntry(RecordByte(record::kAutoDialCode)));
    if (!txtTxFreq_->text().isEmpty())
        SetFieldEnabled(ComEncode_, true);
    front();
    txtChannel_->selectAll();
}

QWidget* ChannelEditForm::FirstField() const { return txtChannel_; }

void ChannelEditForm::cmdClose_Click()
{
    // A field left by a keyboard shortcut commits as if the focus had moved.
    LeaveFocusedField();
    Core().windowSlots.FreeWindowSlot(ChannelEditFormOpen);
    if (txtRxFreq_->text().isEmpty())
        Core().channelRegisters.ClearColumns();
    CommitChannelEdit();
    hide();
}

void ChannelEditForm::Form_Unload()
{
    // The user's close box stores what was typed (the frame has left the
    // focused field), as Close does; an unload by the program
    // (CloseEditorWindows, the exit) stores nothing.
    if (!unloadingByProgram()) {
        if (txtRxFreq_->text().isEmpty())
            Core().channelRegisters.ClearColumns();
        CommitChannelEdit();
    }
    unloading_ = true;
    EditorWindowFrame::Form_Unload();
}

void ChannelEditForm::CommitFieldBeingEdited()
{
    LeaveFocusedField();
    // A command takes the whole image: the shown channel's choices go into
    // its record, as they would when the editor moves on or closes. The
    // editor stays on the channel with its own registers.
    ChannelRegisters& regs = Core().channelRegisters;
    const ChannelRegisters kept = regs;
    StoreRowChoices(loadedChannel_);
    regs = kept;
}

void ChannelEditForm::HideChannelEditor() { hide(); }

void ChannelEditForm::UnloadChannelEditor() { UnloadByProgram(); }

// ---------------------------------------------------------------------------
// The channel load and the navigation

void ChannelEditForm::txtChannel_Change()
{
    StoreLeftChannel();
    LoadShownChannel();
}

void ChannelEditForm::StoreLeftChannel()
{
    // The channel left must get its row's choices now, or the file, the
    // radio and the report would take its old record while its row shows
    // them.
    const int left = loadedChannel_;
    if (left != ShownChannel())
        StoreRowChoices(left);
}

void ChannelEditForm::StoreRowChoices(int channel)
{
    if (channel == 0 || unloading_ || isUnloaded())
        return;
    AppCore& core = Core();
    if (EncodeChangedRow(core, channel, list_.RowTexts(channel)))
        list_.WriteRow(channel, core.channelRegisters.Columns());
}

void ChannelEditForm::LoadShownChannel()
{
    AppCore& core = Core();
    const bool chinese = core.LanguageChinese;
    const int n = ShownChannel();
    loadedChannel_ = n;
    if (txtChannel_->text() != QString::number(n)) {
        // Writing the number back is no second load.
        const QSignalBlocker blocker(txtChannel_);
        const bool selected = txtChannel_->hasSelectedText();
        txtChannel_->setText(QString::number(n));
        if (selected)
            txtChannel_->selectAll();
    }
    list_.SetChannelCaption(n);
    if (list_.CellText(n, 1).isEmpty()) {
        ClearChannelEdit();
        return;
    }

    EnableChannelEdit();
    SetFieldEnabled(ChkScanAdd_, true);
    ChannelRegisters& regs = core.channelRegisters;
    regs.ChRxFreq = RowText(1);
    regs.ChTxFreq = RowText(2);
    regs.ChDecode = RowText(3);
    regs.ChEncode = RowText(4);
    {
        const QSignalBlocker rx(txtRxFreq_);
        const QSignalBlocker tx(txtTxFreq_);
        txtRxFreq_->setText(regs.ChRxFreq);
        txtTxFreq_->setText(regs.ChTxFreq);
    }
    ShowText(ComDecode_, regs.ChDecode);
    ShowText(ComEncode_, regs.ChEncode);
    if (regs.ChTxFreq.isEmpty()) {
        SetFieldEnabled(ComEncode_, false);
        ShowText(ComEncode_, NoneText());
    }

    // A text that matches no entry leaves the list as it was.
    const auto showByText = [](QComboBox* box, const QString& text) {
        if (text.isEmpty()) {
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(-1);
            return;
        }
        const int position = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position >= 0) {
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(position);
        }
    };
    if (ComTxPower_->count() == 0)
        ComTxPower_->addItems(words::CellChoices(5, 0, chinese));
    showByText(ComTxPower_, RowText(5));
    regs.ChTxPower = ComTxPower_->currentText();
    if (ComWideNarrow_->count() == 0)
        ComWideNarrow_->addItems(words::CellChoices(6, 0, chinese));
    showByText(ComWideNarrow_, RowText(6));
    regs.ChWideNarrow = ComWideNarrow_->currentText();

    ShowChecked(ChkScanAdd_, RowText(7) == Word(words::kYes, chinese));
    regs.ChScanAdd = RowText(7);

    if (ComSelSignal_->count() == 0)
        ComSelSignal_->addItems(words::CellChoices(8, 0, chinese));
    showByText(ComSelSignal_, RowText(8));
    if (RowText(8).isEmpty()) {
        const QSignalBlocker sp(ComSPMute_);
        const QSignalBlocker busy(ComBusyLock_);
        ComSPMute_->clear();
        ComBusyLock_->clear();
    }
    regs.ChOptSignal = ComSelSignal_->currentText();

    const std::uint8_t pttIdType = core.image.at(layout::PttIdType);
    RebuildPttIdList(pttIdType);
    ShowPttIdEntry(PttIdEntryForText(RowText(9), pttIdType, chinese));
    regs.ChPttId = ComPTTID_->currentText();

    ShowEntry(ComAutoDial_, AutoDialEntry(RecordByte(record::kAutoDialCode)));
    regs.ChAutoDial = ComAutoDial_->currentText();

    if (!regs.ChTxFreq.isEmpty())
        SetFieldEnabled(ComEncode_, true);

    const PriorityState& priority = core.priority;
    SetFieldEnabled(ChkPriorityChannel_, priority.PriorityFixed);
    ShowChecked(ChkPriorityChannel_, priority.PriorityFixed && n == priority.PriorityChannelNo);

    ShowChecked(ChkYaKuo_, (FlagsA() & 0x01) != 0);
    ShowChecked(ChkShift_, (RecordByte(record::kFlagsB) & 0x40) != 0);
    regs.ChCompander = ChkYaKuo_->isChecked();
    regs.ChBeatShift = ChkShift_->isChecked();

    RebuildMuteLockLists();
    // The stored codes the lists show; a code they cannot show is stored as
    // the entry shown, so that the record agrees with the window.
    const MuteLockChoice choice = LoadMuteLockEntries(CurrentShape(), FlagsA());
    ShowEntry(ComBusyLock_, choice.busyLock);
    ShowEntry(ComSPMute_, choice.spMute);
    if (choice.flagsA != FlagsA())
        SetFlagsA(choice.flagsA);
    regs.ChBusyLock = ComBusyLock_->currentText();
    regs.ChSpMute = ComSPMute_->currentText();
}

void ChannelEditForm::StepChannel(bool up)
{
    // The step buttons take no focus: a field still being edited is left
    // first, so that its value goes to the channel it was typed for.
    LeaveFocusedField();
    const bool eight = Core().EightChannelModel;
    const int n = ShownChannel();
    txtChannel_->setText(QString::number(up ? NextChannel(n, eight) : PreviousChannel(n, eight)));
    txtChannel_->selectAll();
}

bool ChannelEditForm::txtChannel_KeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        StepChannel(key == Qt::Key_Up);
        return true;
    }
    if (TypesNoCharacter(event))
        return false;  // Delete removes text as typing adds it
    const QString text = event->text();
    if (text.size() == 1 && IsDigit(text.at(0)) && !(event->modifiers() & Qt::ControlModifier)) {
        // Never a third digit, unless it replaces a selection.
        return !(txtChannel_->text().size() < 2 || txtChannel_->hasSelectedText());
    }
    if (IsEnter(event))
        MoveFocusOn(txtChannel_);
    if (txtRxFreq_->text().isEmpty())
        ClearChannelEdit();
    return true;
}

// ---------------------------------------------------------------------------
// The blank state and the enabling

void ChannelEditForm::ClearChannelEdit()
{
    {
        const QSignalBlocker rx(txtRxFreq_);
        const QSignalBlocker tx(txtTxFreq_);
        txtRxFreq_->clear();
        SetFieldEnabled(txtTxFreq_, false);
        txtTxFreq_->clear();
    }
    for (QComboBox* box : {ComDecode_, ComEncode_}) {
        SetFieldEnabled(box, false);
        ShowEntry(box, -1);
    }
    for (QComboBox* box :
         {ComSelSignal_, ComSPMute_, ComTxPower_, ComWideNarrow_, ComBusyLock_, ComPTTID_, ComAutoDial_}) {
        SetFieldEnabled(box, false);
        ShowEntry(box, -1);
    }
    for (QCheckBox* box : {ChkShift_, ChkScanAdd_, ChkPriorityChannel_, ChkYaKuo_}) {
        box->setEnabled(false);
        ShowChecked(box, false);
    }
}

void ChannelEditForm::EnableChannelEdit()
{
    AppCore& core = Core();
    if (!core.windowSlots.isOpen(ChannelEditFormOpen))
        return;
    const bool rxSet = !txtRxFreq_->text().isEmpty();
    const bool txSet = !txtTxFreq_->text().isEmpty();
    SetFieldEnabled(txtTxFreq_, true);
    SetFieldEnabled(ComDecode_, true);
    if (ComDecode_->currentText().isEmpty() && rxSet)
        ShowEntry(ComDecode_, 0);
    if (rxSet && !txSet) {
        SetFieldEnabled(ComEncode_, false);
        ShowEntry(ComEncode_, 0);
    } else if (ComEncode_->currentText().isEmpty() && rxSet) {
        ShowEntry(ComEncode_, 0);
    }
    for (QComboBox* box :
         {ComSelSignal_, ComSPMute_, ComTxPower_, ComWideNarrow_, ComBusyLock_, ComPTTID_, ComAutoDial_})
        SetFieldEnabled(box, true);
    for (QCheckBox* box : {ChkShift_, ChkScanAdd_, ChkYaKuo_})
        box->setEnabled(true);
    ChkPriorityChannel_->setEnabled(rxSet && core.priority.PriorityFixed);
}

// ---------------------------------------------------------------------------
// What the channel list mirrors into the editor

void ChannelEditForm::SetEditorChannel(int channel) { txtChannel_->setText(QString::number(channel)); }

void ChannelEditForm::ShowChannelInEditor()
{
    const ChannelRegisters& regs = Core().channelRegisters;
    txtRxFreq_->setText(regs.ChRxFreq);
    txtTxFreq_->setText(regs.ChTxFreq);
    ShowText(ComDecode_, regs.ChDecode);
    ShowText(ComEncode_, regs.ChEncode);
}

void ChannelEditForm::MirrorFrequencyCommit(int column, const FrequencyCommit&, bool)
{
    const AppCore& core = Core();
    const ChannelRegisters& regs = core.channelRegisters;
    if (column == kTxFreqColumn && !regs.ChTxFreq.isEmpty())
        SetFieldEnabled(ComEncode_, true);
    if (column == kRxFreqColumn) {
        SetFieldEnabled(ChkScanAdd_, true);
        {
            const QSignalBlocker rx(txtRxFreq_);
            txtRxFreq_->setText(regs.ChRxFreq);
        }
        ShowText(ComDecode_, regs.ChDecode);
        ShowText(ComEncode_, regs.ChEncode);
        // The signalling list shows the channel's own, None for a new one.
        ShowText(ComSelSignal_, regs.ChOptSignal);
        if (regs.ChTxPower.isEmpty())
            ShowEntry(ComTxPower_, 0);
        else
            ShowText(ComTxPower_, regs.ChTxPower);
        if (regs.ChWideNarrow.isEmpty())
            ShowEntry(ComWideNarrow_, 1);
        else
            ShowText(ComWideNarrow_, regs.ChWideNarrow);
        if (core.image.at(layout::PttIdType) < 2) {
            if (regs.ChPttId.isEmpty())
                ShowEntry(ComPTTID_, 0);
            else
                ShowText(ComPTTID_, regs.ChPttId);
        } else {
            ShowEntry(ComPTTID_, -1);
        }
        if (ComAutoDial_->currentIndex() < 0)
            ShowEntry(ComAutoDial_, 0);
        else
            ShowText(ComAutoDial_, regs.ChAutoDial);
        ShowChecked(ChkScanAdd_, regs.ChScanAdd != Word(words::kNo, core.LanguageChinese));
    }
    if (!regs.ChTxFreq.isEmpty()) {
        const QSignalBlocker tx(txtTxFreq_);
        txtTxFreq_->setText(regs.ChTxFreq);
    } else {
        SetFieldEnabled(ComEncode_, false);
    }
}

void ChannelEditForm::MirrorListPick(int column, const QString& text)
{
    const bool chinese = Core().LanguageChinese;
    const std::uint8_t pttIdType = Core().image.at(layout::PttIdType);
    const auto select = [this](QComboBox* box, int position) {
        if (position >= 0)
            SelectEntry(box, position);
    };
    switch (column) {
    case kDecodeColumn:
        ShowText(ComDecode_, text);
        break;
    case kEncodeColumn:
        ShowText(ComEncode_, text);
        break;
    case kTxPowerColumn:
        select(ComTxPower_, text == Word(words::kHigh, chinese) ? 0 : text == Word(words::kLow, chinese) ? 1 : -1);
        break;
    case kWideNarrowColumn:
        select(ComWideNarrow_,
               text == Word(words::kNarrow, chinese) ? 0 : text == Word(words::kWide, chinese) ? 1 : -1);
        break;
    case kScanAddColumn:
        SetChecked(ChkScanAdd_, text == Word(words::kYes, chinese));
        break;
    case kOptSignalColumn:
        select(ComSelSignal_, ComSelSignal_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        break;
    case kPttIdColumn:
        if (pttIdType == 1) {
            const bool known = text == Word(words::kOff, chinese) || text == Word(words::kOwn, chinese)
                               || text.startsWith(Word(words::kFleetList, chinese));
            if (known)
                select(ComPTTID_, PttIdEntryForText(text, pttIdType, chinese));
        } else {
            select(ComPTTID_, text == Word(words::kOn, chinese) ? 1 : 0);
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// The PTT ID list, as the settings windows reach it

void ChannelEditForm::RebuildPttIdList(std::uint8_t pttIdType)
{
    const QSignalBlocker blocker(ComPTTID_);
    ComPTTID_->clear();
    ComPTTID_->addItems(words::CellChoices(9, pttIdType, Core().LanguageChinese));
    ComPTTID_->setCurrentIndex(-1);
}

void ChannelEditForm::ChoosePttIdEntry(int position) { SelectEntry(ComPTTID_, position); }

void ChannelEditForm::ShowPttIdEntry(int position) { ShowEntry(ComPTTID_, position); }

// ---------------------------------------------------------------------------
// The commit

void ChannelEditForm::CommitChannelEdit()
{
    AppCore& core = Core();
    const int n = ShownChannel();
    const bool tick =
        zx::CommitChannelEdit(core, n, txtRxFreq_->text().isEmpty(), ChkScanAdd_->isChecked());
    ShowChecked(ChkScanAdd_, tick);
    list_.WriteRow(n, core.channelRegisters.Columns());
}

void AttachChannelEditForm(EditorWindowRegistry& windows)
{
    windows.RegisterWindow(ChannelEditForm::Setup().slot, [&windows]() -> EditorWindowFrame* {
        auto* list = qobject_cast<ChannelForm*>(windows.Load(0));
        return list ? new ChannelEditForm(*list) : nullptr;
    });
}

ChannelEditor* LoadChannelEditor(EditorWindowRegistry& windows)
{
    return qobject_cast<ChannelEditForm*>(windows.Load(ChannelEditForm::Setup().slot));
}

}  // namespace zx
