#pragma once
// Program > Test Mode: the main window's entry exchange with the test-mode
// data steps and, when the radio's test frequencies agree with the image,
// the test window, shown modeless beside the disabled main window.
#include <memory>

#include <QObject>
#include <QPointer>

namespace zx {

class MainLinkController;
class MenuCommands;
class TestEntrySteps;
class TestForm;
class TuningDialogFactories;
class Workspace;

class TestModeCommand : public QObject {
    Q_OBJECT
public:
    // `dialogs` are the tuning dialogs the test window hands the radio to;
    // they live as long as the main window.
    TestModeCommand(Workspace& workspace, MainLinkController& mainLink, const TuningDialogFactories& dialogs,
                    QObject* parent = nullptr);
    ~TestModeCommand() override;

    void MnuProgramTestMode_Click();

    // The test window while it is open.
    TestForm* testForm() const;

private:
    void ShowTestForm();

    Workspace& workspace_;
    MainLinkController& mainLink_;
    const TuningDialogFactories& dialogs_;
    std::unique_ptr<TestEntrySteps> steps_;
    QPointer<TestForm> form_;
};

// "MnuProgramTestMode" (Ctrl+T). The command object is a child of `owner`.
TestModeCommand* AttachTestModeCommands(MenuCommands& menu, Workspace& workspace, MainLinkController& mainLink,
                                        const TuningDialogFactories& dialogs, QObject* owner);

}  // namespace zx
