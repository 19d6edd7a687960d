#pragma once
// The settings of one channel as texts: the nine texts of its channel-list
// row plus the settings the list does not show. The channel decoder produces
// it from a record, the encoder turns it back into a record; the core holds
// one instance as the current-channel registers.
#include <array>

#include <QString>

namespace zx {

// The texts of grid columns 1..9, at indexes 0..8.
using ChannelColumns = std::array<QString, 9>;

struct ChannelRegisters {
    QString ChRxFreq;      // column 1: "000.00000"
    QString ChTxFreq;      // column 2: "000.00000" or empty
    QString ChDecode;      // column 3: ToneText
    QString ChEncode;      // column 4: ToneText
    QString ChTxPower;     // column 5: High / Low
    QString ChWideNarrow;  // column 6: Wide / Narrow
    QString ChScanAdd;     // column 7: Yes / No
    QString ChOptSignal;   // column 8: None, "DTMF", "FleetSync" or empty
    QString ChPttId;       // column 9
    QString ChSpMute;      // SP unmute text (channel editor, report)
    QString ChBusyLock;    // busy lockout text (channel editor, report)
    QString ChAutoDial;    // autodial memory "1".."8"
    bool ChCompander = false;
    bool ChBeatShift = false;

    // Column 1..9 of the row; any other number is a programming error
    // (asserted) and reads column 1.
    QString& Column(int column);
    const QString& Column(int column) const;

    ChannelColumns Columns() const;
    void SetColumns(const ChannelColumns& columns);
    // Empties the nine column texts and nothing else.
    void ClearColumns();

    bool operator==(const ChannelRegisters&) const = default;
};

}  // namespace zx
