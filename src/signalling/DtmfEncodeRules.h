#pragma once
// The five number fields of the DTMF encode settings: what a byte shows,
// how the arrow keys and the spin buttons step, and what a commit stores.
// Pure rules over texts, up-down values and bytes; the window applies them.
//
// A key step starts from the shown text and the up-down's value; a button
// step runs after the up-down has moved its own value (stopping at its
// bounds) and gets that moved value. The text decides the wrap at the ends.
// No step ever leaves the up-down's range.
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

// Up or Down arrow on the field.
SpinState EncodeKeyStep(DtmfEncodeField field, const SpinState& state, bool up);

// A spin button: `text` is the text before the press, `movedValue` the
// up-down's value after it moved.
SpinState EncodeButtonStep(DtmfEncodeField field, const QString& text, int movedValue, bool up);

}  // namespace zx
