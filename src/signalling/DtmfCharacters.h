#pragma once
// The characters DTMF codes are made of, and the filters that keep typed,
// pasted or dropped text to them.
#include <optional>

#include <QChar>
#include <QString>

namespace zx {

// "0"-"9", "A"-"D", "*" and "#" as they are stored; "a"-"d" come back as
// capitals; any other character has none.
std::optional<QChar> DtmfCodeChar(QChar c);
// The text with every character that is not a DTMF character dropped, a-d
// raised, cut at maxLength.
QString FilterDtmfText(const QString& text, int maxLength);
// The text's digits only, cut at maxLength.
QString FilterDigits(const QString& text, int maxLength);

// Whether a typed character may go in: a text already at maxLength takes one
// only when part of it is selected (the character then replaces it).
bool RoomForCharacter(int textLength, int maxLength, bool hasSelection);

}  // namespace zx
