#pragma once
// A spin field: a text box with an up-down control beside it, editing one
// numeric setting of the image as its SpinFieldParams describe.
//
// - focus: the whole text is selected (SelectAllOnFocus);
// - Up and Down arrow keys step the value (SpinKeyStep), the up-down's
//   buttons likewise (SpinButtonStep); neither writes the image;
// - typed characters pass the filter (DigitFilter), Enter moves the focus on
//   as Tab does (EnterAsTab), clipboard keys are dropped;
// - leaving the text box commits it (CommitOnLeave): the text is read,
//   brought into the range, shown again and written to the image; a second
//   commit finds nothing more to do;
// - no context menu opens over the text box (NoContextMenu).
// A window that unloads (EditorWindowFrame::isUnloaded) commits nothing.
#include <QWidget>

#include "settings/SpinRules.h"

class QLineEdit;

namespace zx {

class RadioImage;
class UpDownControl;

class SpinField : public QWidget {
    Q_OBJECT
public:
    SpinField(SpinFieldParams params, RadioImage& image, QWidget* parent = nullptr);

    QLineEdit* txt() const { return txt_; }
    UpDownControl* upd() const { return upd_; }
    const SpinFieldParams& params() const { return params_; }
    // The up-down's value: as last loaded, stepped or committed.
    int value() const;
    QString text() const;

    // Shows the stored value as the load rule says; writes nothing.
    void Load();
    // Reads the text, brings it into the range, shows it and stores it.
    void CommitOnLeave();
    // Enables or disables text box and up-down, with the matching background.
    void SetUsable(bool usable);

signals:
    // The field wrote its value to the image.
    void committed(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectAllOnFocus();
    bool SpinKeyStep(int key);
    // True when the key press is consumed.
    bool DigitFilter(class QKeyEvent* key);
    void SpinButtonStep(bool up);
    void Show(const SpinStep& step);
    bool WindowUnloading() const;

    SpinFieldParams params_;
    RadioImage& image_;
    QLineEdit* txt_ = nullptr;
    UpDownControl* upd_ = nullptr;
};

}  // namespace zx
