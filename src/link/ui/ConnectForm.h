#pragma once
// The transfer dialog: a progress bar, OK to start the read or write that
// TransferMode names, Cancel to leave before it starts. Once started it
// cannot be closed until the transfer ends; when it closes it puts the main
// window back in order through the workspace (AfterTransferDialog). It
// answers the transfer's questions with the program's message boxes.
#include <memory>

#include <QDialog>

#include "link/PortLink.h"
#include "link/RadioTransfer.h"

class QProgressBar;
class QPushButton;
class QFrame;

namespace zx {

class Workspace;

class ConnectForm : public QDialog, private TransferWindow {
    Q_OBJECT
public:
    explicit ConnectForm(Workspace& workspace, QWidget* parent = nullptr);
    ~ConnectForm() override;

    // The dialog's load: takes the exchange lock and opens and closes the
    // port once. False when another exchange runs or the port cannot be
    // opened (the user has been told); the dialog must then not be shown.
    bool Load();

    QFrame* Picture1 = nullptr;
    QProgressBar* PrgValue = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;

    bool TransferCancelled = false;
    bool TransferRunning = false;
    bool TransferFinished = false;

    // 5100 for a read, 5200 for a write.
    int helpContextId() const { return helpContextId_; }
    RadioTransfer* transfer() { return transfer_.get(); }
    PortLink& link() { return link_; }

signals:
    // The dialog has closed and done its closing work.
    void unloaded();

public slots:
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    void Unload();

    // TransferWindow
    void AskReplyTimeout() override;
    void AskOverwriteOtherModel() override;
    void TransferCompleted(const RadioImage* received) override;
    void ReportCompleted() override;
    void ReportPortLost(const QString& portName, PortLoss loss) override;
    void TransferEnded(TransferOutcome outcome) override;

    Workspace& workspace_;
    PortLink link_;
    std::unique_ptr<RadioTransfer> transfer_;
    bool loaded_ = false;
    bool unloaded_ = false;
    int helpContextId_ = 5100;
};

}  // namespace zx
