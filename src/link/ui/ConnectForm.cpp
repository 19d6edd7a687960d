#include "link/ui/ConnectForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "core/ui/AppIcons.h"
#include "link/AfterTransfer.h"
#include "link/ExchangeLock.h"
#include "link/LinkMessages.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

QPushButton* MakeButton(QWidget* parent, int left)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(TwipsRect(left, 1200, 1056, 408));
    // Neither button answers Enter: the dialog has no default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

ConnectForm::ConnectForm(Workspace& workspace, QWidget* parent) : QDialog(parent), workspace_(workspace)
{
    setFixedSize(TwipsToPixelsX(4305), TwipsToPixelsY(1890));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(WindowIcon());

    Picture1 = new QFrame(this);
    Picture1->setGeometry(rect());
    Picture1->setFrameShape(QFrame::NoFrame);

    PrgValue = new QProgressBar(this);
    PrgValue->setGeometry(TwipsRect(144, 540, 3936, 372));
    PrgValue->setTextVisible(false);
    PrgValue->setRange(0, 16);
    PrgValue->setValue(0);

    cmdOK = MakeButton(this, 240);
    cmdHelp = MakeButton(this, 1560);
    cmdCancel = MakeButton(this, 2880);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);

    cmdOK->setText(LoadLangString(1096));
    cmdCancel->setText(LoadLangString(1097));
    cmdHelp->setText(LoadLangString(1076));
    cmdHelp->hide();

    connect(cmdOK, &QPushButton::clicked, this, &ConnectForm::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ConnectForm::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &ConnectForm::cmdHelp_Click);
    link_.onProgress = [this](int value) {
        if (value <= PrgValue->maximum())
            PrgValue->setValue(value);
    };
}

ConnectForm::~ConnectForm()
{
    if (loaded_ && !unloaded_) {
        link_.Shutdown();
        EndExchange();
    }
}

bool ConnectForm::Load()
{
    if (!TryBeginExchange())
        return false;
    helpContextId_ = Core().link.TransferMode == TransferMode::Write ? 5200 : 5100;
    // F1 anywhere in the dialog opens the page its Help button names.
    setProperty(kHelpPageProperty, windowTitle() == LoadLangString(1186) ? QStringLiteral("readradio")
                                                                         : QStringLiteral("writeradio"));
    if (!link_.PortSetup()) {
        ShowPortOpenError(link_.openErrorText());
        EndExchange();
        workspace_.EnableMainWindow(true);
        return false;
    }
    link_.ClosePort();
    link_.StopSendTimer();
    link_.StopReplyTimer();
    TransferFinished = false;
    TransferRunning = false;
    loaded_ = true;
    return true;
}

void ConnectForm::cmdOK_Click()
{
    const auto direction =
        Core().link.TransferMode == TransferMode::Write ? RadioTransfer::Direction::Write : RadioTransfer::Direction::Read;
    if (!link_.PortSetup()) {
        // Nothing was sent: leave as if cancelled before the start.
        ShowPortOpenError(link_.openErrorText());
        TransferCancelled = true;
        done(QDialog::Rejected);
        return;
    }
    TransferWindow& window = *this;
    transfer_ = std::make_unique<RadioTransfer>(link_, window, direction, Core().image);
    link_.onBytes = [this](const QByteArray& reply) { transfer_->OnBytes(reply); };
    link_.onSendTimer = [this] { transfer_->OnSendTimer(); };
    link_.onReplyTimeout = [this] { transfer_->OnReplyTimeout(); };
    link_.onPortLost = [this](const QString& portName) { transfer_->OnPortLost(portName); };
    transfer_->Start();
    cmdOK->setEnabled(false);
    cmdCancel->setEnabled(false);
    cmdHelp->setEnabled(false);
    TransferRunning = true;
    TransferFinished = false;
}

// A box runs its own event loop: the questions are put once the input that
// asked has returned, and their answers are fed back.
void ConnectForm::AskReplyTimeout()
{
    link_.AskReplyTimeout([this] { transfer_->OnRetry(); }, [this] { transfer_->OnCancel(); });
}

void ConnectForm::AskOverwriteOtherModel()
{
    QTimer::singleShot(0, this, [this] { transfer_->OnOverwriteAnswer(zx::AskOverwriteOtherModel()); });
}

void ConnectForm::TransferCompleted(const RadioImage* received)
{
    TakeCompletedTransfer(Core(), received);
}

void ConnectForm::ReportCompleted()
{
    QTimer::singleShot(0, this, [this] {
        const bool read = transfer_->direction() == RadioTransfer::Direction::Read;
        ShowTransferCompleted(read);
        AfterCompletedTransfer(Core(), workspace_, read);
        transfer_->OnCompletionReported();
    });
}

void ConnectForm::ReportPortLost(const QString& portName, PortLoss loss)
{
    ShowPortLost(portName, loss);
}

void ConnectForm::TransferEnded(TransferOutcome outcome)
{
    if (outcome == TransferOutcome::Cancelled) {
        cmdOK->setEnabled(true);
        cmdCancel->setEnabled(true);
        cmdHelp->setEnabled(true);
    }
    TransferFinished = true;
    done(outcome == TransferOutcome::Completed ? QDialog::Accepted : QDialog::Rejected);
}

void ConnectForm::cmdCancel_Click()
{
    TransferCancelled = true;
    done(QDialog::Rejected);
}

void ConnectForm::cmdHelp_Click()
{
    workspace_.ShowHelpPage(windowTitle() == LoadLangString(1186) ? QStringLiteral("readradio.htm")
                                                                : QStringLiteral("writeradio.htm"));
}

void ConnectForm::closeEvent(QCloseEvent* event)
{
    // The transfer counts as finished as soon as its last byte is out (a
    // refused write closes the dialog only a little later).
    const bool finished = TransferFinished || (transfer_ && transfer_->TransferFinished());
    if (TransferRunning && !finished) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ConnectForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();  // neither button is the default or the cancel button
        return;
    case Qt::Key_F1:
        cmdHelp_Click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void ConnectForm::done(int result)
{
    if (!unloaded_)
        Unload();
    QDialog::done(result);
}

void ConnectForm::Unload()
{
    unloaded_ = true;
    link_.Shutdown();
    AfterTransferDialog(Core(), workspace_, TransferCancelled);
    TransferCancelled = false;
    if (loaded_)
        EndExchange();
    emit unloaded();
}

}  // namespace zx
