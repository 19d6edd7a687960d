#pragma once
// The measured-value dialog: Battery Warning Level, VOX1, VOX10 and RSSI,
// whose value the radio measures itself. Start runs the measuring loop (the
// marker beside it shows meanwhile); OK sets and stores the last measured
// value, Cancel the value the dialog opened with.
#include "testmode/ui/TuningDialogFrame.h"

class QProgressBar;

namespace zx {

class TunningForm2 : public TuningDialogFrame {
    Q_OBJECT
public:
    explicit TunningForm2(const TuningHandOver& handOver);

    QLabel* lblRx = nullptr;
    QLabel* lblTx = nullptr;
    QLabel* LabRxFreq = nullptr;
    QLabel* LabTxFreq = nullptr;
    QLabel* txtTuneValue = nullptr;  // a label: the value is measured, not typed
    QProgressBar* PrgValue = nullptr;
    QLabel* Label6 = nullptr;  // "0"
    QLabel* Label7 = nullptr;  // "255"
    QPushButton* CmdStart = nullptr;
    QLabel* PicStart = nullptr;

protected:
    void SetControlsEnabled(bool enabled) override;
    void ShowPttLamp(bool on) override;
    void ShowPointValue(int point, std::uint8_t value) override;
    void ShowMeasuring(bool on) override;
};

}  // namespace zx
