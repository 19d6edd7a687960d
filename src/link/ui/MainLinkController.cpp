#include "link/ui/MainLinkController.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "core/AppCore.h"
#include "core/MenuCommands.h"
#include "core/Workspace.h"
#include "link/ExchangeLock.h"
#include "link/LinkMessages.h"
#include "link/MainLinkMessages.h"
#include "link/ui/ComForm.h"
#include "link/ui/DJJInfoForm.h"
#include "platform/ui/OwnedWindow.h"

namespace zx {

MainLinkController::MainLinkController(Workspace& workspace, QLabel* portPanel)
    : workspace_(workspace), portPanel_(portPanel), exchange_(link_, *this, Core().link.RadioInfo)
{
    link_.onBytes = [this](const QByteArray& reply) { exchange_.OnBytes(reply); };
    link_.onSendTimer = [this] { exchange_.OnSendTimer(); };
    link_.onReplyTimeout = [this] { exchange_.OnReplyTimeout(); };
    link_.onPortLost = [this](const QString& portName) { exchange_.OnPortLost(portName); };
    connect(&probe_, &PortProbe::finished, this, &MainLinkController::ShowPortDialog);
}

MainLinkController::~MainLinkController()
{
    link_.Shutdown();
    delete info_;
    if (holdsLock_)
        EndExchange();
}

DJJInfoForm* MainLinkController::infoForm() const
{
    return info_;
}

ComForm* MainLinkController::portForm() const
{
    return portForm_;
}

bool MainLinkController::BeginExchange()
{
    if (!TryBeginExchange())
        return false;
    holdsLock_ = true;
    if (link_.PortSetup())
        return true;
    link_.Shutdown();
    ShowPortOpenError(link_.openErrorText());
    holdsLock_ = false;
    EndExchange();
    SetMainWindowEnabled(true);
    return false;
}

void MainLinkController::MnuToolRadioInformation_Click()
{
    if (!BeginExchange())
        return;
    exchange_.StartRadioInformation();
}

void MainLinkController::StartTestEntry(TestEntryHooks& steps)
{
    if (!BeginExchange())
        return;
    exchange_.StartTestEntry(steps);
}

void MainLinkController::MnuSetupCommunicationPort_Click()
{
    // The probe opens every port: never while another exchange holds one.
    if (!TryBeginExchange())
        return;
    holdsLock_ = true;
    // The probe stands for the dialog that is about to come: the main
    // window takes nothing meanwhile, its close included.
    SetMainWindowEnabled(false);
    probe_.Start();
}

void MainLinkController::ShowPortDialog()
{
    // The dialog is the main window's child: it would be disabled with it.
    SetMainWindowEnabled(true);
    ComForm form(probe_, Core().link.ComPortNumber, workspace_.DialogOwner());
    portForm_ = &form;
    const bool accepted = form.exec() == QDialog::Accepted;
    portForm_ = nullptr;
    if (accepted) {
        if (const int port = form.ChosenPort(); port > 0) {
            Core().link.ComPortNumber = port;
            if (portPanel_)
                portPanel_->setText(QStringLiteral("COM%1").arg(port));
        }
    }
    holdsLock_ = false;
    EndExchange();
}

void MainLinkController::AskReplyTimeout()
{
    link_.AskReplyTimeout([this] { exchange_.OnRetry(); }, [this] { exchange_.OnCancel(); });
}

void MainLinkController::SetMainWindowEnabled(bool enabled)
{
    workspace_.EnableMainWindow(enabled);
}

void MainLinkController::ShowRadioInformation()
{
    delete info_;
    const AppCore& core = Core();
    info_ = new DJJInfoForm(core.link.RadioInfo, core.image.modelBandCode());
    // Every way of closing it (Close, Esc, the close box) ends in finished().
    connect(info_, &QDialog::finished, this, [this] {
        SetMainWindowEnabled(true);
        if (info_)
            info_->deleteLater();
    });
    KeepAboveOwner(*info_, workspace_.DialogOwner());
    info_->show();
    info_->raise();
    info_->activateWindow();
}

void MainLinkController::ShowTestFrequencyMismatch()
{
    zx::ShowTestFrequencyMismatch();
}

void MainLinkController::ShowPortLost(const QString& portName)
{
    ShowMainLinkPortLost(portName);
}

void MainLinkController::ExchangeEnded(MainLinkOutcome outcome)
{
    link_.Shutdown();
    // The test window takes the lock over with the port.
    if (outcome != MainLinkOutcome::TestFormShown && holdsLock_)
        EndExchange();
    holdsLock_ = false;
}

void AttachMainLinkCommands(MenuCommands& menu, MainLinkController& controller)
{
    MainLinkController* c = &controller;
    menu.setCommand(QStringLiteral("MnuToolRadioInformation"), [c] { c->MnuToolRadioInformation_Click(); });
    menu.setCommand(QStringLiteral("MnuSetupCommunicationPort"), [c] { c->MnuSetupCommunicationPort_Click(); });
}

}  // namespace zx
