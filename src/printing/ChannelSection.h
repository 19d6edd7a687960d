#pragma once
// Section 7 of the report: every programmed channel as a block of nine lines,
// four blocks to a page. The section decodes each channel from its own copy
// of the channel records into registers of its own, so the channel list's
// and the channel editor's current-channel registers stay as they were.
#include <array>
#include <cstdint>
#include <vector>

#include "channels/ChannelRecord.h"
#include "channels/ChannelRegisters.h"
#include "core/RadioImage.h"
#include "printing/ReportContext.h"

namespace zx {

class ReportChannelDecoder {
public:
    ReportChannelDecoder(const RadioImage& image, bool chinese);

    // Decodes channel `channel` (1..16) into registers(); a tone without a
    // text in 16 signed bits throws PrintFailure.
    void PrintCurChData(int channel);
    const ChannelRegisters& registers() const { return registers_; }

    // The channels whose first record byte is not FF, in ascending order;
    // all 16 records count, whatever the model.
    std::vector<int> ProgrammedChannels() const;

private:
    QString ToneText(const QString& label, std::uint8_t low, std::uint8_t high) const;

    const RadioImage& image_;
    bool chinese_;
    std::array<ChannelRecordBytes, layout::kMaxChannels> ChData{};
    ChannelRegisters registers_;
};

// One page's blocks: the channels in slots 0..3.
void PrintChannelBlocks(const ReportContext& report, ReportChannelDecoder& decoder,
                        const std::vector<int>& channels);

}  // namespace zx
