// The actions of ChannelEditForm's fields: what typing, a choice, a click,
// entering and leaving each field writes. The window, the channel load and
// the navigation are in ChannelEditForm.cpp.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "channels/ChannelCodec.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/DecimalText.h"
#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "channels/ui/FieldKeys.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "platform/Prompt.h"

namespace zx {

namespace {

using field_keys::IsEnter;
using field_keys::TypesNoCharacter;
using words::Word;

std::uint8_t WithBit(std::uint8_t byte, std::uint8_t mask, bool on)
{
    return static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

}  // namespace

// ---------------------------------------------------------------------------
// RX and TX

bool ChannelEditForm::FrequencyKeyPress(QLineEdit* box, QKeyEvent* event)
{
    if (IsEnter(event)) {
        // Enter in an empty RX box does nothing; TX always moves on.
        if (box == txtTxFreq_ || !box->text().isEmpty())
            MoveFocusOn(box);
        return true;
    }
    if (event->key() == Qt::Key_Backspace || TypesNoCharacter(event))
        return false;
    const QString text = event->text();
    const QChar c = text.at(0);
    const bool number = text.size() == 1 && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
                        && !(event->modifiers() & Qt::ControlModifier);
    if (!number)
        return true;
    // At most nine characters, unless a selection is typed over.
    return box->text().size() >= 9 && !box->hasSelectedText();
}

void ChannelEditForm::txtRxFreq_GotFocus()
{
    txtRxFreq_->selectAll();
    NewChannelEntry_ = txtRxFreq_->text().isEmpty();
}

void ChannelEditForm::txtRxFreq_Change()
{
    if (txtRxFreq_->text().isEmpty())
        ClearChannelEdit();
}

QString ChannelEditForm::CheckFrequency(const QString& text)
{
    AppCore& core = Core();
    // The limits of the image's band, as the channel grid checks them.
    GetBandLimits(core);
    const SnappedFrequency snapped = SnapFrequency(text, core.BandLowerMHz, core.BandUpperMHz);
    if (snapped.outOfRange) {
        const bool chinese = core.LanguageChinese;
        Ask({RangeMessageText(chinese), RangeMessageTitle(chinese), MsgIcon::Exclamation, MsgButtons::Ok,
             MsgResult::Ok, this});
    }
    return snapped.text;
}

void ChannelEditForm::txtRxFreq_LostFocus()
{
    AppCore& core = Core();
    ChannelRegisters& regs = core.channelRegisters;
    const bool chinese = core.LanguageChinese;
    if (txtRxFreq_->text().isEmpty()) {
        regs.ClearColumns();
        CommitChannelEdit();
        return;
    }
    const QString final = CheckFrequency(txtRxFreq_->text());
    const bool decodeEmpty = ComDecode_->currentText().isEmpty();
    const bool encodeEmpty = ComEncode_->currentText().isEmpty();
    EnableChannelEdit();
    {
        const QSignalBlocker blocker(txtRxFreq_);
        txtRxFreq_->setText(final);
    }
    regs.ChRxFreq = final;
    regs.ChTxFreq = txtTxFreq_->text();

    // Each list completed with its default, chosen as a user would.
    if (decodeEmpty)
        SelectEntry(ComDecode_, 0);
    regs.ChDecode = ComDecode_->currentText();
    if (encodeEmpty)
        SelectEntry(ComEncode_, 0);
    regs.ChEncode = ComEncode_->currentText();
    if (ComSelSignal_->currentIndex() < 0 && NewChannelEntry_)
        SelectEntry(ComSelSignal_, 0);
    regs.ChOptSignal = ComSelSignal_->currentText();
    if (ComTxPower_->currentIndex() < 0)
        SelectEntry(ComTxPower_, 0);
    regs.ChTxPower = ComTxPower_->currentText();
    if (ComSPMute_->count() == 0) {
        const QSignalBlocker blocker(ComSPMute_);
        ComSPMute_->addItem(Word(words::kCarrier, chinese));
        ComSPMute_->setCurrentIndex(-1);
    }
    if (ComSPMute_->currentIndex() < 0 && NewChannelEntry_)
        SelectEntry(ComSPMute_, 0);
    regs.ChSpMute = ComSPMute_->currentText();
    if (ComWideNarrow_->currentIndex() < 0)
        SelectEntry(ComWideNarrow_, 1);
    regs.ChWideNarrow = ComWideNarrow_->currentText();
    if (ComBusyLock_->count() == 0) {
        const QSignalBlocker blocker(ComBusyLock_);
        ComBusyLock_->addItem(Word(words::kOff, chinese), 0);
        ComBusyLock_->addItem(Word(words::kCarrier, chinese), 1);
        ComBusyLock_->setCurrentIndex(-1);
    }
    if (ComBusyLock_->currentIndex() < 0 && NewChannelEntry_)
        SelectEntry(ComBusyLock_, 0);
    regs.ChBusyLock = ComBusyLock_->currentText();
    if (ComPTTID_->currentIndex() < 0 && core.image.at(layout::PttIdType) <= 1 && ComPTTID_->count() > 0)
        SelectEntry(ComPTTID_, 0);
    regs.ChPttId = ComPTTID_->currentText();
    if (ComAutoDial_->currentIndex() < 0)
        SelectEntry(ComAutoDial_, 0);
    regs.ChAutoDial = ComAutoDial_->currentText();

    if (NewChannelEntry_) {
        SetChecked(ChkScanAdd_, true);
        SetChecked(ChkShift_, false);
        SetChecked(ChkYaKuo_, false);
        regs.ChBeatShift = false;
        regs.ChCompander = false;
        NewChannelEntry_ = false;
    }
    regs.ChScanAdd = Word(ChkScanAdd_->isChecked() ? words::kYes : words::kNo, chinese);
    CommitChannelEdit();
}

void ChannelEditForm::txtTxFreq_Change()
{
    const qsizetype length = txtTxFreq_->text().size();
    if (length == 0) {
        SetFieldEnabled(ComEncode_, false);
        ShowText(ComEncode_, NoneText());
    } else if (length == 1) {
        SetFieldEnabled(ComEncode_, true);
    }
}

void ChannelEditForm::txtTxFreq_LostFocus()
{
    ChannelRegisters& regs = Core().channelRegisters;
    if (txtTxFreq_->text().isEmpty()) {
        regs.ChTxFreq.clear();
        regs.ChEncode = NoneText();
    } else {
        const QString final = CheckFrequency(txtTxFreq_->text());
        const QSignalBlocker blocker(txtTxFreq_);
        txtTxFreq_->setText(final);
        regs.ChTxFreq = final;
    }
    CommitChannelEdit();
}

// ---------------------------------------------------------------------------
// The tones and the signalling type

bool ChannelEditForm::ToneKeyPress(QComboBox* box, QKeyEvent* event)
{
    if (IsEnter(event)) {
        MoveFocusOn(box);
        return true;
    }
    if (event->key() == Qt::Key_Backspace || TypesNoCharacter(event) || event->key() == Qt::Key_Up
        || event->key() == Qt::Key_Down)
        return false;
    const QString text = event->text();
    QChar c = text.at(0);
    if (c == QLatin1Char('d') || c == QLatin1Char('i') || c == QLatin1Char('n'))
        c = c.toUpper();
    const bool allowed = text.size() == 1 && !(event->modifiers() & Qt::ControlModifier)
                         && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
                             || c == QLatin1Char('D') || c == QLatin1Char('I') || c == QLatin1Char('N'));
    QLineEdit* edit = box->lineEdit();
    if (allowed && (edit->text().size() < 5 || edit->hasSelectedText()))
        edit->insert(QString(c));
    return true;
}

void ChannelEditForm::ValidateTone(bool decode)
{
    AppCore& core = Core();
    QComboBox* box = decode ? ComDecode_ : ComEncode_;
    const int column = decode ? 3 : 4;
    core.GridChannel = ShownChannel();
    QString t = box->currentText();
    if (t.isEmpty()) {
        if (decode) {
            if (!txtRxFreq_->text().isEmpty())
                ShowText(box, NoneText());
            return;
        }
        if (txtTxFreq_->text().isEmpty())
            return;
        t = NoneText();
    }
    // One rule for a typed tone in every view of the channel.
    t = NormaliseToneText(t, core.LanguageChinese);
    ShowText(box, t);
    core.channelRegisters.Column(column) = t;
    EncodeChannel(core, core.GridChannel);
    core.CopyChannelRecords();
    list_.WriteRow(core.GridChannel, core.channelRegisters.Columns());
}

void ChannelEditForm::ComDecode_Click()
{
    RebuildMuteLockLists();
    SelectMuteLockEntries();
    const QString text = ComDecode_->currentText();
    if (!text.isEmpty()) {
        Core().channelRegisters.ChDecode = text;
        SetRowText(3, text);
    }
}

void ChannelEditForm::ComEncode_Click()
{
    const QString text = ComEncode_->currentText();
    if (!text.isEmpty()) {
        Core().channelRegisters.ChEncode = text;
        SetRowText(4, text);
    }
}

void ChannelEditForm::ComDecode_LostFocus()
{
    if (!ComDecode_->currentText().isEmpty())
        CommitChannelEdit();
    ValidateTone(true);
}

void ChannelEditForm::ComEncode_LostFocus()
{
    if (!ComEncode_->currentText().isEmpty())
        CommitChannelEdit();
}

void ChannelEditForm::ComSelSignal_Click()
{
    RebuildMuteLockLists();
    SelectMuteLockEntries();
    const QString text = ComSelSignal_->currentText();
    if (!RowText(1).isEmpty())
        SetRowText(8, text);
    Core().channelRegisters.ChOptSignal = text;
}

void ChannelEditForm::ComSelSignal_LostFocus()
{
    if (!ComSelSignal_->currentText().isEmpty())
        CommitChannelEdit();
}

void ChannelEditForm::RebuildMuteLockLists()
{
    const bool chinese = Core().LanguageChinese;
    const MuteLockShape shape = CurrentShape();
    {
        const QSignalBlocker blocker(ComSPMute_);
        ComSPMute_->clear();
        ComSPMute_->addItems(SpMuteEntries(shape, chinese));
        ComSPMute_->setCurrentIndex(-1);
    }
    const QSignalBlocker blocker(ComBusyLock_);
    ComBusyLock_->clear();
    const QStringList entries = BusyLockEntries(shape, chinese);
    const std::vector<int> codes = BusyLockCodes(shape);
    for (int i = 0; i < entries.size(); ++i)
        ComBusyLock_->addItem(entries[i], codes[static_cast<std::size_t>(i)]);
    ComBusyLock_->setCurrentIndex(-1);
}

void ChannelEditForm::SelectMuteLockEntries()
{
    const MuteLockChoice choice = zx::SelectMuteLockEntries(CurrentShape(), FlagsA());
    // Each entry is stored as a user's choice of it; an unset byte shows none.
    if (choice.spMute >= 0)
        SelectEntry(ComSPMute_, choice.spMute);
    else
        ShowEntry(ComSPMute_, -1);
    if (choice.busyLock >= 0)
        SelectEntry(ComBusyLock_, choice.busyLock);
    else
        ShowEntry(ComBusyLock_, -1);
}

void ChannelEditForm::ComSPMute_Click()
{
    const int position = ComSPMute_->currentIndex();
    if (position >= 0)
        SetFlagsA(StoreSpMute(FlagsA(), position));
    Core().channelRegisters.ChSpMute = ComSPMute_->currentText();
}

void ChannelEditForm::ComBusyLock_Click()
{
    // The entry's code, not its position.
    if (ComBusyLock_->currentIndex() >= 0)
        SetFlagsA(StoreBusyLock(FlagsA(), ComBusyLock_->currentData().toInt()));
    Core().channelRegisters.ChBusyLock = ComBusyLock_->currentText();
}

// ---------------------------------------------------------------------------
// The switches and lists

void ChannelEditForm::ComTxPower_Click()
{
    const QString text = ComTxPower_->currentText();
    if (text.isEmpty())
        return;
    Core().channelRegisters.ChTxPower = text;
    SetRowText(5, text);
}

void ChannelEditForm::ComWideNarrow_Click()
{
    const QString text = ComWideNarrow_->currentText();
    if (text.isEmpty())
        return;
    Core().channelRegisters.ChWideNarrow = text;
    SetRowText(6, text);
}

void ChannelEditForm::ComPTTID_Click()
{
    const QString text = ComPTTID_->currentText();
    if (text.isEmpty())
        return;
    Core().channelRegisters.ChPttId = text;
    SetRowText(9, text);
}

void ChannelEditForm::ComPTTID_GotFocus()
{
    AppCore& core = Core();
    const std::uint8_t pttIdType = core.image.at(layout::PttIdType);
    if (pttIdType == 1) {
        // The box always shows the stored PTT ID when it gets the focus.
        core.checks.OwnFleetIdError = false;
        RebuildPttIdList(pttIdType);
        SelectEntry(ComPTTID_, PttIdEntryForCode(RecordByte(record::kPttIdCode)));
        return;
    }
    if (ComPTTID_->currentIndex() >= 0)
        return;
    RebuildPttIdList(pttIdType);
    if (!txtRxFreq_->text().isEmpty())
        SelectEntry(ComPTTID_, 1);
}

void ChannelEditForm::ComAutoDial_Click()
{
    SetRecordByte(record::kAutoDialCode, AutoDialCode(ComAutoDial_->currentIndex()));
    Core().channelRegisters.ChAutoDial = ComAutoDial_->currentText();
}

void ChannelEditForm::ComAutoDial_LostFocus()
{
    SetRecordByte(record::kAutoDialCode, AutoDialCode(ComAutoDial_->currentIndex()));
}

void ChannelEditForm::ChkShift_Click()
{
    const bool on = ChkShift_->isChecked();
    Core().channelRegisters.ChBeatShift = on;
    SetRecordByte(record::kFlagsB, WithBit(RecordByte(record::kFlagsB), 0x40, on));
}

void ChannelEditForm::ChkShift_GotFocus()
{
    SetRecordByte(record::kFlagsB, WithBit(RecordByte(record::kFlagsB), 0x40, ChkShift_->isChecked()));
}

void ChannelEditForm::ChkYaKuo_Click()
{
    const bool on = ChkYaKuo_->isChecked();
    Core().channelRegisters.ChCompander = on;
    SetFlagsA(WithBit(FlagsA(), 0x01, on));
}

void ChannelEditForm::ChkYaKuo_GotFocus() { SetFlagsA(WithBit(FlagsA(), 0x01, ChkYaKuo_->isChecked())); }

void ChannelEditForm::ChkScanAdd_Click()
{
    AppCore& core = Core();
    const int n = ShownChannel();
    const DecimalText rx(RowText(1));
    if (!(rx.Scaled(5) != 0 || rx.HasRemainder(5)))
        return;
    const bool chinese = core.LanguageChinese;
    const QString word = Word(ChkScanAdd_->isChecked() ? words::kYes : words::kNo, chinese);
    ApplyScanAdd(ScanAddBytes::Of(core.image), n, word, core.EightChannelModel, chinese).StoreInto(core.image);
    SetRowText(7, word);
}

void ChannelEditForm::ChkPriorityChannel_Click()
{
    AppCore& core = Core();
    if (ChkPriorityChannel_->isChecked()) {
        core.priority.PriorityChannelNo = ShownChannel();
        core.checks.PriorityChannelError = false;
    } else {
        core.priority.PriorityChannelNo = 0;
    }
    if (core.windowSlots.isOpen(ScanFormOpen) && scanPriorityField_)
        scanPriorityField_(core.priority.PriorityChannelNo);
}

}  // namespace zx
