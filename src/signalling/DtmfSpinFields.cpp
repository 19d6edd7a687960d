#include "signalling/DtmfSpinFields.h"

#include <memory>

#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "signalling/DtmfDecodeRules.h"

namespace zx {

namespace {

struct EncodeNames {
    const char* box;
    const char* updown;
    int helpId;
};

constexpr EncodeNames kNames[] = {
    {"txtDTMFSpeed", "updDTMFSpeed", 4501},       {"txtFstDigitTime", "updFstDigitTime", 4502},
    {"txtFstDigitDelay", "updFstDigitDelay", 4503}, {"txtTone", "updTone", 4504},
    {"txtDCodeAssign", "updDCodeAssign", 4505},
};

}  // namespace

SpinFieldParams DtmfEncodeSpinField(DtmfEncodeField field, std::function<int()> currentValue)
{
    const DtmfEncodeSpec& fieldRule = EncodeSpec(field);
    const EncodeNames& names = kNames[static_cast<int>(field)];
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(names.box);
    p.upDownName = QString::fromLatin1(names.updown);
    p.helpContextId = names.helpId;
    p.min = fieldRule.minimum;
    p.max = fieldRule.maximum;
    p.step = fieldRule.step;
    p.shownText = [field](int code) { return EncodeDisplay(field, code); };
    p.maxTypedLength = fieldRule.maxLength;
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
    p.load = [field, address](const RadioImage& image) -> SpinLoad {
        const SpinState s = EncodeLoad(field, image.at(address));
        return {s.text, s.value};
    };
    return p;
}

SpinFieldParams AutoResetTimerSpinField()
{
    SpinFieldParams p;
    p.textBoxName = QStringLiteral("txtAutoResetTimer");
    p.upDownName = QStringLiteral("updAutoResetTimer");
    p.helpContextId = 4509;
    p.min = 0;
    p.max = kAutoResetMaximum;
    p.shownText = AutoResetDisplay;
    p.maxTypedLength = 2;
    p.commit = [](const QString& text) -> SpinCommit {
        const SpinState s = AutoResetCommit(text);
        return {s.value, s.text};
    };
    p.store = [](RadioImage& image, const SpinCommit& c) {
        image.set(layout::AutoResetTimer, static_cast<std::uint8_t>(c.value));
    };
    p.load = [](const RadioImage& image) -> SpinLoad {
        const SpinState s = AutoResetLoad(image.at(layout::AutoResetTimer));
        return {s.text, s.value};
    };
    return p;
}

}  // namespace zx
