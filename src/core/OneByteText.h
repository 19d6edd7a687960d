#pragma once
// Text as the radio stores it: one byte per character. The radio's bytes are
// read as Latin-1, so a character has a code only up to U+00FF; anything
// above (Chinese from an input method, typographic quotes) has none and must
// never be cut down to its low byte.
#include <optional>

#include <QByteArray>
#include <QChar>
#include <QString>

namespace zx {

// The code of one character, or nothing when it has no one-byte code.
std::optional<quint8> OneByteCode(QChar c);
// The character a stored byte stands for.
QChar OneByteChar(quint8 code);
// The codes of the text's leading characters, stopping before the first one
// that has no code.
QByteArray OneByteCodesPrefix(const QString& text);
// The characters of the bytes, every byte one character.
QString OneByteCharacters(const QByteArray& bytes);

}  // namespace zx
