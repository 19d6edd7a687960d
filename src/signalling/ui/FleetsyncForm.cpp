#include "signalling/ui/FleetsyncForm.h"

#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "signalling/FleetListRules.h"
#include "signalling/FleetSyncSpinFields.h"
#include "signalling/ui/CellEditorBox.h"
#include "signalling/ui/FieldFocus.h"
#include "signalling/ui/FixedCellGrid.h"
#include "signalling/ui/ShowCellEditor.h"

namespace zx {

namespace {

constexpr int kFleetListRows = 9;
constexpr int kLastEntryRow = 8;
constexpr int kFleetListGridTwips = 3105;
// Positions on a page are given from the tab control's corner; the page
// starts below the tab strip.
constexpr int kTabStripTwips = 330;

void PlaceOnPage(QWidget* w, int left, int top, int width, int height)
{
    PlaceTwips(w, left, top - kTabStripTwips, width, height);
}

void SetHelpId(QWidget* w, int id) { w->setProperty(kHelpContextIdProperty, id); }

int ShareTwips(int total, int parts, int of)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(total) * parts / of));
}

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

QStringList GridTitles() { return {LoadLangString(1172), LangText("队列", "Fleet"), QStringLiteral("ID")}; }

struct Row {
    FleetSyncNumber field;
    const char* label;
    int labelLeft;
    int labelWidth;
    int top;
};

}  // namespace

EditorWindowSetup FleetsyncForm::Setup()
{
    EditorWindowSetup setup;
    setup.slot = 5;
    setup.widthTwips = 6750;
    setup.heightTwips = 5320;
    setup.captionId = 1045;
    setup.helpPage = QStringLiteral("fleetsync");
    setup.helpContextId = 4600;
    return setup;
}

FleetsyncForm::FleetsyncForm(QWidget* parent) : EditorWindowFrame(Setup(), parent)
{
    setObjectName(QStringLiteral("FleetsyncForm"));
    panel()->setObjectName(QStringLiteral("picFleetSync"));

    SSTab1_ = new QTabWidget(panel());
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SetHelpId(SSTab1_, 4600);
    PlaceTwips(SSTab1_, 120, 165, 6300, 4050);
    auto* own = new QWidget;
    auto* list = new QWidget;
    SSTab1_->addTab(own, QString());
    SSTab1_->addTab(list, QString());
    BuildOwnPage(own);
    BuildFleetListPage(list);
    PlaceTwips(cmdClose(), 2650, 4350, 1100, 370);
    PlaceTwips(cmdHelp(), 3900, 4350, 1100, 370);

    // The load, in its order; it writes nothing.
    cmdHelp()->hide();
    SetCaptions();
    SSTab1_->setCurrentIndex(0);
    txtFleetList_->hide();
    cboBaudRate_->addItems({QStringLiteral("1200"), QStringLiteral("2400")});
    LoadFields();
}

QLineEdit* FleetsyncForm::box(FleetSyncNumber f) const { return field(f)->txt(); }
QLineEdit* FleetsyncForm::txtFleetList() const { return txtFleetList_; }

void FleetsyncForm::BuildOwnPage(QWidget* page)
{
    const Row rows[] = {
        {FleetSyncNumber::OwnFleet, "lblFleet", 1800, 2385, 500},
        {FleetSyncNumber::OwnId, "lblID", 1800, 2385, 946},
        {FleetSyncNumber::DataTxDelay, "lblDelayTime", 1740, 2445, 1853},
        {FleetSyncNumber::MessageModeTimer, "lblMsgModeTimer", 1800, 2385, 2300},
    };
    bool* error = &Core().checks.OwnFleetIdError;
    for (const Row& row : rows) {
        auto* label = new QLabel(page);
        label->setObjectName(QString::fromLatin1(row.label));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceOnPage(label, row.labelLeft - 1500, row.top, row.labelWidth + 1500, 300);
        const auto index = static_cast<std::size_t>(row.field);
        labels_.at(index < 2 ? index : index + 1) = label;
        auto* spin = new SpinField(FleetSyncSpinField(row.field, [this] { EmptyPair(); }, error), Core().image, page);
        PlaceOnPage(spin, 4440, row.top, 1300, 300);
        fields_.at(index) = spin;
    }
    for (FleetSyncNumber own : {FleetSyncNumber::OwnFleet, FleetSyncNumber::OwnId}) {
        SpinField* spin = field(own);
        // Installed after the field's own filter, so it sees the arrow keys
        // first.
        spin->txt()->installEventFilter(this);
        for (QToolButton* button : {spin->upd()->upButton(), spin->upd()->downButton()})
            connect(button, &QToolButton::pressed, this, [this, spin] { pairFillPending_ = spin->text().isEmpty(); });
        auto afterClick = [this, own] {
            if (!pairFillPending_)
                return;
            pairFillPending_ = false;
            FillPair(own);
            field(own)->txt()->selectAll();
        };
        connect(spin->upd(), &UpDownControl::UpClick, this, afterClick);
        connect(spin->upd(), &UpDownControl::DownClick, this, afterClick);
    }

    auto* baudLabel = new QLabel(page);
    baudLabel->setObjectName(QStringLiteral("lblBaudRate"));
    baudLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceOnPage(baudLabel, 300, 1392, 3885, 300);
    labels_.at(2) = baudLabel;
    cboBaudRate_ = new QComboBox(page);
    cboBaudRate_->setObjectName(QStringLiteral("cboBaudRate"));
    SetHelpId(cboBaudRate_, 4607);
    PlaceOnPage(cboBaudRate_, 4440, 1392, 1300, 315);
    cboBaudRate_->installEventFilter(this);

    chkSideTone_ = new QCheckBox(page);
    chkSideTone_->setObjectName(QStringLiteral("chkSideTone"));
    SetHelpId(chkSideTone_, 4610);
    PlaceOnPage(chkSideTone_, 2200, 2850, 2775, 300);
    chkSideTone_->installEventFilter(this);
}

void FleetsyncForm::BuildFleetListPage(QWidget* page)
{
    msgFleetList_ = new FixedCellGrid(kFleetListRows, GridTitles(), page);
    msgFleetList_->setObjectName(QStringLiteral("msgFleetList"));
    SetHelpId(msgFleetList_, 4611);
    msgFleetList_->move(TwipsToPixelsX(1500), TwipsToPixelsY(300));
    msgFleetList_->SetColumnWidthsTwips({ShareTwips(kFleetListGridTwips, 1, 5), ShareTwips(kFleetListGridTwips, 2, 5),
                                         ShareTwips(kFleetListGridTwips, 2, 5)});
    msgFleetList_->installEventFilter(this);
    msgFleetList_->viewport()->installEventFilter(this);

    txtFleetList_ = new CellEditorBox(msgFleetList_->viewport());
    txtFleetList_->setObjectName(QStringLiteral("txtFleetList"));
    SetHelpId(txtFleetList_, 4611);
    txtFleetList_->setKeyFilter([this](QChar typed) {
        return FleetListKey(typed, txtFleetList_->text(), editColumn_, txtFleetList_->hasSelectedText(),
                            txtFleetList_->hasSelectedText() && txtFleetList_->wholeTextSelected());
    });
    txtFleetList_->setTextFilter([this](const QString& text) { return FilterFleetListText(text, editColumn_); });
    connect(txtFleetList_, &QLineEdit::textChanged, this, [this] {
        if (!endingFleetListEdit_)
            msgFleetList_->SetCellText(editRow_, editColumn_, txtFleetList_->text());
    });
    connect(txtFleetList_, &CellEditorBox::enterPressed, this, [this] { EndFleetListEdit(false); });
    connect(txtFleetList_, &CellEditorBox::escapePressed, this, [this] { EndFleetListEdit(true); });
    connect(txtFleetList_, &CellEditorBox::focusLost, this, [this] {
        if (endingFleetListEdit_ || txtFleetList_->isHidden() || isUnloaded())
            return;
        CommitFleetListCell();
        const QScopedValueRollback guard(endingFleetListEdit_, true);
        txtFleetList_->hide();
    });
}

void FleetsyncForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1045));
    SSTab1_->setTabText(0, LoadLangString(1176));
    SSTab1_->setTabText(1, LoadLangString(1177));
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_.at(i)->setText(LoadLangString(1178 + static_cast<int>(i)));
    chkSideTone_->setText(LoadLangString(1183));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
    msgFleetList_->SetTitles(GridTitles());
}

void FleetsyncForm::LoadFields()
{
    const RadioImage& image = Core().image;
    for (SpinField* spin : fields_)
        spin->Load();
    cboBaudRate_->setCurrentIndex(BaudRatePosition(image.at(layout::FleetSyncBaudRate)));
    chkSideTone_->setChecked(SideToneTicked(image.at(layout::PttIdSideTone)));
    for (int n = 1; n <= layout::kFleetListEntries; ++n) {
        msgFleetList_->SetCellText(n, kFleetColumn, FleetCellText(image, n));
        msgFleetList_->SetCellText(n, kIdColumn, IdCellText(image, n));
    }
}

QList<QWidget*> FleetsyncForm::TabOrder() const
{
    return {box(FleetSyncNumber::OwnFleet),     box(FleetSyncNumber::OwnId), cboBaudRate_,
            box(FleetSyncNumber::DataTxDelay),  box(FleetSyncNumber::MessageModeTimer),
            chkSideTone_,                        msgFleetList_,               cmdClose(),
            SSTab1_->tabBar()};
}

bool FleetsyncForm::focusNextPrevChild(bool next)
{
    QWidget* current = QApplication::focusWidget();
    if (current == txtFleetList_)
        current = msgFleetList_;
    if (MoveFocusInOrder(TabOrder(), current, next))
        return true;
    return EditorWindowFrame::focusNextPrevChild(next);
}

// --- The own pair -------------------------------------------------------------

void FleetsyncForm::FillPair(FleetSyncNumber stepped)
{
    const OwnPairChange change = FillOwnPair(stepped, Core().image);
    auto show = [](SpinField* spin, const SpinState& s) {
        spin->txt()->setText(s.text);
        spin->upd()->setValue(s.value);
    };
    show(field(FleetSyncNumber::OwnFleet), change.fleet);
    show(field(FleetSyncNumber::OwnId), change.id);
}

void FleetsyncForm::EmptyPair()
{
    for (FleetSyncNumber own : {FleetSyncNumber::OwnFleet, FleetSyncNumber::OwnId}) {
        field(own)->txt()->clear();
        field(own)->upd()->setValue(0);
    }
}

void FleetsyncForm::CommitBaudRate()
{
    Core().image.set(layout::FleetSyncBaudRate, BaudRateByte(cboBaudRate_->currentIndex()));
}

void FleetsyncForm::CommitSideTone()
{
    Core().image.set(layout::PttIdSideTone, chkSideTone_->isChecked() ? 1 : 0);
}

void FleetsyncForm::CommitFieldBeingEdited()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return;
    if (focus == txtFleetList_) {
        if (!txtFleetList_->isHidden())
            CommitFleetListCell();
        return;
    }
    for (SpinField* spin : fields_) {
        if (focus == spin->txt()) {
            spin->CommitOnLeave();
            return;
        }
    }
    if (focus == cboBaudRate_)
        CommitBaudRate();
    else if (focus == chkSideTone_)
        CommitSideTone();
}

// --- The fleet list -------------------------------------------------------------

void FleetsyncForm::OpenFleetListEditor(const QString& typed)
{
    editRow_ = std::max(1, msgFleetList_->currentRow());
    editColumn_ = std::clamp(msgFleetList_->currentColumn(), kFleetColumn, kIdColumn);
    fleetListOldText_ = ShowCellEditor(msgFleetList_, txtFleetList_, editRow_, editColumn_);
    if (!typed.isEmpty())
        txtFleetList_->setText(typed);
}

void FleetsyncForm::CommitFleetListCell()
{
    if (isUnloaded())
        return;
    const int other = editColumn_ == kFleetColumn ? kIdColumn : kFleetColumn;
    const FleetListCommit result = zx::CommitFleetListCell(Core().image, editRow_, editColumn_, txtFleetList_->text(),
                                                       msgFleetList_->CellText(editRow_, other));
    {
        const QScopedValueRollback guard(endingFleetListEdit_, true);
        txtFleetList_->setText(result.text);
    }
    msgFleetList_->SetCellText(editRow_, editColumn_, result.text);
    msgFleetList_->SetCellText(editRow_, other, result.otherText);
}

void FleetsyncForm::EndFleetListEdit(bool escape)
{
    if (escape)
        msgFleetList_->SetCellText(editRow_, editColumn_, fleetListOldText_);
    else
        CommitFleetListCell();
    const QScopedValueRollback guard(endingFleetListEdit_, true);
    msgFleetList_->setFocus(Qt::OtherFocusReason);
    txtFleetList_->hide();
    if (escape)
        return;
    if (editColumn_ == kFleetColumn)
        msgFleetList_->setCurrentCell(editRow_, kIdColumn);
    else if (editRow_ < kLastEntryRow)
        msgFleetList_->setCurrentCell(editRow_ + 1, kFleetColumn);
}

bool FleetsyncForm::msgFleetList_KeyDown(QKeyEvent* event)
{
    if (IsEnter(event)) {
        OpenFleetListEditor();
        return true;
    }
    const QString text = event->text();
    if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = text.at(0);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            OpenFleetListEditor(text);
            return true;
        }
        if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            OpenFleetListEditor(QStringLiteral("A"));
            return true;
        }
    }
    return false;
}

// --- Events -------------------------------------------------------------------

bool FleetsyncForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();

    if (watched == msgFleetList_ && type == QEvent::KeyPress)
        return msgFleetList_KeyDown(static_cast<QKeyEvent*>(event));
    if (watched == msgFleetList_->viewport() && type == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            OpenFleetListEditor();
        return false;
    }
    if (type == QEvent::KeyPress && widget) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (FleetSyncNumber own : {FleetSyncNumber::OwnFleet, FleetSyncNumber::OwnId}) {
            if (widget == box(own) && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
                && box(own)->text().isEmpty()) {
                FillPair(own);
                box(own)->selectAll();
                return true;
            }
        }
        if (IsEnter(key) && (widget == cboBaudRate_ || widget == chkSideTone_)) {
            EnterAsTab(widget);
            return true;
        }
    }
    if (type == QEvent::FocusOut && (widget == cboBaudRate_ || widget == chkSideTone_)) {
        static_cast<QObject*>(widget)->event(event);
        if (!isUnloaded() && IsLeavingFocus(static_cast<QFocusEvent*>(event))) {
            if (widget == cboBaudRate_)
                CommitBaudRate();
            else
                CommitSideTone();
        }
        return true;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
