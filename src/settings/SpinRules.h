#pragma once
// The rules of a spin field: a numeric setting edited as text, stepped with
// the arrow keys or an up-down control, and written to the image only when
// the field is left. The rules are pure; the widget (settings/ui/SpinField)
// feeds them the text and the up-down's value and shows what they return.
//
// A field is described by one SpinFieldParams. The up-down's value runs over
// Min..Max by Step; `shownText` turns a value into its text, so a field whose
// values stand for a table of texts (0.3, 0.5, 1 seconds; "Off") steps
// through that table by index. The text, not the up-down's value, decides
// when a step wraps: Up from the top text goes to Min, Down from the bottom
// text to Max.
#include <functional>
#include <optional>

#include <QString>

namespace zx {

class RadioImage;

// What a commit makes of the text: the value stored and the text shown.
struct SpinCommit {
    int value = 0;
    QString text;
};

// What the window's load shows for the stored bytes. The up-down may be given
// a value outside Min..Max (a byte the radio never stores); a later step
// starts from it and is brought into the range.
struct SpinLoad {
    QString text;
    int value = 0;
};

// Result of a key or button step.
struct SpinStep {
    int value = 0;
    QString text;
};

struct SpinFieldParams {
    // Control names ("txtTOT", "updTOT") and the help context id of both.
    QString textBoxName;
    QString upDownName;
    int helpContextId = 0;

    int min = 0;
    int max = 0;
    int step = 1;

    // The text of a value (for a field with an Off value, OffText for 0).
    std::function<QString(int value)> shownText;
    // The texts that wrap; unset: the shown texts of Max and Min.
    std::optional<QString> topText;
    std::optional<QString> bottomText;
    // Down also wraps to Max when the text reads 0 (empty, "0", "00", Off).
    bool downWrapsWhenZero = false;

    // Characters typed besides Backspace and Enter, and the longest typed text.
    QString typedCharacters = QStringLiteral("0123456789");
    int maxTypedLength = 1;
    // The text is read with a decimal point (for fields of seconds).
    bool readsDecimal = false;

    // How the text is read, brought into the range and shown again.
    std::function<SpinCommit(const QString& text)> commit;
    // How the committed value reaches the image.
    std::function<void(RadioImage& image, const SpinCommit& committed)> store;
    // How the window's load shows the stored value.
    std::function<SpinLoad(const RadioImage& image)> load;

    QString TopText() const;
    QString BottomText() const;
};

// The text shown for the value 0 of a field that has an Off value, in the
// language in force ("Off", "关").
QString OffText();

// The number that the text's leading digits form (with a decimal point when
// `decimal`); an empty text or one that does not begin with a digit reads 0.
// A number too long for any field saturates instead of wrapping.
double ReadSpinNumber(const QString& text, bool decimal = false);
// The same as a whole number, saturated at kSpinNumberLimit.
int ReadSpinInteger(const QString& text);
inline constexpr int kSpinNumberLimit = 1000000000;

// A typed character: what the field does with it.
enum class TypedKey { Accept, Drop, EnterAsTab, Backspace };
// `selectionLength` > 0 lets a character replace the selection even when the
// text is full.
TypedKey SpinDigitFilter(const SpinFieldParams& params, const QString& text, int selectionLength, QChar typed);

// The Up or Down arrow key in the text box: from the up-down's value by the
// step, wrapping when the text is the top (bottom) text, never past a bound.
SpinStep SpinKeyStep(const SpinFieldParams& params, const QString& text, int upDownValue, bool up);

// The field's answer to the click, given the up-down's value after it moved.
SpinStep SpinButtonStep(const SpinFieldParams& params, const QString& text, int movedValue, bool up);

}  // namespace zx
