#include "settings/ui/ScanForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"
#include "platform/ui/NoContextMenu.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/ScanRules.h"
#include "settings/ScanSpinFields.h"
#include "settings/SpinRules.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/FieldColours.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"

namespace zx {

namespace {

constexpr int kLabelLeft = 240, kLabelWidth = 2700;
constexpr int kFieldLeft = 3060, kFieldWidth = 2400;
constexpr int kFirstRowTop = 240, kRowPitch = 480, kRowHeight = 315;
// The priority channel field takes two typed digits.
constexpr int kPriorityTypedLength = 2;

int RowTop(int row) { return kFirstRowTop + row * kRowPitch; }

bool IsEnterKey(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

EditorWindowSetup ScanForm::Setup() { return {3, -1, 5175, 5895, 1142, QStringLiteral("scaninfo"), 4400}; }

ScanForm::ScanForm(ChannelEditorPriorityLink channelEditor, QWidget* parent)
    : EditorWindowFrame(Setup(), parent), editor_(std::move(channelEditor))
{
    setObjectName(QStringLiteral("ScanForm"));
    BuildControls();
    SetTabOrder();
    Form_Load();
}

void ScanForm::BuildControls()
{
    QWidget* pic = panel();
    pic->setObjectName(QStringLiteral("picScanInfo"));
    RadioImage& image = Core().image;

    auto label = [pic](const char* name, int row) {
        auto* l = new QLabel(pic);
        l->setObjectName(QString::fromLatin1(name));
        PlaceTwips(l, kLabelLeft, RowTop(row) + 30, kLabelWidth, kRowHeight);
        return l;
    };
    auto list = [this, pic](const char* name, int helpId, int row) {
        auto* c = new QComboBox(pic);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        c->setProperty(kHelpContextIdProperty, helpId);
        PlaceTwips(c, kFieldLeft, RowTop(row), kFieldWidth, kRowHeight);
        c->installEventFilter(this);
        return c;
    };
    auto spin = [&image, pic](SpinFieldParams params, int row) {
        auto* field = new SpinField(std::move(params), image, pic);
        PlaceTwips(field, kFieldLeft, RowTop(row), kFieldWidth, kRowHeight);
        return field;
    };

    lblPriority_ = label("lblPriority", 0);
    cboPriority_ = list("cboPriority", 4401, 0);
    lblPriorityCH_ = label("lblPriorityCH", 1);
    txtPriorityCH_ = new QLineEdit(pic);
    txtPriorityCH_->setObjectName(QStringLiteral("txtPriorityCH"));
    txtPriorityCH_->setProperty(kHelpContextIdProperty, 4402);
    PlaceTwips(txtPriorityCH_, kFieldLeft, RowTop(1), kFieldWidth, kRowHeight);
    txtPriorityCH_->installEventFilter(this);
    NoContextMenu(txtPriorityCH_);
    lblLookBackTimeA_ = label("lblLookBackTimeA", 2);
    txtLookBackTimeA_ = spin(LookBackTimeAField(), 2);
    lblLookBackTimeB_ = label("lblLookBackTimeB", 3);
    txtLookBackTimeB_ = spin(LookBackTimeBField(), 3);
    lblRevertCH_ = label("lblRevertCH", 4);
    cboRevertCH_ = list("cboRevertCH", 4405, 4);
    lblDropoutDelayTime_ = label("lblDropoutDelayTime", 5);
    txtDropoutDelayTime_ = spin(DropoutDelayTimeField(), 5);
    lblTXDwellTime_ = label("lblTXDwellTime", 6);
    txtTXDwellTime_ = spin(TxDwellTimeField(), 6);

    PlaceTwips(cmdHelp(), 2880, 3840, 1215, 375);
    PlaceTwips(cmdClose(), 4245, 3840, 1215, 375);

    // A choice made by the user; a choice made in code calls the handler.
    connect(cboPriority_, &QComboBox::activated, this, [this] { ApplyPriorityMode(); });
    connect(cboRevertCH_, &QComboBox::activated, this, [this] { cboRevertCH_Click(); });
}

void ScanForm::SetTabOrder()
{
    QWidget* order[] = {cboPriority_,   txtPriorityCH_,          txtLookBackTimeA_->txt(),
                        txtLookBackTimeB_->txt(), cboRevertCH_, txtDropoutDelayTime_->txt(),
                        txtTXDwellTime_->txt(),   cmdClose(),   cmdHelp()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ScanForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1142));
    lblPriority_->setText(LoadLangString(1143));
    lblPriorityCH_->setText(LoadLangString(1144));
    lblLookBackTimeA_->setText(LoadLangString(1145));
    lblLookBackTimeB_->setText(LoadLangString(1146));
    lblRevertCH_->setText(LoadLangString(1147));
    lblDropoutDelayTime_->setText(LoadLangString(1148));
    lblTXDwellTime_->setText(LoadLangString(1149));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
}

void ScanForm::Form_Load()
{
    RadioImage& image = Core().image;
    // 1. Size, icon and the hidden Help button come with the frame.
    SetCaptions();
    // 2. The modes.
    cboPriority_->addItems(PriorityModeItems());
    // 3. The mode's own run below stores the revert entry it falls to; the
    //    stored code is put back afterwards.
    const std::uint8_t storedRevert = image.at(layout::RevertChannel);
    // 4. The stored mode, with its Click.
    cboPriority_->setCurrentIndex(PriorityModePosition(image.at(layout::PriorityMode)));
    ApplyPriorityMode();
    // 5. The priority channel as stored; the shared channel number stays.
    const std::uint8_t channel = image.at(layout::PriorityChannel);
    txtPriorityCH_->setText(channel == 0xFF ? QString() : QString::number(channel));
    LastPriorityText_ = txtPriorityCH_->text();
    // 6.-7. Look back times.
    txtLookBackTimeA_->Load();
    txtLookBackTimeB_->Load();
    // 8. The stored revert code, shown where the list can show it; the byte
    //    keeps it until the list is committed or the mode changes.
    image.set(layout::RevertChannel, storedRevert);
    SelectRevertEntry(RevertChannelPosition(storedRevert, cboRevertCH_->count()));
    // 9.-10. Dropout delay and TX dwell times.
    txtDropoutDelayTime_->Load();
    txtTXDwellTime_->Load();
}

bool ScanForm::EditorOpen() const { return Core().windowSlots.isOpen(ChannelEditFormOpen); }

void ScanForm::ApplyPriorityMode()
{
    AppCore& core = Core();
    const int position = cboPriority_->currentIndex();
    if (position < 0)
        return;
    const auto mode = static_cast<PriorityMode>(position);
    const bool fixed = mode == PriorityMode::Fixed;
    const bool lookBackUsable = mode != PriorityMode::None;

    core.priority.PriorityFixed = fixed;
    if (fixed) {
        // The channel stays as it is; an unusable one blocks the write.
        const std::uint8_t channel = core.image.at(layout::PriorityChannel);
        core.checks.PriorityChannelError = !(channel >= 1 && channel <= 16);
    } else {
        core.checks.PriorityChannelError = false;
        core.priority.PriorityChannelNo = 0;
        txtPriorityCH_->clear();
        core.image.set(layout::PriorityChannel, 0xFF);
    }
    lblPriorityCH_->setEnabled(fixed);
    SetFieldUsable(txtPriorityCH_, fixed);
    for (SpinField* field : {txtLookBackTimeA_, txtLookBackTimeB_})
        field->SetUsable(lookBackUsable);
    lblLookBackTimeA_->setEnabled(lookBackUsable);
    lblLookBackTimeB_->setEnabled(lookBackUsable);

    // The revert list of the mode; the entry last chosen stays chosen where
    // the new list has it, otherwise the last entry is taken.
    cboRevertCH_->clear();
    cboRevertCH_->addItems(RevertChannelItems(mode));
    int position2 = cboRevertCH_->count() - 1;
    for (int i = 0; i < cboRevertCH_->count(); ++i) {
        if (cboRevertCH_->itemText(i) == LastRevertText_) {
            position2 = i;
            break;
        }
    }
    SelectRevertEntry(position2);
    StoreRevertCode();

    if (EditorOpen() && editor_.setPriorityEnabled) {
        const bool rxSet = editor_.rxFrequencyText && !editor_.rxFrequencyText().isEmpty();
        editor_.setPriorityEnabled(rxSet && fixed);
    }
}

void ScanForm::CommitPriorityMode()
{
    const int position = cboPriority_->currentIndex();
    if (position >= 0)
        Core().image.set(layout::PriorityMode, static_cast<std::uint8_t>(position));
}

void ScanForm::SelectRevertEntry(int position)
{
    cboRevertCH_->setCurrentIndex(position);
    cboRevertCH_Click();
}

void ScanForm::cboRevertCH_Click() { LastRevertText_ = cboRevertCH_->currentText(); }

void ScanForm::StoreRevertCode()
{
    if (const std::optional<std::uint8_t> code = RevertChannelCode(cboRevertCH_->currentText()))
        Core().image.set(layout::RevertChannel, *code);
}

void ScanForm::CommitRevertChannel() { StoreRevertCode(); }

void ScanForm::CommitPriorityChannel()
{
    AppCore& core = Core();
    core.checks.PriorityChannelError = false;
    const bool fixedShown = cboPriority_->currentIndex() == static_cast<int>(PriorityMode::Fixed);
    const PriorityChannelCommit c =
        CommitPriorityChannelText(txtPriorityCH_->text(), LastPriorityText_, fixedShown, core.image);
    if (c.refused) {
        Ask({PriorityChannelMessage(), PriorityChannelMessageTitle(), MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok,
             this});
    }
    if (txtPriorityCH_->text() != c.text)
        txtPriorityCH_->setText(c.text);
    core.image.set(layout::PriorityChannel, c.byte);
    core.checks.PriorityChannelError = c.error;
    if (c.channel != 0 && EditorOpen() && editor_.showPriorityChecked) {
        const int shown = editor_.channelText ? ReadSpinInteger(editor_.channelText()) : 0;
        editor_.showPriorityChecked(shown == c.channel);
    }
    LastPriorityText_ = txtPriorityCH_->text();
    core.priority.PriorityChannelNo = ReadSpinInteger(LastPriorityText_);
}

bool ScanForm::txtPriorityCH_KeyPress(QKeyEvent* key)
{
    // Clipboard and other control-letter keys type nothing here.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        const int k = key->key();
        return k >= Qt::Key_A && k <= Qt::Key_Z;
    }
    if (key->key() == Qt::Key_Backspace)
        return false;
    if (IsEnterKey(key)) {
        EnterAsTab(txtPriorityCH_);
        return true;
    }
    const QString typed = key->text();
    if (typed.size() != 1 || !typed[0].isPrint())
        return false;  // caret keys, Delete, Tab: no characters
    const QChar c = typed[0];
    if (c.unicode() < '0' || c.unicode() > '9')
        return true;
    const bool full = txtPriorityCH_->text().size() >= kPriorityTypedLength;
    return full && !txtPriorityCH_->hasSelectedText();
}

QWidget* ScanForm::FirstField() const { return cboPriority_; }

void ScanForm::CommitFieldBeingEdited()
{
    QWidget* focus = FocusedField();
    if (!focus)
        return;
    if (focus == cboPriority_)
        CommitPriorityMode();
    else if (focus == txtPriorityCH_)
        CommitPriorityChannel();
    else if (focus == cboRevertCH_)
        CommitRevertChannel();
    for (SpinField* field : {txtLookBackTimeA_, txtLookBackTimeB_, txtDropoutDelayTime_, txtTXDwellTime_})
        if (focus == field->txt())
            field->CommitOnLeave();
}

bool ScanForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool ours = watched == cboPriority_ || watched == txtPriorityCH_ || watched == cboRevertCH_;
    if (!ours || isUnloaded())
        return EditorWindowFrame::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtPriorityCH_)
            return txtPriorityCH_KeyPress(key);
        if (IsEnterKey(key)) {
            EnterAsTab(widget);
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == txtPriorityCH_) {
            // Let the box take the focus first: a click would place the
            // caret and drop the selection.
            static_cast<QObject*>(txtPriorityCH_)->event(event);
            txtPriorityCH_->selectAll();
            return true;
        }
        break;
    case QEvent::FocusOut:
        // Opening a list's own drop-down is no leaving.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            break;
        if (watched == cboPriority_)
            CommitPriorityMode();
        else if (watched == cboRevertCH_)
            CommitRevertChannel();
        else
            CommitPriorityChannel();
        break;
    default:
        break;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
