#pragma once
// What a frequency typed into the channel grid becomes: the band limits of the
// model, the clamp to the band with its range message, and the move onto the
// 5 kHz or 6.25 kHz channel raster. Frequencies are whole 10 Hz units.
#include <cstdint>

#include <QString>
#include <QtGlobal>

namespace zx {

class AppCore;

// Band limits in 10 Hz units.
struct GridBand {
    qint64 lower;
    qint64 upper;
};

// The grid's band table by ModelBandCode: 0x01 136-174, 0x02 136-150,
// 0x03 150-174, 0x04 245-265, 0x21 400-480, 0x33 440-480, 0x43 400-440,
// 0x63 370-390, 0x53 350-370, 0x73 350-390, 0x83 460-512, any other 400-480 MHz.
GridBand GridBandTable(std::uint8_t bandCode);

// GetBandLimits: BandLowerMHz and BandUpperMHz of the core from the grid's
// band table for the image's band code.
void GetBandLimits(AppCore& core);

struct SnappedFrequency {
    QString text;             // "000.00000"
    bool outOfRange = false;  // clamped to a limit: show the range message
};

// SnapFrequency: the committed text of a typed frequency (read up to the
// first character that cannot continue the number; a lone point is 0). Above
// the upper or below the lower limit it is that limit, with outOfRange set (a
// limit itself is inside). Inside the band a value on the 5 kHz or the
// 6.25 kHz raster stays; any other moves to the nearer raster point, the
// 6.25 kHz one at equal distance (5 kHz points round half up).
SnappedFrequency SnapFrequency(const QString& text, int lowerMHz, int upperMHz);

// The range message (exclamation icon, OK only).
QString RangeMessageText(bool chinese);   // "Frequency is out of range." / "频率超出范围。"
QString RangeMessageTitle(bool chinese);  // "Caution" / "注意"

}  // namespace zx
