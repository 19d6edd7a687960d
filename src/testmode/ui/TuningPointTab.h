#pragma once
// One point of a tuning dialog, as the page of its tab: a slider, a value
// box with its up-down and a bar for a value 0..255, the labels "0" and
// "255" at the ends of the scale, and the point's RX and TX frequencies.
//
// The controls keep each other in step and tell the dialog what the user
// did: Scrolled while the slider is dragged or stepped (shown, not sent),
// SliderChanged when the slider's value has changed (released or stepped),
// BoxChanged when the value box's text has changed (arrow keys, up-down).
// ShowValue sets all four controls with ControlsReady cleared, so none of
// these signals comes from the program's own settings.
#include <QWidget>

class QLabel;
class QProgressBar;
class QSlider;

namespace zx {

class TuningValueBox;
class UpDownControl;

class TuningPointTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinValue = 0;
    static constexpr int kMaxValue = 255;

    explicit TuningPointTab(QWidget* parent = nullptr);

    QSlider* SldValue = nullptr;
    TuningValueBox* txtTuneValue = nullptr;
    UpDownControl* updValue = nullptr;
    QProgressBar* PrgValue = nullptr;
    QLabel* Label5 = nullptr;  // "0"
    QLabel* Label6 = nullptr;  // "255"
    QLabel* Label1 = nullptr;  // "RX"
    QLabel* Label2 = nullptr;  // "TX"
    QLabel* LabRxFreq = nullptr;
    QLabel* LabTxFreq = nullptr;

    // The value the point's controls show: the slider's.
    int value() const;
    // Slider, bar, up-down and value box (format "0") take `value`, with
    // the change handlers silenced.
    void ShowValue(int value);

    void SetCaptions(const QString& rx, const QString& tx);
    void SetFrequencies(const QString& rx, const QString& tx);
    // Whether the slider is reached by Tab (only the shown point's is).
    void SetTabStop(bool tabStop);

    // False while the program sets the controls: their handlers do nothing.
    bool ControlsReady = true;

signals:
    void Scrolled(int value);
    void SliderChanged(int value);
    void BoxChanged(int value);

private:
    void SldValue_Scroll(int position);
    void SldValue_Change();
    void txtTuneValue_Change();
    void StepBox(bool up);
    void SetBoxText(int value);
};

}  // namespace zx
