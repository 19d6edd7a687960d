#pragma once
// Runs the main window's own exchange with the radio and its two dialogs:
// Tools > Radio Information (the exchange, then the radio information
// dialog), Setup > Communication Port (the probe, then the port dialog) and
// the start of the test-mode entry for the test-mode subsystem. It owns the
// main window's port with its send and reply timers and answers the
// exchange's questions with the program's message boxes.
//
// One exchange at a time: each command does nothing while any exchange (a
// read, a write, the probe, this one) runs, and holds the exchange lock
// while its own runs.
#include <QObject>
#include <QPointer>

#include "link/MainLinkExchange.h"
#include "link/PortLink.h"
#include "link/PortProbe.h"

class QLabel;

namespace zx {

class ComForm;
class DJJInfoForm;
class MenuCommands;
class Workspace;

class MainLinkController : public QObject, private MainLinkWindow {
    Q_OBJECT
public:
    // The workspace's main window is disabled while the radio information
    // (or the test window) is up; `portPanel` shows the chosen port ("COM3").
    MainLinkController(Workspace& workspace, QLabel* portPanel);
    ~MainLinkController() override;

    // Tools > Radio Information.
    void MnuToolRadioInformation_Click();
    // Setup > Communication Port: probes the ports, then shows the dialog
    // modal.
    void MnuSetupCommunicationPort_Click();
    // The test-mode entry (Program > Test Mode), for the test-mode subsystem
    // to attach with its steps.
    void StartTestEntry(TestEntryHooks& steps);

    MainLinkExchange& exchange() { return exchange_; }
    PortLink& link() { return link_; }
    const PortProbe& probe() const { return probe_; }
    // The radio information dialog while it is open.
    DJJInfoForm* infoForm() const;
    // The port dialog while it is shown.
    ComForm* portForm() const;

private:
    // Takes the lock and opens the port; false (the user told, the lock
    // given back, the main window enabled) when either fails.
    bool BeginExchange();
    void ShowPortDialog();

    // MainLinkWindow
    void AskReplyTimeout() override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowRadioInformation() override;
    void ShowTestFrequencyMismatch() override;
    void ShowPortLost(const QString& portName) override;
    void ExchangeEnded(MainLinkOutcome outcome) override;

    Workspace& workspace_;
    QLabel* portPanel_;
    PortLink link_;
    MainLinkExchange exchange_;
    PortProbe probe_;
    QPointer<DJJInfoForm> info_;
    QPointer<ComForm> portForm_;
    bool holdsLock_ = false;
};

// "MnuToolRadioInformation" and "MnuSetupCommunicationPort". Program > Test
// Mode is attached by the test-mode subsystem with its steps.
void AttachMainLinkCommands(MenuCommands& menu, MainLinkController& controller);

}  // namespace zx
