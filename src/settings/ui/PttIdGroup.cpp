#include "settings/ui/PttIdGroup.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "core/SharedState.h"
#include "core/StringTable.h"
#include "platform/ui/NoContextMenu.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/PttIdRules.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/FieldColours.h"

namespace zx {

namespace {

// A pasted code is taken whole or not at all: it must stay within the code's
// characters and length. Lower-case a to d are taken as upper case, as typed.
class PttCodeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        if (!IsPttCodeText(input))
            return Invalid;
        for (QChar& c : input)
            c = *PttCodeCharacter(c);
        return Acceptable;
    }
};

QRect Twips(int left, int top, int width, int height)
{
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

constexpr int kCodeAddress[2] = {layout::BotCode, layout::EotCode};

}  // namespace

PttIdGroup::PttIdGroup(RadioImage& image, PreWriteChecks& checks, const OptionalFormHooks& hooks,
                       std::function<bool()> unloading, QWidget* parent)
    : QGroupBox(parent), image_(image), checks_(checks), hooks_(hooks), unloading_(std::move(unloading))
{
    setObjectName(QStringLiteral("fraPTTID"));
    auto label = [this](const char* name, QRect r) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(r);
        return l;
    };
    auto list = [this](const char* name, int helpId, QRect r) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        c->setProperty(kHelpContextIdProperty, helpId);
        c->setGeometry(r);
        c->installEventFilter(this);
        return c;
    };
    lblPTTIDType_ = label("lblPTTIDType", Twips(150, 330, 1600, 300));
    cboPTTIDType_ = list("cboPTTIDType", 4211, Twips(1800, 290, 2400, 330));
    lblPTTID_ = label("lblPTTID", Twips(150, 730, 1600, 300));
    cboPTTID_ = list("cboPTTID", 4212, Twips(1800, 690, 2400, 330));
    const char* labels[2] = {"lblPTTCode0", "lblPTTCode1"};
    const char* boxes[2] = {"txtPTTCode0", "txtPTTCode1"};
    for (int i = 0; i < 2; ++i) {
        lblPTTCode_[static_cast<std::size_t>(i)] = label(labels[i], Twips(150, 1130 + 400 * i, 1600, 300));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(boxes[i]));
        box->setProperty(kHelpContextIdProperty, 4213 + i);
        box->setGeometry(Twips(1800, 1090 + 400 * i, 2400, 330));
        box->setValidator(new PttCodeValidator(box));
        box->installEventFilter(this);
        NoContextMenu(box);
        txtPTTCode_[static_cast<std::size_t>(i)] = box;
        connect(box, &QLineEdit::textChanged, this, [this, i] { txtPTTCode_Change(i); });
    }
    connect(cboPTTIDType_, &QComboBox::activated, this, [this] { cboPTTIDType_Click(); });
    connect(cboPTTID_, &QComboBox::activated, this, [this] { cboPTTID_Click(); });
}

void PttIdGroup::SetCaptions()
{
    setTitle(QStringLiteral("PTT ID"));
    lblPTTIDType_->setText(LoadLangString(1108));
    lblPTTID_->setText(QStringLiteral("PTT ID"));
    lblPTTCode_[0]->setText(LoadLangString(1109));
    lblPTTCode_[1]->setText(LoadLangString(1110));
}

void PttIdGroup::FillLists()
{
    cboPTTIDType_->addItems({LoadLangString(1123), LoadLangString(1124)});
    cboPTTID_->addItems({LoadLangString(1126), LoadLangString(1127), LoadLangString(1125)});
    cboPTTIDType_->setCurrentIndex(-1);
    cboPTTID_->setCurrentIndex(-1);
}

void PttIdGroup::LoadTypeAndTiming()
{
    // Choosing a position runs the list's Click when it changes the position.
    const int type = image_.at(layout::PttIdType);
    const int typePosition = type <= 1 ? type : -1;
    if (typePosition != cboPTTIDType_->currentIndex()) {
        cboPTTIDType_->setCurrentIndex(typePosition);
        cboPTTIDType_Click();
    }
    const int timing = image_.at(layout::PttIdTiming);
    const int timingPosition = timing <= 2 ? timing : -1;
    if (timingPosition != cboPTTID_->currentIndex()) {
        cboPTTID_->setCurrentIndex(timingPosition);
        cboPTTID_Click();
    }
}

void PttIdGroup::LoadCodes()
{
    for (int i = 0; i < 2; ++i) {
        QLineEdit* box = txtPTTCode_[static_cast<std::size_t>(i)];
        {
            const QSignalBlocker quiet(box);
            box->setText(PttCodeFromBytes(image_.toByteArray(kCodeAddress[i], kPttCodeMaxLength)));
        }
        // Every assignment runs the change, also one that keeps the text.
        txtPTTCode_Change(i);
    }
}

void PttIdGroup::SetCodeBoxUsable(int i, bool usable)
{
    SetFieldUsable(txtPTTCode_[static_cast<std::size_t>(i)], usable);
    lblPTTCode_[static_cast<std::size_t>(i)]->setEnabled(usable);
}

bool PttIdGroup::RowProgrammed(int channel) const
{
    if (hooks_.channelList.cellText)
        return !hooks_.channelList.cellText(channel, 1).isEmpty();
    return image_.at(layout::ChannelRecord(channel)) != 0xFF;
}

int PttIdGroup::EditorChannel() const
{
    if (!Core().windowSlots.isOpen(ChannelEditFormOpen) || !hooks_.channelEditor.shownChannel)
        return 0;
    const int channel = hooks_.channelEditor.shownChannel();
    return channel >= 1 && channel <= layout::kMaxChannels ? channel : 0;
}

void PttIdGroup::cboPTTIDType_Click()
{
    const int type = cboPTTIDType_->currentIndex();
    if (type == kPttIdTypeFleetSync) {
        checks_.PttCodeCheck = false;
        SetCodeBoxUsable(0, false);
        SetCodeBoxUsable(1, false);
        image_.set(layout::PttIdType, kPttIdTypeFleetSync);
    } else if (type == kPttIdTypeDtmf) {
        checks_.OwnFleetIdError = false;
        checks_.PttCodeCheck = true;
        const int timing = cboPTTID_->currentIndex();
        if (timing == kPttIdTimingBot || timing == kPttIdTimingBoth)
            SetCodeBoxUsable(0, true);
        if (timing == kPttIdTimingEot || timing == kPttIdTimingBoth)
            SetCodeBoxUsable(1, true);
        if (timing >= 0)
            checks_.PttCodeMissing = PttCodeMissingInImage(image_, timing);
        image_.set(layout::PttIdType, kPttIdTypeDtmf);
    } else {
        return;
    }

    // The records keep their PTT ID bytes: the channel list, shown or not,
    // reads them under the new type, and the open editor takes the entry its
    // channel's row now reads, so that its next encoding keeps the byte.
    RefreshPttIdColumn();
    const int shown = EditorChannel();
    if (shown != 0 && RowProgrammed(shown) && hooks_.channelEditor.RebuildPttIdList && hooks_.channelList.cellText) {
        const QStringList items = PttIdListItems(type);
        hooks_.channelEditor.RebuildPttIdList(items, items.indexOf(hooks_.channelList.cellText(shown, 9)));
    }
}

void PttIdGroup::cboPTTID_Click()
{
    const int type = cboPTTIDType_->currentIndex();
    const int timing = cboPTTID_->currentIndex();
    if (type == kPttIdTypeFleetSync) {
        SetCodeBoxUsable(0, false);
        SetCodeBoxUsable(1, false);
        return;
    }
    if (type != kPttIdTypeDtmf || timing < 0)
        return;
    SetCodeBoxUsable(0, timing == kPttIdTimingBot || timing == kPttIdTimingBoth);
    SetCodeBoxUsable(1, timing == kPttIdTimingEot || timing == kPttIdTimingBoth);
    checks_.PttCodeMissing = PttCodeMissingInImage(image_, timing);
}

void PttIdGroup::cboPTTIDType_Commit()
{
    const int type = cboPTTIDType_->currentIndex();
    if (type < 0) {
        image_.set(layout::PttIdType, 0xFF);
        return;
    }
    image_.set(layout::PttIdType, static_cast<std::uint8_t>(type));
    checks_.PttCodeCheck = type == kPttIdTypeDtmf;
}

void PttIdGroup::cboPTTID_Commit()
{
    const int timing = cboPTTID_->currentIndex();
    image_.set(layout::PttIdTiming, timing < 0 ? 0xFF : static_cast<std::uint8_t>(timing));
}

void PttIdGroup::txtPTTCode_GotFocus(int i)
{
    QLineEdit* box = txtPTTCode_[static_cast<std::size_t>(i)];
    box->selectAll();
    checks_.PttCodeCheck = box->text().isEmpty();
}

void PttIdGroup::txtPTTCode_Change(int i)
{
    const bool botEmpty = txtPTTCode_[0]->text().isEmpty();
    const bool eotEmpty = txtPTTCode_[1]->text().isEmpty();
    if (!botEmpty && !eotEmpty) {
        checks_.PttCodeMissing = 0;
    } else {
        checks_.PttCodeCheck = true;
        checks_.PttCodeMissing = PttCodeMissingFor(image_.at(layout::PttIdTiming), botEmpty, eotEmpty);
    }
    image_.write(kCodeAddress[i], PttCodeBytes(txtPTTCode_[static_cast<std::size_t>(i)]->text()));
}

void PttIdGroup::RefreshPttIdColumn()
{
    const int type = cboPTTIDType_->currentIndex();
    if ((type == kPttIdTypeDtmf || type == kPttIdTypeFleetSync) && hooks_.channelList.refreshPttIdColumn)
        hooks_.channelList.refreshPttIdColumn();
}

void PttIdGroup::MatchEditorToItsRow()
{
    const int shown = EditorChannel();
    if (shown == 0 || !hooks_.channelEditor.ShowPttId || !hooks_.channelList.cellText || !RowProgrammed(shown))
        return;
    hooks_.channelEditor.ShowPttId(hooks_.channelList.cellText(shown, 9));
}

void PttIdGroup::CommitFieldBeingEdited(const QWidget* focus)
{
    if (unloading_())
        return;
    if (focus == cboPTTIDType_)
        cboPTTIDType_Commit();
    else if (focus == cboPTTID_)
        cboPTTID_Commit();
}

bool PttIdGroup::CodeFilter(int i, QKeyEvent* key)
{
    QLineEdit* box = txtPTTCode_[static_cast<std::size_t>(i)];
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        EnterAsTab(box);
        return true;
    }
    if (key->key() == Qt::Key_Backspace)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;  // clipboard keys type nothing
    if (key->text().size() != 1 || !key->text()[0].isPrint())
        return false;  // caret and Delete keys are no characters
    const std::optional<QChar> c = PttCodeCharacter(key->text()[0]);
    if (!c)
        return true;
    if (box->text().size() >= kPttCodeMaxLength && !box->hasSelectedText())
        return true;
    box->insert(QString(*c));
    return true;
}

bool PttIdGroup::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 2; ++i) {
        if (watched != txtPTTCode_[static_cast<std::size_t>(i)])
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            static_cast<QObject*>(watched)->event(event);
            txtPTTCode_GotFocus(i);
            return true;
        case QEvent::KeyPress:
            return CodeFilter(i, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonRelease:
            // A click in a box does what a change does.
            txtPTTCode_Change(i);
            return false;
        default:
            return QGroupBox::eventFilter(watched, event);
        }
    }
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list && (list == cboPTTIDType_ || list == cboPTTID_)) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                EnterAsTab(list);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Opening the list's own drop-down is no leaving.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !unloading_()) {
                if (list == cboPTTIDType_)
                    cboPTTIDType_Commit();
                else
                    cboPTTID_Commit();
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace zx
