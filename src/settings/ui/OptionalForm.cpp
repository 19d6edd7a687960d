#include "settings/ui/OptionalForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/OptionalSpinFields.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/FieldColours.h"
#include "settings/ui/PttIdGroup.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"

namespace zx {

namespace {

QRect Twips(int left, int top, int width, int height)
{
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

constexpr int kRowHeight = 330;

}  // namespace

EditorWindowSetup OptionalForm::Setup()
{
    return {1, -1, 6150, 9000, 1098, QStringLiteral("optfeatures"), 4200};
}

OptionalForm::OptionalForm(OptionalFormHooks hooks, QWidget* parent)
    : EditorWindowFrame(Setup(), parent), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("OptionalForm"));
    BuildControls();
    SetTabOrder();
    Form_Load();
}

void OptionalForm::BuildControls()
{
    QWidget* pic = panel();
    pic->setObjectName(QStringLiteral("picOpt"));
    RadioImage& image = Core().image;

    auto label = [](QWidget* parent, const char* name, QRect r) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(r);
        return l;
    };
    auto spin = [&](QWidget* parent, SpinFieldParams params, QRect r) {
        auto* field = new SpinField(std::move(params), image, parent);
        field->setGeometry(r);
        return field;
    };
    auto list = [this](QWidget* parent, const char* name, int helpId, OptionalList kind, int address, QRect r) {
        auto* c = new QComboBox(parent);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        c->setProperty(kHelpContextIdProperty, helpId);
        c->setGeometry(r);
        c->installEventFilter(this);
        lists_[c] = {kind, address};
        return c;
    };
    auto check = [this](QWidget* parent, const char* name, int helpId, int address, int captionId, QRect r) {
        auto* b = new QCheckBox(parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty(kHelpContextIdProperty, helpId);
        b->setGeometry(r);
        b->installEventFilter(this);
        checks_[b] = {address, captionId};
        return b;
    };

    // Left column: the numeric fields and two lists, four switches, PTT ID.
    constexpr int labelLeft = 240, fieldLeft = 2700, fieldWidth = 1500, labelWidth = 2400;
    lblTOT_ = label(pic, "lblTOT", Twips(labelLeft, 240, labelWidth, kRowHeight));
    txtTOT_ = spin(pic, TimeOutTimerField(), Twips(fieldLeft, 200, fieldWidth, kRowHeight));
    lblTOTPreAlert_ = label(pic, "lblTOTPreAlert", Twips(labelLeft, 640, labelWidth, kRowHeight));
    txtTOTPreAlert_ = spin(pic, TotPreAlertField(), Twips(fieldLeft, 600, fieldWidth, kRowHeight));
    lblSQLevel_ = label(pic, "lblSQLevel", Twips(labelLeft, 1040, labelWidth, kRowHeight));
    txtSQLevel_ = spin(pic, SquelchLevelField(), Twips(fieldLeft, 1000, fieldWidth, kRowHeight));
    lblMicSens_ = label(pic, "lblMicSens", Twips(labelLeft, 1440, labelWidth, kRowHeight));
    cboMICSens_ = list(pic, "cboMICSens", 4204, OptionalList::MicSensitivity, layout::MicSensitivity,
                       Twips(fieldLeft, 1400, fieldWidth, kRowHeight));
    lblVoiceAnnu_ = label(pic, "lblVoiceAnnu", Twips(labelLeft, 1840, labelWidth, kRowHeight));
    cboVoiceAnnu_ = list(pic, "cboVoiceAnnu", 4205, OptionalList::VoiceAnnunciation, layout::VoiceAnnunciation,
                         Twips(fieldLeft, 1800, fieldWidth, kRowHeight));
    chkBattSave_ = check(pic, "chkBattSave", 4206, layout::BatterySave, 1104, Twips(labelLeft, 2240, 2300, 300));
    chkBeep_ = check(pic, "chkBeep", 4207, layout::Beep, 1105, Twips(2580, 2240, 2100, 300));
    chkScramblerAct_ =
        check(pic, "chkScramblerAct", 4208, layout::ScramblerActivation, 1106, Twips(labelLeft, 2580, 2300, 300));
    chkScramblerBackup_ =
        check(pic, "chkScramblerBackup", 4209, layout::ScramblerBackup, 1107, Twips(2580, 2580, 2100, 300));

    fraPTTID_ = new PttIdGroup(image, Core().checks, hooks_, [this] { return isUnloaded(); }, pic);
    fraPTTID_->setGeometry(Twips(120, 2960, 4440, 1960));

    // Right column: the VOX group, then the mode.
    fraVOX_ = new QGroupBox(pic);
    fraVOX_->setObjectName(QStringLiteral("fraVOX"));
    fraVOX_->setGeometry(Twips(4740, 120, 4000, 3160));
    chkVOXFunc_ = check(fraVOX_, "chkVOXFunc", 4221, layout::VoxFunction, 1112, Twips(200, 330, 3500, 300));
    lblVOXGainLevel_ = label(fraVOX_, "lblVOXGainLevel", Twips(200, 780, 2000, kRowHeight));
    txtVOXGainLevel_ = spin(fraVOX_, VoxGainLevelField(), Twips(2300, 740, 1500, kRowHeight));
    lblVOXDelayTime_ = label(fraVOX_, "lblVOXDelayTime", Twips(200, 1200, 2000, kRowHeight));
    cboVOXDelayTime_ = list(fraVOX_, "cboVOXDelayTime", 4223, OptionalList::VoxDelayTime, layout::VoxDelayTime,
                            Twips(2300, 1160, 1500, kRowHeight));
    chkCancel_ = check(fraVOX_, "chkCancel", 4224, layout::CancelOperation, 1115, Twips(200, 1640, 3500, 300));
    chkVOXProceedTone_ =
        check(fraVOX_, "chkVOXProceedTone", 4225, layout::VoxProceedTone, 1116, Twips(200, 2040, 3500, 300));
    chkVOXInhibit_ =
        check(fraVOX_, "chkVOXInhibit", 4226, layout::VoxInhibitOnReceive, 1117, Twips(200, 2440, 3500, 300));

    fraMode_ = new QGroupBox(pic);
    fraMode_->setObjectName(QStringLiteral("fraMode"));
    fraMode_->setGeometry(Twips(4740, 3400, 4000, 900));
    chkCloneMode_ = check(fraMode_, "chkCloneMode", 4231, layout::CloneMode, 1119, Twips(200, 380, 3500, 300));

    cmdHelp()->setGeometry(Twips(6000, 5040, 1215, 375));
    cmdClose()->setGeometry(Twips(7440, 5040, 1215, 375));

    connect(chkScramblerAct_, &QCheckBox::clicked, this, [this] { ScramblerRule(); });
    connect(chkVOXFunc_, &QCheckBox::clicked, this, [this] { VoxGroupRule(); });
}

void OptionalForm::SetTabOrder()
{
    QWidget* order[] = {txtTOT_->txt(),        txtTOTPreAlert_->txt(),    txtSQLevel_->txt(),
                        cboMICSens_,           cboVoiceAnnu_,             chkBattSave_,
                        chkBeep_,              chkScramblerAct_,          chkScramblerBackup_,
                        fraPTTID_->cboPTTIDType(), fraPTTID_->cboPTTID(), fraPTTID_->txtPTTCode(0),
                        fraPTTID_->txtPTTCode(1), chkVOXFunc_,            txtVOXGainLevel_->txt(),
                        cboVOXDelayTime_,      chkCancel_,                chkVOXProceedTone_,
                        chkVOXInhibit_,        chkCloneMode_,             cmdClose(),
                        cmdHelp()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void OptionalForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1098));
    lblTOT_->setText(LoadLangString(1099));
    lblTOTPreAlert_->setText(LoadLangString(1100));
    lblSQLevel_->setText(LoadLangString(1101));
    lblMicSens_->setText(LoadLangString(1102));
    lblVoiceAnnu_->setText(LoadLangString(1103));
    for (const auto& [box, byteAndCaption] : checks_)
        box->setText(LoadLangString(byteAndCaption.second));
    fraPTTID_->SetCaptions();
    fraVOX_->setTitle(LoadLangString(1111));
    lblVOXGainLevel_->setText(LoadLangString(1113));
    lblVOXDelayTime_->setText(LoadLangString(1114));
    fraMode_->setTitle(LoadLangString(1118));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
}

void OptionalForm::LoadCheck(QCheckBox* box) { box->setChecked(Core().image.at(checks_.at(box).first) != 0); }

void OptionalForm::Form_Load()
{
    const RadioImage& image = Core().image;
    // 1. Size, hidden Help button and icon come with the frame.
    SetCaptions();
    // 2. The lists, nothing selected yet.
    cboMICSens_->addItems(OptionalListItems(OptionalList::MicSensitivity));
    cboVoiceAnnu_->addItems(OptionalListItems(OptionalList::VoiceAnnunciation));
    fraPTTID_->FillLists();
    cboVOXDelayTime_->addItems(OptionalListItems(OptionalList::VoxDelayTime));
    for (const auto& [list, kindAndByte] : lists_)
        list->setCurrentIndex(-1);
    // 3. The first three numeric fields.
    txtTOT_->Load();
    txtTOTPreAlert_->Load();
    txtSQLevel_->Load();
    // 4. Mic sensitivity, voice annunciation.
    for (QComboBox* list : {cboMICSens_, cboVoiceAnnu_})
        list->setCurrentIndex(OptionalListPosition(lists_.at(list).first, image.at(lists_.at(list).second)));
    // 5. Four switches; a scrambler turned on disables the backup box before
    //    that box gets its own mark.
    LoadCheck(chkBattSave_);
    LoadCheck(chkBeep_);
    LoadCheck(chkScramblerAct_);
    if (chkScramblerAct_->isChecked())
        ScramblerRule();
    LoadCheck(chkScramblerBackup_);
    // 6. PTT ID type, timing and codes (their handlers run).
    fraPTTID_->LoadTypeAndTiming();
    fraPTTID_->LoadCodes();
    // 7.-8. VOX function, VOX gain.
    LoadCheck(chkVOXFunc_);
    if (chkVOXFunc_->isChecked())
        VoxGroupRule();
    txtVOXGainLevel_->Load();
    // 9. VOX delay.
    cboVOXDelayTime_->setCurrentIndex(
        OptionalListPosition(OptionalList::VoxDelayTime, image.at(lists_.at(cboVOXDelayTime_).second)));
    // 10. The remaining switches.
    LoadCheck(chkCancel_);
    LoadCheck(chkVOXProceedTone_);
    LoadCheck(chkVOXInhibit_);
    LoadCheck(chkCloneMode_);
    // 11. The channel list's PTT ID column, the timing's Click once more, the
    //     VOX group for the box as it stands.
    fraPTTID_->RefreshPttIdColumn();
    fraPTTID_->cboPTTID_Click();
    VoxGroupRule();
    // Opening this window must never change a channel's PTT ID: the editor's
    // list takes the entry its channel's row shows.
    fraPTTID_->MatchEditorToItsRow();
}

void OptionalForm::ScramblerRule() { chkScramblerBackup_->setEnabled(!chkScramblerAct_->isChecked()); }

void OptionalForm::VoxGroupRule()
{
    const bool on = chkVOXFunc_->isChecked();
    lblVOXGainLevel_->setEnabled(on);
    txtVOXGainLevel_->SetUsable(on);
    lblVOXDelayTime_->setEnabled(on);
    SetFieldUsable(cboVOXDelayTime_, on);
    chkCancel_->setEnabled(on);
    chkVOXProceedTone_->setEnabled(on);
    chkVOXInhibit_->setEnabled(on);
}

void OptionalForm::CommitList(QComboBox* list)
{
    const auto& [kind, address] = lists_.at(list);
    if (const std::optional<std::uint8_t> code = OptionalListCode(kind, list->currentIndex()))
        Core().image.set(address, *code);
}

void OptionalForm::CommitCheck(QCheckBox* box) { Core().image.set(checks_.at(box).first, box->isChecked() ? 1 : 0); }

QWidget* OptionalForm::FirstField() const { return txtTOT_->txt(); }

void OptionalForm::CommitFieldBeingEdited()
{
    QWidget* focus = FocusedField();
    if (!focus)
        return;
    for (SpinField* field : {txtTOT_, txtTOTPreAlert_, txtSQLevel_, txtVOXGainLevel_})
        if (focus == field->txt())
            field->CommitOnLeave();
    if (auto* list = qobject_cast<QComboBox*>(focus); list && lists_.count(list))
        CommitList(list);
    if (auto* box = qobject_cast<QCheckBox*>(focus); box && checks_.count(box))
        CommitCheck(box);
    fraPTTID_->CommitFieldBeingEdited(focus);
}

void OptionalForm::closeEvent(QCloseEvent* event)
{
    // Moving the focus to Close, as a click on it does, makes the focused
    // field commit on leaving.
    QWidget* focus = QApplication::focusWidget();
    if (!isUnloaded() && !unloadingByProgram() && focus && focus != cmdClose() && isAncestorOf(focus))
        cmdClose()->setFocus(Qt::OtherFocusReason);
    EditorWindowFrame::closeEvent(event);
}

bool OptionalForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* list = qobject_cast<QComboBox*>(watched);
    auto* box = qobject_cast<QCheckBox*>(watched);
    const bool ours = (list && lists_.count(list)) || (box && checks_.count(box));
    if (!ours)
        return EditorWindowFrame::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            EnterAsTab(widget);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Opening a list's own drop-down is no leaving; an unload commits
        // nothing.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !isUnloaded()) {
            if (list)
                CommitList(list);
            else
                CommitCheck(box);
        }
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
