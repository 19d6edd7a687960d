#include "signalling/DtmfSpinFields.h"

#include <memory>

#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "signalling/DtmfDecodeRules.h"
#include "signalling/NamedSpinField.h"

namespace zx {

namespace {

constexpr SpinFieldNames kNames[] = {
    {"txtDTMFSpeed", "updDTMFSpeed", 4501},       {"txtFstDigitTime", "updFstDigitTime", 4502},
    {"txtFstDigitDelay", "updFstDigitDelay", 4503}, {"txtTone", "updTone", 4504},
    {"txtDCodeAssign", "updDCodeAssign", 4505},
};

}  // namespace

SpinFieldParams DtmfEncodeSpinField(DtmfEncodeField field, std::function<int()> currentValue)
{
    const DtmfEncodeSpec& fieldRule = EncodeSpec(field);
    SpinFieldParams p = NamedSpinField(kNames[static_cast<int>(field)], fieldRule.minimum, fieldRule.maximum,
                                       fieldRule.step, fieldRule.maxLength,
                                       [field](int code) { return EncodeDisplay(field, code); });
    // Set by a commit that changes nothing, so that its store writes nothing.
    auto unchanged = std::make_shared<bool>(false);
    p.commit = [field, currentValue, unchanged](const QString& text) -> SpinCommit {
        const std::optional<int> code = EncodeCommitCode(field, text);
        *unchanged = !code;
        if (!code)
            return {currentValue ? currentValue() : 0, text};
        return {*code, EncodeDisplay(field, *code)};
    };
    const layout::Address address = fieldRule.address;
    p.store = [address, unchanged](RadioImage& image, const SpinCommit& c) {
        if (*unchanged)
            return;
        image.set(address, static_cast<std::uint8_t>(c.value));
    };
    p.load = [field, address](const RadioImage& image) { return ToSpinLoad(EncodeLoad(field, image.at(address))); };
    return p;
}

SpinFieldParams AutoResetTimerSpinField()
{
    SpinFieldParams p =
        NamedSpinField({"txtAutoResetTimer", "updAutoResetTimer", 4509}, 0, kAutoResetMaximum, 1, 2, AutoResetDisplay);
    p.commit = [](const QString& text) { return ToSpinCommit(AutoResetCommit(text)); };
    p.store = [](RadioImage& image, const SpinCommit& c) {
        image.set(layout::AutoResetTimer, static_cast<std::uint8_t>(c.value));
    };
    p.load = [](const RadioImage& image) { return ToSpinLoad(AutoResetLoad(image.at(layout::AutoResetTimer))); };
    return p;
}

}  // namespace zx
