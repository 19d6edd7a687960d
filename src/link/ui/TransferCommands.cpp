#include "link/ui/TransferCommands.h"

#include <utility>

#include <QProgressBar>

#include "core/AppCore.h"
#include "core/MenuCommands.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "link/ExchangeLock.h"
#include "link/PreWriteCheck.h"
#include "link/ui/ConnectForm.h"

namespace zx {

namespace {

ConnectFormRunner& Runner()
{
    static ConnectFormRunner runner;
    return runner;
}

void RunTransfer(Workspace& workspace, TransferMode mode, int progressMax, int captionId)
{
    Core().link.TransferMode = mode;
    ConnectForm form(workspace, workspace.DialogOwner());
    form.PrgValue->setValue(0);
    form.PrgValue->setMaximum(progressMax);
    form.setWindowTitle(LoadLangString(captionId));
    if (!form.Load())
        return;
    if (Runner())
        Runner()(form);
    else
        form.exec();
    workspace.ShowChannelWindow();
}

}  // namespace

ConnectFormRunner SetConnectFormRunner(ConnectFormRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

void MnuProgramRead_Click(Workspace& workspace)
{
    if (ExchangeRunning())
        return;
    RunTransfer(workspace, TransferMode::Read, 16, 1186);
}

void MnuProgramWrite_Click(Workspace& workspace)
{
    if (ExchangeRunning())
        return;
    // What the user typed last is written too, and counts in the checks.
    workspace.CommitFieldBeingEdited();
    if (!RunPreWriteChecks())
        return;
    RunTransfer(workspace, TransferMode::Write, 49, 1187);
}

void AttachTransferCommands(MenuCommands& menu, Workspace& workspace)
{
    Workspace* ws = &workspace;
    menu.setCommand(QStringLiteral("MnuProgramRead"), [ws] { MnuProgramRead_Click(*ws); });
    menu.setCommand(QStringLiteral("MnuProgramWrite"), [ws] { MnuProgramWrite_Click(*ws); });
}

}  // namespace zx
