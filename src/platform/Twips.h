#pragma once
// Window sizes and positions are given in twips (1/1440 inch).

namespace zx {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixels(int twips, double dpi)
{
    const double px = twips * dpi / kTwipsPerInch;
    return static_cast<int>(px >= 0 ? px + 0.5 : px - 0.5);
}

inline double PixelsToTwips(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

}  // namespace zx
