#pragma once
// The three lists of the optional features window: which list position a
// stored byte selects, and what leaving the list writes.
#include <cstdint>
#include <optional>

#include <QStringList>

namespace zx {

enum class OptionalList { MicSensitivity, VoiceAnnunciation, VoxDelayTime };

// The entries in the language in force, by list position.
QStringList OptionalListItems(OptionalList list);
// The position a stored byte selects; -1 for none.
int OptionalListPosition(OptionalList list, std::uint8_t stored);
// The byte that leaving the list writes for a position (-1: none chosen);
// nothing when the byte keeps its value.
std::optional<std::uint8_t> OptionalListCode(OptionalList list, int position);

}  // namespace zx
