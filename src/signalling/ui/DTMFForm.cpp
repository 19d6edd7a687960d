#include "signalling/ui/DTMFForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>

#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"
#include "platform/ui/NoContextMenu.h"
#include "platform/ui/ScreenTwips.h"
#include "signalling/DtmfCharacters.h"
#include "signalling/DtmfDecodeRules.h"
#include "signalling/SpacePaddedText.h"
#include "signalling/ui/CellEditorBox.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/FieldColours.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "signalling/DtmfSpinFields.h"
#include "signalling/ui/FieldFocus.h"
#include "signalling/ui/FixedCellGrid.h"

namespace zx {

namespace {

constexpr int kAutodialRows = 9;
constexpr int kLastAutodialRow = 8;
constexpr int kAutodialGridTwips = 2910;

struct EncodeRow {
    DtmfEncodeField field;
    const char* label;
};

constexpr EncodeRow kEncodeRows[] = {
    {DtmfEncodeField::Speed, "lblDTMFSpeed"},         {DtmfEncodeField::FirstDigitTime, "lblFstDigitTime"},
    {DtmfEncodeField::FirstDigitDelay, "lblFstDigitDelay"}, {DtmfEncodeField::StarHashTone, "lblTone"},
    {DtmfEncodeField::DCodeAssign, "lblDCodeAssign"},
};

}  // namespace

EditorWindowSetup DTMFForm::Setup()
{
    EditorWindowSetup setup;
    setup.slot = 4;
    setup.widthTwips = 5070;
    setup.heightTwips = 6285;
    setup.captionId = 1123;
    setup.helpPage = QStringLiteral("dtmf");
    setup.helpContextId = 4500;
    return setup;
}

DTMFForm::DTMFForm(QWidget* parent) : CellGridWindow(Setup(), parent)
{
    setObjectName(QStringLiteral("DTMFForm"));
    panel()->setObjectName(QStringLiteral("picDTMF"));

    const QList<QWidget*> pages = BuildTabs(4500, 120, 120, 4740, 4950, 3);
    SSTab1()->tabBar()->installEventFilter(this);
    BuildEncodeTab(pages.at(0));
    BuildDecodeTab(pages.at(1));
    BuildAutodialTab(pages.at(2));

    PlaceTwips(cmdClose(), 1200, 5220, 1114, 370);
    PlaceTwips(cmdHelp(), 2520, 5220, 1114, 370);

    // The load, in its order; it writes nothing.
    cmdHelp()->hide();
    SetCaptions();
    SSTab1()->setCurrentIndex(0);
    FillLists();
    cellEditor()->hide();
    LoadFields();
}

QLineEdit* DTMFForm::encodeBox(DtmfEncodeField field) const { return encodeField(field)->txt(); }
QLineEdit* DTMFForm::txtAutoResetTimer() const { return autoReset_->txt(); }
QLineEdit* DTMFForm::txtAutodial() const { return cellEditor(); }

void DTMFForm::BuildEncodeTab(QWidget* page)
{
    int top = 420;
    for (const EncodeRow& row : kEncodeRows) {
        const auto index = static_cast<std::size_t>(row.field);
        auto* label = new QLabel(page);
        label->setObjectName(QString::fromLatin1(row.label));
        PlaceTwips(label, 240, top + 30, 2700, 300);
        encodeLabels_.at(index) = label;
        auto* spin = new SpinField(
            DtmfEncodeSpinField(row.field, [this, f = row.field] { return encodeField(f)->value(); }), Core().image,
            page);
        PlaceTwips(spin, 3060, top, 1335, 300);
        encode_.at(index) = spin;
        top += 420;
    }
    // "D" in the D code box replaces the text before the spin field's filter
    // would drop it.
    encodeBox(DtmfEncodeField::DCodeAssign)->installEventFilter(this);
    chkDTMFSideTone_ = new QCheckBox(page);
    chkDTMFSideTone_->setObjectName(QStringLiteral("chkDTMFSideTone"));
    SetHelpId(chkDTMFSideTone_, 4506);
    PlaceTwips(chkDTMFSideTone_, 240, top + 60, 3600, 300);
    chkDTMFSideTone_->installEventFilter(this);
}

void DTMFForm::BuildDecodeTab(QWidget* page)
{
    auto label = [page](const char* name, int top) {
        auto* l = new QLabel(page);
        l->setObjectName(QString::fromLatin1(name));
        PlaceTwips(l, 240, top + 30, 2400, 300);
        return l;
    };
    auto list = [this, page](const char* name, int top, int helpId) {
        auto* c = new QComboBox(page);
        c->setObjectName(QString::fromLatin1(name));
        PlaceTwips(c, 2760, top, 1635, 315);
        SetHelpId(c, helpId);
        c->installEventFilter(this);
        return c;
    };
    lblIDCode_ = label("lblIDCode", 300);
    txtIDCode_ = new QLineEdit(page);
    txtIDCode_->setObjectName(QStringLiteral("txtIDCode"));
    PlaceTwips(txtIDCode_, 2760, 300, 1635, 300);
    SetHelpId(txtIDCode_, 4507);
    NoContextMenu(txtIDCode_);
    txtIDCode_->installEventFilter(this);
    connect(txtIDCode_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString filtered = FilterDigits(text, kDtmfCodeMaxLength);
        if (filtered != text)
            txtIDCode_->setText(filtered);
    });

    lblGroupCode_ = label("lblGroupCode", 720);
    cboGroupCode_ = list("cboGroupCode", 720, 4508);
    lblAutoResetTimer_ = label("lblAutoResetTimer", 1140);
    autoReset_ = new SpinField(AutoResetTimerSpinField(), Core().image, page);
    PlaceTwips(autoReset_, 2760, 1140, 1635, 300);
    lblCallAlert_ = label("lblCallAlert", 1560);
    cboCallAlert_ = list("cboCallAlert", 1560, 4510);
    lblTranspond_ = label("lblTranspond", 1980);
    cboTranspond_ = list("cboTranspond", 1980, 4511);
    chkClear_ = new QCheckBox(page);
    chkClear_->setObjectName(QStringLiteral("chkClear"));
    PlaceTwips(chkClear_, 240, 2400, 3600, 300);
    SetHelpId(chkClear_, 4512);
    chkClear_->installEventFilter(this);

    fraStun_ = new QGroupBox(QStringLiteral("Stun"), page);
    fraStun_->setObjectName(QStringLiteral("fraStun"));
    PlaceTwips(fraStun_, 120, 2820, 4400, 1260);
    lblStunCode_ = new QLabel(fraStun_);
    lblStunCode_->setObjectName(QStringLiteral("lblStunCode"));
    PlaceTwips(lblStunCode_, 120, 330, 2400, 300);
    txtStunCode_ = new QLineEdit(fraStun_);
    txtStunCode_->setObjectName(QStringLiteral("txtStunCode"));
    PlaceTwips(txtStunCode_, 2640, 300, 1635, 300);
    SetHelpId(txtStunCode_, 4513);
    NoContextMenu(txtStunCode_);
    txtStunCode_->installEventFilter(this);
    connect(txtStunCode_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString filtered = FilterDtmfText(text, kDtmfCodeMaxLength);
        if (filtered != text)
            txtStunCode_->setText(filtered);
    });
    lblStunType_ = new QLabel(fraStun_);
    lblStunType_->setObjectName(QStringLiteral("lblStunType"));
    PlaceTwips(lblStunType_, 120, 750, 2400, 300);
    cboStunType_ = new QComboBox(fraStun_);
    cboStunType_->setObjectName(QStringLiteral("cboStunType"));
    PlaceTwips(cboStunType_, 2640, 720, 1635, 315);
    SetHelpId(cboStunType_, 4514);
    cboStunType_->installEventFilter(this);
}

void DTMFForm::BuildAutodialTab(QWidget* page)
{
    BuildCellGrid(page, {.gridName = "msgAutodial",
                         .editorName = "txtAutodial",
                         .helpId = 4515,
                         .rows = kAutodialRows,
                         .titles = {QString(), QString()},
                         .startChar = DtmfCodeChar,
                         .leftTwips = 840,
                         .topTwips = 360,
                         .widthTwips = kAutodialGridTwips,
                         .columnParts = {1, 3}});
    CellEditorBox* editor = cellEditor();
    editor->setKeyFilter([editor](QChar typed) -> QChar {
        const auto c = DtmfCodeChar(typed);
        const bool room =
            RoomForCharacter(static_cast<int>(editor->text().size()), kSpacePaddedTextSize, editor->hasSelectedText());
        return c && room ? *c : QChar();
    });
    editor->setTextFilter([](const QString& text) { return FilterDtmfText(text, kSpacePaddedTextSize); });
    connect(editor, &QLineEdit::textChanged, this, [this] { txtAutodial_Change(); });
}

QList<QWidget*> DTMFForm::TabOrder() const
{
    QList<QWidget*> order;
    for (SpinField* spin : encode_)
        order << spin->txt();
    order << chkDTMFSideTone_ << txtIDCode_ << cboGroupCode_ << autoReset_->txt() << cboCallAlert_
          << cboTranspond_ << chkClear_ << txtStunCode_ << cboStunType_ << cellGrid() << cmdClose()
          << SSTab1()->tabBar();
    return order;
}


void DTMFForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1123));
    SSTab1()->setTabText(0, LoadLangString(1155));
    SSTab1()->setTabText(1, LoadLangString(1156));
    SSTab1()->setTabText(2, LoadLangString(1157));
    for (std::size_t i = 0; i < encodeLabels_.size(); ++i)
        encodeLabels_.at(i)->setText(LoadLangString(1158 + static_cast<int>(i)));
    chkDTMFSideTone_->setText(LoadLangString(1163));
    lblIDCode_->setText(LoadLangString(1164));
    lblGroupCode_->setText(LoadLangString(1165));
    lblAutoResetTimer_->setText(LoadLangString(1166));
    lblCallAlert_->setText(LoadLangString(1167));
    lblTranspond_->setText(LoadLangString(1168));
    chkClear_->setText(LoadLangString(1169));
    lblStunCode_->setText(LoadLangString(1170));
    lblStunType_->setText(LoadLangString(1171));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
    cellGrid()->SetTitles({LoadLangString(1172), LoadLangString(1157)});
}

void DTMFForm::FillLists()
{
    const QString off = LoadLangString(1085);
    cboGroupCode_->addItems({off, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                             QStringLiteral("#"), QStringLiteral("*")});
    cboCallAlert_->addItems({off, LoadLangString(1120), LoadLangString(1173)});
    cboTranspond_->addItems({off, LoadLangString(1174), LoadLangString(1164)});
    cboStunType_->addItems({QStringLiteral("TX Inhibit"), QStringLiteral("TX/RX Inhibit")});
}

void DTMFForm::LoadFields()
{
    const RadioImage& image = Core().image;
    for (SpinField* spin : encode_)
        spin->Load();
    chkDTMFSideTone_->setChecked(DtmfSideToneTicked(image.at(layout::DtmfSideTone)));

    acceptedIdCode_ = LoadIdCode(image);
    txtIDCode_->setText(acceptedIdCode_);
    cboGroupCode_->setCurrentIndex(GroupCodePosition(image.at(layout::GroupCode)));
    autoReset_->Load();
    cboCallAlert_->setCurrentIndex(CallAlertPosition(image.at(layout::CallAlert)));
    cboTranspond_->setCurrentIndex(TranspondPosition(image.at(layout::Transpond)));
    chkClear_->setChecked(ClearToTranspondTicked(image.at(layout::ClearToTranspond)));
    acceptedStunCode_ = LoadStunCode(image);
    txtStunCode_->setText(acceptedStunCode_);
    SetStunTypeEnabled(!acceptedStunCode_.isEmpty());
    cboStunType_->setCurrentIndex(StunTypePosition(image.at(layout::StunType)));

    for (int n = 1; n <= layout::kAutodialEntries; ++n)
        cellGrid()->SetCellText(n, 1, SpacePaddedTextFromBytes(image.range(layout::AutodialEntry(n), 16)));
}

// --- Commits -----------------------------------------------------------------

void DTMFForm::CommitSideTone()
{
    Core().image.set(layout::DtmfSideTone, chkDTMFSideTone_->isChecked() ? 1 : 0);
}

void DTMFForm::ShowInvalidData()
{
    const QScopedValueRollback guard(checking_, true);
    Ask({LangText("无效数据。", "Invalid Data."), LangText("错误", "Error"), MsgIcon::Critical, MsgButtons::Ok,
         MsgResult::Ok, this});
}

void DTMFForm::CommitIdCode(bool quiet)
{
    QString text = txtIDCode_->text();
    if (IdCodeRefused(text)) {
        RefuseCode(txtIDCode_, acceptedIdCode_, quiet);
        if (quiet)
            return;
        text = acceptedIdCode_;
    }
    WriteIdCode(Core().image, text);
    acceptedIdCode_ = text;
}

void DTMFForm::SetStunTypeEnabled(bool enabled)
{
    // A disabled list takes the menu colour, an enabled one the window's.
    lblStunType_->setEnabled(enabled);
    SetFieldUsable(cboStunType_, enabled);
}

void DTMFForm::RefuseCode(QLineEdit* box, const QString& accepted, bool quiet)
{
    // Put back even by a quiet commit: a refused text left in the box would
    // ask its box when the next dialog takes the focus.
    const bool keepFocus = !quiet && FocusStaysInWindowOf(box);
    if (!quiet)
        ShowInvalidData();
    box->setText(accepted);
    box->selectAll();
    if (keepFocus)
        box->setFocus(Qt::OtherFocusReason);
}

void DTMFForm::CommitStunCode(bool quiet)
{
    QString text = txtStunCode_->text();
    if (StunCodeRefused(text)) {
        RefuseCode(txtStunCode_, acceptedStunCode_, quiet);
        if (quiet)
            return;
        text = acceptedStunCode_;
    } else {
        SetStunTypeEnabled(!text.isEmpty());
    }
    WriteStunCode(Core().image, text);
    acceptedStunCode_ = text;
}

void DTMFForm::CommitList(QComboBox* list)
{
    RadioImage& image = Core().image;
    const int position = list->currentIndex();
    if (list == cboGroupCode_) {
        if (const auto b = GroupCodeByte(position))
            image.set(layout::GroupCode, *b);
    } else if (list == cboCallAlert_) {
        if (const auto b = CallAlertByte(position))
            image.set(layout::CallAlert, *b);
    } else if (list == cboTranspond_) {
        image.set(layout::Transpond, TranspondByte(position));
    } else if (list == cboStunType_) {
        if (const auto b = StunTypeByte(position))
            image.set(layout::StunType, *b);
    }
}

void DTMFForm::CommitClear() { Core().image.set(layout::ClearToTranspond, chkClear_->isChecked() ? 1 : 0); }

void DTMFForm::CommitField(QWidget* field, bool quiet)
{
    if (field == txtIDCode_)
        CommitIdCode(quiet);
    else if (field == txtStunCode_)
        CommitStunCode(quiet);
    else if (field == chkDTMFSideTone_)
        CommitSideTone();
    else if (field == chkClear_)
        CommitClear();
    else if (auto* list = qobject_cast<QComboBox*>(field))
        CommitList(list);
}

// --- The autodial memories ----------------------------------------------------

void DTMFForm::txtAutodial_Change()
{
    cellGrid()->SetCellText(editRow_, 1, cellEditor()->text());
    CommitAutodial(cellEditor()->text());
}

void DTMFForm::CommitCellEdit() { CommitAutodial(cellEditor()->text()); }

void DTMFForm::CommitAutodial(const QString& text)
{
    if (isUnloaded())
        return;
    const SpacePaddedBytes bytes = SpacePaddedTextBytes(text);
    RadioImage& image = Core().image;
    for (int i = 0; i < kSpacePaddedTextSize; ++i)
        image.set(layout::AutodialEntry(editRow_) + i, bytes.at(static_cast<std::size_t>(i)));
}

// Esc puts the text from before the edit back, in the cell and the image.
void DTMFForm::EndCellEdit(bool escape)
{
    const QScopedValueRollback guard(endingEdit_, true);
    const QString text = escape ? editOldText_ : cellEditor()->text();
    cellGrid()->SetCellText(editRow_, 1, text);
    CommitAutodial(text);
    cellGrid()->setFocus(Qt::OtherFocusReason);
    cellEditor()->hide();
    if (!escape && editRow_ < kLastAutodialRow)
        cellGrid()->setCurrentCell(editRow_ + 1, 1);
}

// --- Events -----------------------------------------------------------------

bool DTMFForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();

    if (watched == SSTab1()->tabBar() && type == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        EnterAsTab(SSTab1()->tabBar());
        return true;
    }

    if (type == QEvent::KeyPress && widget) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key) && (qobject_cast<QComboBox*>(widget) || qobject_cast<QCheckBox*>(widget)
                             || widget == txtIDCode_ || widget == txtStunCode_)) {
            EnterAsTab(widget);
            return true;
        }
        if (widget == txtIDCode_ || widget == txtStunCode_) {
            const QString typed = key->text();
            if (typed.isEmpty() || !typed.at(0).isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return false;  // Tab, Backspace, Delete and the caret keys
            auto* box = static_cast<QLineEdit*>(widget);
            std::optional<QChar> c;
            if (typed.size() == 1) {
                c = widget == txtIDCode_ ? (typed.at(0).isDigit() && typed.at(0).unicode() < 0x80
                                                ? std::optional<QChar>(typed.at(0))
                                                : std::nullopt)
                                         : DtmfCodeChar(typed.at(0));
            }
            if (c && RoomForCharacter(static_cast<int>(box->text().size()), kDtmfCodeMaxLength, box->hasSelectedText()))
                box->insert(QString(*c));
            return true;
        }
        if (widget == encodeBox(DtmfEncodeField::DCodeAssign)
            && (key->text() == QLatin1String("D") || key->text() == QLatin1String("d"))) {
            auto* box = static_cast<QLineEdit*>(widget);
            if (box->text() != QLatin1String("D")) {
                box->setText(QStringLiteral("D"));
                box->setCursorPosition(0);
            }
            return true;
        }
    }

    if (type == QEvent::FocusOut && widget
        && (widget == txtIDCode_ || widget == txtStunCode_ || widget == chkDTMFSideTone_ || widget == chkClear_
            || qobject_cast<QComboBox*>(widget))) {
        // The control ends its own focus first (a text box drops its
        // selection), so what the commit selects stays selected.
        static_cast<QObject*>(widget)->event(event);
        if (!isUnloaded() && !checking_ && widget->isEnabled() && IsLeavingFocus(static_cast<QFocusEvent*>(event)))
            CommitField(widget, false);
        return true;
    }
    if (type == QEvent::FocusIn && (widget == txtIDCode_ || widget == txtStunCode_)) {
        auto* box = static_cast<QLineEdit*>(widget);
        QMetaObject::invokeMethod(box, [box] { box->selectAll(); }, Qt::QueuedConnection);
        box->selectAll();
    }
    return CellGridWindow::eventFilter(watched, event);
}

}  // namespace zx
