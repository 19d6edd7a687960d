#pragma once
// Images tests start from.
#include <cstdint>

#include "core/ModelRules.h"
#include "core/RadioImage.h"

namespace zx::test {

// The default image of a model, as InitAllFrameData builds it.
inline RadioImage DefaultFor(std::uint8_t band, std::uint8_t variant)
{
    RadioImage image;
    image.setModelBandCode(band);
    image.setModelVariant(variant);
    InitAllFrameData(image);
    return image;
}

}  // namespace zx::test
