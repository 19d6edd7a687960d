#pragma once
// The five number fields of the DTMF encode settings: what a byte shows,
// how the arrow keys and the spin buttons step, and what a commit stores.
// Pure rules over texts, up-down values and bytes; the window applies them.
//
// Steps are the spin field's own (the text decides the wrap at the ends,
// the up-down's value the step); DtmfSpinFields describes the fields to it.
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

#include "core/ImageLayout.h"
#include "signalling/SpinState.h"

namespace zx {

enum class DtmfEncodeField { Speed, FirstDigitTime, FirstDigitDelay, StarHashTone, DCodeAssign };

struct DtmfEncodeSpec {
    DtmfEncodeField field;
    layout::Address address;
    int minimum;  // the up-down's range and step
    int maximum;
    int step;
    int maxLength;  // characters that may be typed
};

const DtmfEncodeSpec& EncodeSpec(DtmfEncodeField field);

// The list of a list field (speed, first digit time, * and # tone); empty for
// the others.
QStringList EncodeList(DtmfEncodeField field);

// The text of a code: the list entry, the delay in ms, "D Code" or "7s".
QString EncodeDisplay(DtmfEncodeField field, int code);

// The load: FF reads as the field's default; a byte outside the field's
// values shows an empty text (the delay shows any byte x 10). The up-down's
// value is the code, kept within its range.
SpinState EncodeLoad(DtmfEncodeField field, std::uint8_t byte);

// The commit map of a typed text; nothing when the number lies outside a
// list field's map (then nothing changes at all).
std::optional<int> EncodeCommitCode(DtmfEncodeField field, const QString& text);

}  // namespace zx
