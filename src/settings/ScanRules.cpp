#include "settings/ScanRules.h"

#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "core/StringTable.h"
#include "settings/SpinRules.h"

namespace zx {

namespace {

// Resource pairs of the revert entries, by code.
constexpr int kRevertTextIds[] = {1150, 1154, 1152, 1153};

constexpr int kChannelCount = 16;

}  // namespace

QStringList PriorityModeItems() { return {LoadLangString(1077), LoadLangString(1151), LoadLangString(1150)}; }

int PriorityModePosition(std::uint8_t stored)
{
    if (stored == 1 || stored == 2)
        return stored;
    return static_cast<int>(PriorityMode::None);
}

QStringList RevertChannelItems(PriorityMode mode)
{
    switch (mode) {
    case PriorityMode::None:
        return {LoadLangString(1150), LoadLangString(1154)};
    case PriorityMode::Fixed:
        return {LoadLangString(1150), LoadLangString(1154), LoadLangString(1152), LoadLangString(1153)};
    case PriorityMode::Selected:
        return {LoadLangString(1152), LoadLangString(1153)};
    }
    return {};
}

std::optional<std::uint8_t> RevertChannelCode(const QString& text)
{
    for (std::uint8_t code = 0; code < std::size(kRevertTextIds); ++code)
        if (text == LoadLangString(kRevertTextIds[code]))
            return code;
    return std::nullopt;
}

int RevertChannelPosition(std::uint8_t stored, int count)
{
    switch (stored) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return count == 2 ? 0 : 2;
    case 3:
        return count == 2 ? 1 : 3;
    default:
        return -1;
    }
}

bool ChannelProgrammed(const RadioImage& image, int channel)
{
    if (channel < 1 || channel > kChannelCount)
        return false;
    return image.at(layout::ChannelRecord(channel)) != 0xFF;
}

PriorityChannelCommit CommitPriorityChannelText(const QString& text, const QString& lastText, bool fixedShown,
                                                const RadioImage& image)
{
    PriorityChannelCommit c;
    int v = 0;
    if (!text.isEmpty()) {
        v = ReadSpinInteger(text);
        const auto fallBack = [&] {
            c.refused = true;
            v = ReadSpinInteger(lastText);  // taken as it was, no new check
        };
        if (v == 0) {
            if (ChannelProgrammed(image, 1))
                v = 1;
            else
                c.refused = true;
        } else if (v <= kChannelCount) {
            if (!ChannelProgrammed(image, v))
                fallBack();
        } else if (ChannelProgrammed(image, kChannelCount)) {
            v = kChannelCount;
        } else {
            fallBack();
        }
    }
    c.channel = v;
    if (v != 0) {
        c.text = QString::number(v);
        c.byte = static_cast<std::uint8_t>(v);
        c.error = false;
    } else {
        c.byte = 0xFF;
        c.error = fixedShown;
    }
    return c;
}

QString PriorityChannelMessage()
{
    return LangText("必须从已编程的信道中\r\n选择信道。", "Channel must be selected\r\nfrom the programmed Channel's");
}

QString PriorityChannelMessageTitle() { return LangText("错误", "Error"); }

}  // namespace zx
