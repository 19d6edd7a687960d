#include "link/ui/TransferCommands.h"

#include <utility>

#include <QProgressBar>

#include "core/AppCore.h"
#include "core/StringTable.h"
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

void RunTransfer(const TransferHooks& hooks, QWidget* parent, int mode, int progressMax, int captionId)
{
    Core().link.TransferMode = mode;
    ConnectForm form(hooks, parent);
    form.PrgValue->setValue(0);
    form.PrgValue->setMaximum(progressMax);
    form.setWindowTitle(LoadLangString(captionId));
    if (!form.Load())
        return;
    if (Runner())
        Runner()(form);
    else
        form.exec();
    if (hooks.ShowChannelForm)
        hooks.ShowChannelForm();
}

}  // namespace

ConnectFormRunner SetConnectFormRunner(ConnectFormRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

void MnuProgramRead_Click(const TransferHooks& hooks, QWidget* parent)
{
    if (ExchangeRunning())
        return;
    RunTransfer(hooks, parent, 0, 16, 1186);
}

void MnuProgramWrite_Click(const TransferHooks& hooks, QWidget* parent)
{
    if (ExchangeRunning())
        return;
    if (!RunPreWriteChecks())
        return;
    RunTransfer(hooks, parent, 1, 49, 1187);
}

}  // namespace zx
