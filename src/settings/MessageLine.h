#pragma once
// The two lines of the embedded message (0x300-0x33F): each 32 bytes, one
// byte per character, the unused bytes 0xFF. A line reads up to its first
// 0xFF.
#include <QString>

namespace zx {

class RadioImage;

inline constexpr int kMessageLineCount = 2;
inline constexpr int kMessageLineChars = 32;

// Address of line `index` (0 or 1).
int MessageLineAddress(int index);
// The characters of a line up to its first 0xFF.
QString LoadMessageLine(const RadioImage& image, int index);
// Stores at most 32 characters of the text and fills the rest of the line
// with 0xFF. A character that has no one-byte code ends the stored text
// there: what comes before it is kept, the rest of the line becomes 0xFF, so
// no byte of an earlier text survives behind it.
void StoreMessageLine(RadioImage& image, int index, const QString& text);
// Whether a typed character may enter a box holding `length` characters:
// a full box takes one only in place of a selection.
bool MessageCharacterAccepted(int length, bool hasSelection);

}  // namespace zx
