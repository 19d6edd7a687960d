#pragma once
// The language switch in the channel list: the setting words of the channel
// rows re-translated. The header row comes from ChannelGridLayout.
#include <cstdint>
#include <functional>
#include <optional>

#include <QString>

#include "core/RadioImage.h"

namespace zx {

// The text a setting cell of column 3 to 9 gets in the new language, read
// from its text in either language; nothing when the cell stays as it is.
// Column 9 here is the On/Off PTT ID of a model whose PTT ID type is not
// FleetSync.
std::optional<QString> RetranslatedChannelCell(int column, const QString& text, bool chinese);
// Column 9 of a FleetSync model, rebuilt from the channel's PTT ID code: Off,
// Own, "Fleet List n", or empty; nothing for a low nibble of 10 to 14.
std::optional<QString> FleetPttIdCellText(std::uint8_t pttIdCode, bool chinese);

using ChannelCellReader = std::function<QString(int row, int column)>;
using ChannelCellWriter = std::function<void(int row, int column, const QString& text)>;
// Re-translates columns 3 to 9 of channel rows 1 to rowCount whose receive
// frequency (column 1) is not empty.
void RetranslateChannelGrid(const RadioImage& image, int rowCount, bool chinese, const ChannelCellReader& read,
                            const ChannelCellWriter& write);

}  // namespace zx
