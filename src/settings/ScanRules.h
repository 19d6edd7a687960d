#pragma once
// The scan information window's lists and its priority channel: which entry a
// stored byte selects, which code an entry stands for, and what a typed
// priority channel commits as.
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

namespace zx {

class RadioImage;

// Priority modes, by position in the priority list (the stored code).
enum class PriorityMode { None = 0, Fixed = 1, Selected = 2 };

// "None", "Fixed", "Selected" in the language in force.
QStringList PriorityModeItems();
// The position the stored mode byte selects: 1 and 2 as they are; anything
// else (0, 0xFF, and codes the radio never uses) reads as None.
int PriorityModePosition(std::uint8_t stored);

// The revert list of a mode, by position, in the language in force.
QStringList RevertChannelItems(PriorityMode mode);
// The code of a revert entry, from its exact text (the English "Priority +
// Talk Back " ends in a blank); nothing for a text of no entry.
std::optional<std::uint8_t> RevertChannelCode(const QString& text);
// The position a stored revert code selects in a list of `count` entries
// (2 or 4); -1 for none.
int RevertChannelPosition(std::uint8_t stored, int count);

// A channel counts as programmed when its record's first byte is not 0xFF.
// Channels outside 1..16 are never programmed.
bool ChannelProgrammed(const RadioImage& image, int channel);

// What committing the priority channel field makes of its text.
struct PriorityChannelCommit {
    bool refused = false;   // the priority channel message is shown
    int channel = 0;        // the priority channel, 0 = none
    QString text;           // the field afterwards
    std::uint8_t byte = 0xFF;
    bool error = false;     // PriorityChannelError afterwards
};
// `text` is the field, `lastText` its text as loaded or last committed (the
// fallback of a refused channel), `fixedShown` whether the mode list shows
// Fixed. A number too large for a byte counts as 17 or more.
PriorityChannelCommit CommitPriorityChannelText(const QString& text, const QString& lastText, bool fixedShown,
                                                const RadioImage& image);

// The priority channel message (title and text) in the language in force.
QString PriorityChannelMessage();
QString PriorityChannelMessageTitle();

}  // namespace zx
