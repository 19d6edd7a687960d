#include "core/AppCore.h"

#include <cassert>

#include "core/MainCaption.h"

namespace zx {

namespace {
AppCore* gCurrent = nullptr;
}

AppCore::AppCore() : previous_(gCurrent)
{
    gCurrent = this;
    image.setModelBandCode(0x21);
    image.setModelVariant(0xF8);
}

AppCore::~AppCore()
{
    if (gCurrent == this)
        gCurrent = previous_;
}

AppCore& AppCore::instance()
{
    assert(gCurrent && "no AppCore exists");
    return *gCurrent;
}

void AppCore::InitAllFrameData()
{
    const BandLimits limits = zx::InitAllFrameData(image);
    BandLowerMHz = limits.lowerMHz;
    BandUpperMHz = limits.upperMHz;
}

void AppCore::SetBandLimitsFromImage()
{
    const BandLimits limits = DefaultBandTable(image.modelBandCode());
    BandLowerMHz = limits.lowerMHz;
    BandUpperMHz = limits.upperMHz;
}

void AppCore::ApplyEightChannelRule()
{
    EightChannelModel = EightChannelRule(image.modelBandCode(), image.modelVariant());
}

void AppCore::RestoreChannelSlot()
{
    windowSlots.setWindowMenuVisible(true);
    if (windowSlots.slot(0).visible)
        return;
    GridChannel = 1;
    windowSlots.setSlotVisible(0, true);
    windowSlots.setSlotCaption(0, ChannelWindowCaption(1, LanguageChinese));
    windowSlots.setSlotChecked(0, false);
}

void AppCore::CopyChannelRecords()
{
    for (int channel = 1; channel <= layout::kMaxChannels; ++channel)
        ChData[static_cast<std::size_t>(channel - 1)] = ReadChannelRecord(image, channel);
}

}  // namespace zx
