#include "signalling/FleetSyncSpinFields.h"

#include "core/RadioImage.h"
#include "signalling/NamedSpinField.h"

namespace zx {

namespace {

constexpr SpinFieldNames kNames[] = {
    {"txtFleet", "updFleet", 4605},
    {"txtID", "updID", 4606},
    {"txtDelayTime", "updDelayTime", 4608},
    {"txtMsgModeTimer", "updMsgModeTimer", 4609},
};

}  // namespace

SpinFieldParams FleetSyncSpinField(FleetSyncNumber field, std::function<void()> pairEmptied, bool* ownFleetIdError)
{
    const FleetSyncNumberSpec& fieldRule = NumberSpec(field);
    SpinFieldParams p = NamedSpinField(kNames[static_cast<int>(field)], fieldRule.minimum, fieldRule.maximum, 1,
                                       fieldRule.maxLength, [field](int value) { return NumberDisplay(field, value); });
    p.load = [field](const RadioImage& image) { return ToSpinLoad(NumberLoad(field, image)); };
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
        p.commit = [field](const QString& text) {
            return ToSpinCommit(field == FleetSyncNumber::DataTxDelay ? CommitDelay(text) : CommitTimer(text));
        };
        p.store = [field](RadioImage& image, const SpinCommit& c) { WriteNumber(field, c.value, image); };
        break;
    }
    return p;
}

}  // namespace zx
