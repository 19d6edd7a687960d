#pragma once
// The band edges of the multi-point tuning dialogs, chosen by the image's
// ModelBandCode with a table of their own (not the core's band labels: a
// code outside it tunes as 400-480 MHz), and the receive and transmit
// frequencies of their points, in units of 10 Hz.
#include <cstdint>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace zx {

struct TuneBandEdges {
    qint64 L = 0;  // lower edge, 10 Hz units
    qint64 U = 0;  // upper edge, 10 Hz units

    static TuneBandEdges For(std::uint8_t modelBandCode);
};

struct TunePointFrequency {
    qint64 rx = 0;  // 10 Hz units
    qint64 tx = 0;
};

// Low, Center, High of the band-point dialog.
std::vector<TunePointFrequency> BandPointFrequencies(const TuneBandEdges& edges);
// Low, Low', Center, High', High of the power dialog.
std::vector<TunePointFrequency> PowerPointFrequencies(const TuneBandEdges& edges);

// A frequency in 10 Hz units as the dialogs show it: MHz "000.00000"
// followed directly by "MHz" ("440.05000MHz").
QString TuneFrequencyText(qint64 tensOfHz);
// A test channel's TestFreqList text (MHz) shown the same way: its value
// formatted "000.00000" + "MHz"; "0" (an empty channel) shows
// "000.00000MHz". A text that is no number is shown as it is.
QString TestPointFrequencyText(const QString& testFreqListText);

}  // namespace zx
