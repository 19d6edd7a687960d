#pragma once
// What a tone typed into the channel grid becomes.
#include <QString>

namespace zx {

// NormaliseToneText: empty gives the None word of the language (the None word
// stays); a text starting with "D" becomes "D", three octal digits and "N" or
// "I" ("." reads 0, a digit above 7 becomes 7, "D" alone is D000N, a short
// code is filled with leading zeros after the "D" and keeps a typed suffix:
// D23 is D023N, D23I is D023I); a text starting with "N" or "I" gives "67.0";
// any other is read as a number, limited to 67.0..254.1 and cut (not rounded)
// to one decimal. There is no test against the tone list.
QString NormaliseToneText(const QString& text, bool chinese);

}  // namespace zx
