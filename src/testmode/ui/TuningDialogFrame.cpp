#include "testmode/ui/TuningDialogFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "core/AppCore.h"
#include "core/StringTable.h"
#include "core/ui/AppIcons.h"
#include "link/LinkMessages.h"
#include "link/MainLinkMessages.h"
#include "platform/ui/OwnedWindow.h"

namespace zx {

TuningDialogFrame::TuningDialogFrame(const TuningHandOver& handOver, TuningSetup setup, const char* name)
    : QDialog(nullptr), setup_(std::move(setup)), handOver_(handOver)
{
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(WindowIcon());
    setWindowTitle(setup_.captionId != 0 ? LoadLangString(setup_.captionId) : QString());

    TuningLinkIo& io = *this;
    link_ = std::make_unique<TuningLink>(io, setup_.link, Core().testMode);
    port_.onBytes = [this](const QByteArray& reply) { link_->OnBytes(reply); };
    port_.onSendTimer = [this] {
        const QPointer<TuningDialogFrame> self(this);
        link_->OnSendTimer();
        // The end of the measuring pause starts what was pressed during it:
        // a close begun there greys the controls as one begun at once does.
        if (self)
            AfterAction();
    };
    port_.onReplyTimeout = [this] { link_->OnReplyTimeout(); };
    port_.onPortLost = [this](const QString& portName) { link_->OnPortLost(portName); };

    cmdOK = new QPushButton(LoadLangString(kCaptionOk), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(LoadLangString(kCaptionCancel), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdOK, cmdCancel})
        b->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        link_->Ok();
        AfterAction();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        link_->Cancel();
        AfterAction();
    });
}

TuningDialogFrame::~TuningDialogFrame()
{
    port_.Shutdown();
    // The test window takes the radio back.
    if (handOver_.closed)
        handOver_.closed();
}

void TuningDialogFrame::Load()
{
    KeepAboveOwner(*this, handOver_.testWindow);
    show();
    raise();
    activateWindow();
    if (port_.PortSetup())
        return;
    ShowPortOpenError(port_.openErrorText());
    done_ = true;
    CloseSoon();
}

QLabel* TuningDialogFrame::MakeLamp(const char* name)
{
    auto* lamp = new QLabel(this);
    lamp->setObjectName(QString::fromLatin1(name));
    lamp->setFixedSize(BitmapPicture(QStringLiteral("LampOff")).size());
    SetLamp(lamp, false);
    return lamp;
}

void TuningDialogFrame::SetLamp(QLabel* lamp, bool on)
{
    lamp->setPixmap(BitmapPicture(on ? QStringLiteral("LampOn") : QStringLiteral("LampOff")));
    lamp->setProperty("lampOn", on);
}

void TuningDialogFrame::AfterAction()
{
    if (link_->closing())
        SetControlsEnabled(false);
}

void TuningDialogFrame::closeEvent(QCloseEvent* event)
{
    // The dialog stays while its question box is up: the box's answer
    // still goes to it.
    if (port_.questionUp()) {
        event->ignore();
        return;
    }
    if (done_) {
        event->accept();
        return;
    }
    // The closing exchange runs first (at most one: the link ignores a
    // close while its exchange runs); CloseDone closes the window.
    event->ignore();
    link_->Close();
    AfterAction();
}

void TuningDialogFrame::reject()
{
    close();
}

void TuningDialogFrame::CloseSoon()
{
    QTimer::singleShot(0, this, [this] { close(); });
}

void TuningDialogFrame::ShowPortLost(const QString& portName)
{
    ShowMainLinkPortLost(portName);
}

bool TuningDialogFrame::EnsurePortOpen()
{
    CommPort& port = port_.port();
    if (port.isOpen())
        return true;
    if (port.isLost())
        return false;
    return port.open();
}

void TuningDialogFrame::AskReplyTimeout()
{
    port_.AskReplyTimeout(
        [this] {
            link_->OnRetry();
            AfterAction();
        },
        [this] {
            link_->OnCancel();
            AfterAction();
        });
}

void TuningDialogFrame::PortOpenFailed()
{
    ShowPortOpenError(port_.openErrorText());
}

void TuningDialogFrame::CloseDone()
{
    done_ = true;
    SetControlsEnabled(false);
    CloseSoon();
}

}  // namespace zx
