#pragma once
// A tuning dialog with one tab per point, each with its slider, value box,
// up-down, bar and frequencies, a PTT button with its lamp, OK and Cancel:
// the band-point and power dialogs (several points, a tab click enters the
// point on the radio) and the single-value dialog (the Test point only).
#include <vector>

#include "testmode/ui/TuningDialogFrame.h"

class QTabWidget;

namespace zx {

class TuningPointTab;

class TuningPointsForm : public TuningDialogFrame {
    Q_OBJECT
public:
    QTabWidget* SSTabTune = nullptr;
    QPushButton* CmdPtt = nullptr;
    QLabel* PicPtt = nullptr;

    int pointCount() const { return static_cast<int>(tabs_.size()); }
    TuningPointTab* tab(int point) const { return tabs_.at(static_cast<std::size_t>(point)); }

protected:
    TuningPointsForm(const TuningHandOver& handOver, TuningSetup setup, const char* name);

    void SetControlsEnabled(bool enabled) override;
    void ShowPttLamp(bool on) override;
    void ShowPointValue(int point, std::uint8_t value) override;
    void ShowMeasuring(bool on) override;

private:
    void SSTabTune_Click(int point);

    std::vector<TuningPointTab*> tabs_;
};

}  // namespace zx
