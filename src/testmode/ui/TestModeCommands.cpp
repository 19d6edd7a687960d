#include "testmode/ui/TestModeCommands.h"

#include <QWidget>

#include "core/AppCore.h"
#include "core/MenuCommands.h"
#include "core/Workspace.h"
#include "link/ui/MainLinkController.h"
#include "platform/ui/OwnedWindow.h"
#include "testmode/TestEntrySteps.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/ui/TestForm.h"

namespace zx {

TestModeCommand::TestModeCommand(Workspace& workspace, MainLinkController& mainLink,
                                 const TuningDialogFactories& dialogs, QObject* parent)
    : QObject(parent),
      workspace_(workspace),
      mainLink_(mainLink),
      dialogs_(dialogs),
      steps_(std::make_unique<TestEntrySteps>(Core().image, Core().testMode, [this] { ShowTestForm(); }))
{
}

TestModeCommand::~TestModeCommand()
{
    delete form_;
}

TestForm* TestModeCommand::testForm() const
{
    return form_;
}

void TestModeCommand::MnuProgramTestMode_Click()
{
    // A test frequency typed last is compared with the radio's too.
    workspace_.CommitFieldBeingEdited();
    mainLink_.StartTestEntry(*steps_);
}

void TestModeCommand::ShowTestForm()
{
    delete form_;
    form_ = new TestForm(workspace_, dialogs_, [](const QByteArray& block) {
        StoreTuningData(Core().image, Core().testMode, block);
    });
    QWidget* main = workspace_.DialogOwner();
    KeepAboveOwner(*form_, main);
    form_->Form_Load();
    if (form_->link().ended())
        return;  // the port failed; the window is closing
    form_->adjustSize();
    if (main)
        form_->move(main->window()->geometry().center() - form_->rect().center());
    form_->show();
    form_->raise();
    form_->activateWindow();
}

TestModeCommand* AttachTestModeCommands(MenuCommands& menu, Workspace& workspace, MainLinkController& mainLink,
                                        const TuningDialogFactories& dialogs, QObject* owner)
{
    auto* command = new TestModeCommand(workspace, mainLink, dialogs, owner);
    menu.setCommand(QStringLiteral("MnuProgramTestMode"), [command] { command->MnuProgramTestMode_Click(); });
    return command;
}

}  // namespace zx
