#include "signalling/FleetSyncSpinFields.h"

#include "core/RadioImage.h"

namespace zx {

namespace {

struct Names {
    const char* box;
    const char* updown;
    int helpId;
};

constexpr Names kNames[] = {
    {"txtFleet", "updFleet", 4605},
    {"txtID", "updID", 4606},
    {"txtDelayTime", "updDelayTime", 4608},
    {"txtMsgModeTimer", "updMsgModeTimer", 4609},
};

}  // namespace

SpinFieldParams FleetSyncSpinField(FleetSyncNumber field, std::function<void()> pairEmptied, bool* ownFleetIdError)
{
    const FleetSyncNumberSpec& fieldRule = NumberSpec(field);
    const Names& names = kNames[static_cast<int>(field)];
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(names.box);
    p.upDownName = QString::fromLatin1(names.updown);
    p.helpContextId = names.helpId;
    p.min = fieldRule.minimum;
    p.max = fieldRule.maximum;
    p.shownText = [field](int value) { return NumberDisplay(field, value); };
    p.maxTypedLength = fieldRule.maxLength;
    p.load = [field](const RadioImage& image) -> SpinLoad {
        const SpinState s = NumberLoad(field, image);
        return {s.text, s.value};
    };
    switch (field) {
    case FleetSyncNumber::OwnFleet:
    case FleetSyncNumber::OwnId:
        p.commit = [field](const QString& text) -> SpinCommit {
            if (text.isEmpty())
                return {0, QString()};
            const int code = OwnCode(field, text);
            return {code, NumberDisplay(field, code)};
        };
        p.store = [field, pairEmptied, ownFleetIdError](RadioImage& image, const SpinCommit& c) {
            if (c.text.isEmpty()) {
                EmptyOwnPair(image);
                if (pairEmptied)
                    pairEmptied();
                return;
            }
            if (ownFleetIdError)
                *ownFleetIdError = false;
            WriteNumber(field, c.value, image);
        };
        break;
    case FleetSyncNumber::DataTxDelay:
    case FleetSyncNumber::MessageModeTimer:
        p.commit = [field](const QString& text) -> SpinCommit {
            const SpinState s = field == FleetSyncNumber::DataTxDelay ? CommitDelay(text) : CommitTimer(text);
            return {s.value, s.text};
        };
        p.store = [field](RadioImage& image, const SpinCommit& c) { WriteNumber(field, c.value, image); };
        break;
    }
    return p;
}

}  // namespace zx
