#include "signalling/ui/FleetsyncForm.h"

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

// A digit starts a number in a fleet-list cell, "a" or "A" the All entry.
std::optional<QChar> FleetListStartChar(QChar typed)
{
    if (typed.unicode() >= '0' && typed.unicode() <= '9')
        return typed;
    if (typed == QLatin1Char('a') || typed == QLatin1Char('A'))
        return QLatin1Char('A');
    return std::nullopt;
}

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

FleetsyncForm::FleetsyncForm(QWidget* parent) : CellGridWindow(Setup(), parent)
{
    setObjectName(QStringLiteral("FleetsyncForm"));
    panel()->setObjectName(QStringLiteral("picFleetSync"));

    const QList<QWidget*> pages = BuildTabs(4600, 120, 165, 6300, 4050, 2);
    BuildOwnPage(pages.at(0));
    BuildFleetListPage(pages.at(1));
    PlaceTwips(cmdClose(), 2650, 4350, 1100, 370);
    PlaceTwips(cmdHelp(), 3900, 4350, 1100, 370);

    // The load, in its order; it writes nothing.
    cmdHelp()->hide();
    SetCaptions();
    SSTab1()->setCurrentIndex(0);
    cellEditor()->hide();
    cboBaudRate_->addItems({QStringLiteral("1200"), QStringLiteral("2400")});
    LoadFields();
}

QLineEdit* FleetsyncForm::box(FleetSyncNumber f) const { return field(f)->txt(); }
QLineEdit* FleetsyncForm::txtFleetList() const { return cellEditor(); }

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
    BuildCellGrid(page, {.gridName = "msgFleetList",
                         .editorName = "txtFleetList",
                         .helpId = 4611,
                         .rows = kFleetListRows,
                         .titles = GridTitles(),
                         .startChar = FleetListStartChar,
                         .leftTwips = 1500,
                         .topTwips = 300,
                         .widthTwips = kFleetListGridTwips,
                         .columnParts = {1, 2, 2}});
    CellEditorBox* editor = cellEditor();
    editor->setKeyFilter([this, editor](QChar typed) {
        return FleetListKey(typed, editor->text(), editColumn_, editor->hasSelectedText(),
                            editor->hasSelectedText() && editor->wholeTextSelected());
    });
    editor->setTextFilter([this](const QString& text) { return FilterFleetListText(text, editColumn_); });
    connect(editor, &QLineEdit::textChanged, this, [this, editor] {
        if (!endingEdit_)
            cellGrid()->SetCellText(editRow_, editColumn_, editor->text());
    });
}

void FleetsyncForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1045));
    SSTab1()->setTabText(0, LoadLangString(1176));
    SSTab1()->setTabText(1, LoadLangString(1177));
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_.at(i)->setText(LoadLangString(1178 + static_cast<int>(i)));
    chkSideTone_->setText(LoadLangString(1183));
    cmdClose()->setText(LoadLangString(1075));
    cmdHelp()->setText(LoadLangString(1076));
    cellGrid()->SetTitles(GridTitles());
}

void FleetsyncForm::LoadFields()
{
    const RadioImage& image = Core().image;
    for (SpinField* spin : fields_)
        spin->Load();
    cboBaudRate_->setCurrentIndex(BaudRatePosition(image.at(layout::FleetSyncBaudRate)));
    chkSideTone_->setChecked(SideToneTicked(image.at(layout::PttIdSideTone)));
    for (int n = 1; n <= layout::kFleetListEntries; ++n) {
        cellGrid()->SetCellText(n, kFleetColumn, FleetCellText(image, n));
        cellGrid()->SetCellText(n, kIdColumn, IdCellText(image, n));
    }
}

QList<QWidget*> FleetsyncForm::TabOrder() const
{
    return {box(FleetSyncNumber::OwnFleet),     box(FleetSyncNumber::OwnId), cboBaudRate_,
            box(FleetSyncNumber::DataTxDelay),  box(FleetSyncNumber::MessageModeTimer),
            chkSideTone_,                        cellGrid(),                  cmdClose(),
            SSTab1()->tabBar()};
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

// The baud rate and the side tone have nothing to refuse, so a quiet commit
// is like any other.
void FleetsyncForm::CommitField(QWidget* field, bool /*quiet*/)
{
    if (field == cboBaudRate_)
        CommitBaudRate();
    else if (field == chkSideTone_)
        CommitSideTone();
}

// --- The fleet list -------------------------------------------------------------

void FleetsyncForm::CommitCellEdit()
{
    if (isUnloaded())
        return;
    const int other = editColumn_ == kFleetColumn ? kIdColumn : kFleetColumn;
    const FleetListCommit result = CommitFleetListCell(Core().image, editRow_, editColumn_, cellEditor()->text(),
                                                       cellGrid()->CellText(editRow_, other));
    {
        const QScopedValueRollback guard(endingEdit_, true);
        cellEditor()->setText(result.text);
    }
    cellGrid()->SetCellText(editRow_, editColumn_, result.text);
    cellGrid()->SetCellText(editRow_, other, result.otherText);
}

void FleetsyncForm::EndCellEdit(bool escape)
{
    if (escape)
        cellGrid()->SetCellText(editRow_, editColumn_, editOldText_);
    else
        CommitCellEdit();
    const QScopedValueRollback guard(endingEdit_, true);
    cellGrid()->setFocus(Qt::OtherFocusReason);
    cellEditor()->hide();
    if (escape)
        return;
    if (editColumn_ == kFleetColumn)
        cellGrid()->setCurrentCell(editRow_, kIdColumn);
    else if (editRow_ < kLastEntryRow)
        cellGrid()->setCurrentCell(editRow_ + 1, kFleetColumn);
}

// --- Events -------------------------------------------------------------------

bool FleetsyncForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();

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
        if (!isUnloaded() && IsLeavingFocus(static_cast<QFocusEvent*>(event)))
            CommitField(widget, false);
        return true;
    }
    return CellGridWindow::eventFilter(watched, event);
}

}  // namespace zx
