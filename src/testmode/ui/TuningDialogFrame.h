#pragma once
// What the four tuning dialogs share around their TuningLink: a top-level
// window of its own (the test window, disabled meanwhile, is only its
// transient parent), its own port with its send and reply timers, opened
// when the dialog loads and left open, the time-out question, the PTT lamp,
// and the closing: a close is refused while the closing exchange runs (the
// controls are disabled meanwhile) and goes through when the link reports
// CloseDone, and while the time-out question is up, since its answer still
// goes to the dialog. A port that cannot be opened, or a device that
// vanishes, is reported and the dialog closes without a closing exchange.
// When the dialog is gone, the test window is told through the hand-over.
#include <memory>

#include <QDialog>

#include "link/PortLinkIo.h"
#include "testmode/TuningItems.h"
#include "testmode/TuningLink.h"
#include "testmode/TuningLinkIo.h"
#include "testmode/ui/TuningDialogFactories.h"

class QLabel;
class QPushButton;

namespace zx {

class TuningDialogFrame : public QDialog, protected PortLinkIo<TuningLinkIo> {
    Q_OBJECT
public:
    ~TuningDialogFrame() override;

    // Shows the dialog and opens its port; nothing is sent. When the port
    // cannot be opened the user is told and the dialog closes.
    void Load();

    TuningLink& link() { return *link_; }
    PortLink& portLink() { return port_; }
    const TuningSetup& setup() const { return setup_; }

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    TuningDialogFrame(const TuningHandOver& handOver, TuningSetup setup, const char* name);

    // The dialog's own controls, enabled or not as a whole (disabled while
    // the closing exchange runs).
    virtual void SetControlsEnabled(bool enabled) = 0;
    // A picture label showing LampOff, for the PTT lamp.
    QLabel* MakeLamp(const char* name);
    void SetLamp(QLabel* lamp, bool on);

    // After each user action and each tick of the send timer (which
    // releases the actions held through the measuring pause): once the link
    // has begun closing, the controls take no more input.
    void AfterAction();

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    // TuningLinkIo, beyond the port and the timers
    bool EnsurePortOpen() override;
    void AskReplyTimeout() override;
    void ShowPortLost(const QString& portName) override;
    void PortOpenFailed() override;
    void CloseDone() override;

    TuningSetup setup_;

private:
    // Closes the window once the current input has returned.
    void CloseSoon();

    TuningHandOver handOver_;
    std::unique_ptr<TuningLink> link_;
    // The link has ended (or the port failed): the next close goes through.
    bool done_ = false;
};

}  // namespace zx
