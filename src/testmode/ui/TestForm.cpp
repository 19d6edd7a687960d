#include "testmode/ui/TestForm.h"

#include <array>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "core/ui/AppIcons.h"
#include "core/ui/CloseRequest.h"
#include "link/ExchangeLock.h"
#include "link/LinkMessages.h"
#include "link/MainLinkMessages.h"
#include "link/ui/FormLabels.h"
#include "testmode/TestWindowRules.h"
#include "testmode/TuningItems.h"
#include "testmode/ui/TuningDataPrint.h"

namespace zx {

namespace {

constexpr int kTestWindowSlot = 6;
// After a tuning dialog has gone, the test window comes back this much later.
constexpr int kAfterTuningDialogMs = 30;
constexpr char kPictureProperty[] = "picture";

void SetHelpId(QWidget* w, int id)
{
    w->setProperty(kHelpContextIdProperty, id);
}

// A lamp or marker keeps its place in the layout while hidden.
QLabel* MakePicture(QWidget* parent, const char* name)
{
    QLabel* picture = NamedLabel(parent, name);
    picture->setFixedSize(16, 16);
    QSizePolicy policy = picture->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    picture->setSizePolicy(policy);
    return picture;
}

QPushButton* MakeButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QComboBox* MakeList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    return list;
}

// A group shows its chooser on top, then a receive and a transmit row of caption, value and lamp.
void LayOutChooserGroup(QGroupBox* group, QWidget* caption, QWidget* chooser,
                        const std::array<QWidget*, 3>& receiveRow, const std::array<QWidget*, 3>& transmitRow)
{
    auto* grid = new QGridLayout(group);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(chooser, 0, 1);
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(receiveRow[column], 1, column);
        grid->addWidget(transmitRow[column], 2, column);
    }
}

}  // namespace

TestForm::TestForm(Workspace& workspace, const TuningDialogFactories& dialogs,
                   std::function<void(const QByteArray&)> storeTuningData)
    : QWidget(nullptr, Qt::Window),
      workspace_(workspace),
      dialogs_(dialogs),
      storeTuningData_(std::move(storeTuningData)),
      link_(*this, Core().testMode)
{
    setObjectName(QStringLiteral("TestForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The lock the entry took passes to this window with the radio.
    TryBeginExchange();
    holdsLock_ = true;

    port_.onBytes = [this](const QByteArray& reply) { link_.OnBytes(reply); };
    port_.onSendTimer = [this] { link_.OnSendTimer(); };
    port_.onReplyTimeout = [this] { link_.OnReplyTimeout(); };
    port_.onPortLost = [this](const QString& portName) { link_.OnPortLost(portName); };

    BuildControls();
    AttachTuningDataPrint(*this);
}

TestForm::~TestForm()
{
    port_.Shutdown();
    if (holdsLock_)
        EndExchange();
}

void TestForm::BuildControls()
{
    setWindowIcon(WindowIcon());

    frmTestChannel = new QGroupBox(this);
    frmTestChannel->setObjectName(QStringLiteral("frmTestChannel"));
    lblChannelNo = NamedLabel(frmTestChannel, "lblChannelNo");
    ComChannel = MakeList(frmTestChannel, "ComChannel");
    lblCHRx = NamedLabel(frmTestChannel, "lblCHRx");
    LabRxFreq = SunkenValue(frmTestChannel, "LabRxFreq", 130);
    PicChannelRx = MakePicture(frmTestChannel, "PicChannelRx");
    lblCHTx = NamedLabel(frmTestChannel, "lblCHTx");
    LabTxFreq = SunkenValue(frmTestChannel, "LabTxFreq", 130);
    PicChannelTx = MakePicture(frmTestChannel, "PicChannelTx");
    LayOutChooserGroup(frmTestChannel, lblChannelNo, ComChannel, {lblCHRx, LabRxFreq, PicChannelRx},
                       {lblCHTx, LabTxFreq, PicChannelTx});

    frmTestSignal = new QGroupBox(this);
    frmTestSignal->setObjectName(QStringLiteral("frmTestSignal"));
    lblSignal = NamedLabel(frmTestSignal, "lblSignal");
    ComSignal = MakeList(frmTestSignal, "ComSignal");
    lblSignalRx = NamedLabel(frmTestSignal, "lblSignalRx");
    LabRxSignal = SunkenValue(frmTestSignal, "LabRxSignal", 130);
    PicSignalRx = MakePicture(frmTestSignal, "PicSignalRx");
    lblSignalTx = NamedLabel(frmTestSignal, "lblSignalTx");
    LabTxSignal = SunkenValue(frmTestSignal, "LabTxSignal", 130);
    PicSignalTx = MakePicture(frmTestSignal, "PicSignalTx");
    LayOutChooserGroup(frmTestSignal, lblSignal, ComSignal, {lblSignalRx, LabRxSignal, PicSignalRx},
                       {lblSignalTx, LabTxSignal, PicSignalTx});

    CmdPtt = MakeButton(this, "CmdPtt");
    PicPtt = MakePicture(this, "PicPtt");
    cmdWide = MakeButton(this, "cmdWide");
    PicWide = MakePicture(this, "PicWide");
    CmdNarrow = MakeButton(this, "CmdNarrow");
    PicNarrow = MakePicture(this, "PicNarrow");
    auto* keys = new QHBoxLayout;
    for (auto [button, picture] : {std::pair{CmdPtt, PicPtt}, {cmdWide, PicWide}, {CmdNarrow, PicNarrow}}) {
        keys->addWidget(button);
        keys->addWidget(picture);
        keys->addSpacing(12);
    }
    keys->addStretch(1);

    LvwTuneSel = new QListWidget(this);
    LvwTuneSel->setObjectName(QStringLiteral("LvwTuneSel"));
    LvwTuneSel->setSelectionMode(QAbstractItemView::SingleSelection);
    CmdTune = MakeButton(this, "CmdTune");
    CmdPrint = MakeButton(this, "CmdPrint");
    cmdClose = MakeButton(this, "cmdClose");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CmdTune);
    buttons->addWidget(CmdPrint);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* frames = new QHBoxLayout;
    frames->addWidget(frmTestChannel);
    frames->addWidget(frmTestSignal);
    auto* tuning = new QHBoxLayout;
    tuning->addWidget(LvwTuneSel, 1);
    tuning->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(keys);
    layout->addLayout(tuning);

    SetHelpId(ComChannel, 5301);
    SetHelpId(ComSignal, 5302);
    SetHelpId(cmdWide, 5318);
    SetHelpId(CmdNarrow, 5318);
    SetHelpId(CmdPtt, 5319);
    SetHelpId(CmdTune, 5320);
    SetHelpId(cmdClose, 5321);
    SetHelpId(CmdPrint, 5322);

    // User-only signals: the opening makes its own choices and runs the
    // handlers itself.
    connect(ComChannel, &QComboBox::activated, this, [this] { ComChannel_Click(); });
    connect(ComSignal, &QComboBox::activated, this, [this] { ComSignal_Click(true); });
    connect(CmdPtt, &QPushButton::clicked, this, [this] { CmdPtt_Click(); });
    connect(cmdWide, &QPushButton::clicked, this, [this] { cmdWide_Click(); });
    connect(CmdNarrow, &QPushButton::clicked, this, [this] { CmdNarrow_Click(); });
    connect(LvwTuneSel, &QListWidget::itemClicked, this, [this] { LvwTuneSel_Click(); });
    connect(LvwTuneSel, &QListWidget::itemSelectionChanged, this, [this] { LvwTuneSel_Click(); });
    connect(LvwTuneSel, &QListWidget::itemDoubleClicked, this, [this] { CmdTune_Click(); });
    connect(CmdTune, &QPushButton::clicked, this, [this] { CmdTune_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void TestForm::SetCaptions()
{
    setWindowTitle(LoadLangString(1197));
    frmTestChannel->setTitle(LoadLangString(1198));
    frmTestSignal->setTitle(LoadLangString(1199));
    lblChannelNo->setText(LoadLangString(1200));
    lblSignal->setText(LoadLangString(1201));
    lblCHRx->setText(LoadLangString(1202));
    lblSignalRx->setText(LoadLangString(1202));
    lblCHTx->setText(LoadLangString(1203));
    lblSignalTx->setText(LoadLangString(1203));
    CmdPtt->setText(QStringLiteral("PTT"));
    cmdWide->setText(LoadLangString(1204));
    CmdNarrow->setText(LoadLangString(1205));
    CmdTune->setText(LoadLangString(1206));
    CmdPrint->setText(LoadLangString(1207));
    cmdClose->setText(LoadLangString(1075));
}

void TestForm::SetPicture(QLabel* picture, const QString& key)
{
    picture->setPixmap(BitmapPicture(key));
    picture->setProperty(kPictureProperty, key);
}

QString TestForm::PictureOf(const QLabel* picture)
{
    return picture->property(kPictureProperty).toString();
}

void TestForm::Form_Load()
{
    SetCaptions();
    // Cleared flags and the port tried once; the Channel step is armed.
    if (!link_.Open())
        return;

    ShowLamps(false);
    PicNarrow->hide();
    SetPicture(PicWide, QStringLiteral("BandMarker"));
    SetPicture(PicNarrow, QStringLiteral("BandMarker"));
    PicWide->show();

    LvwTuneSel->clear();
    {
        const QSignalBlocker block(LvwTuneSel);
        for (int item = 1; item <= kTuningItemCount; ++item)
            LvwTuneSel->addItem(LoadLangString(TuningItemTextId(item)));
        LvwTuneSel->setCurrentRow(-1);
    }
    // All fifteen items in view, without scrolling.
    LvwTuneSel->setMinimumHeight(LvwTuneSel->sizeHintForRow(0) * kTuningItemCount + 2 * LvwTuneSel->frameWidth() + 2);

    const TestModeState& state = Core().testMode;
    const std::vector<int> channels = ListedTestChannels(state);
    ComChannel->clear();
    if (!channels.empty()) {
        for (int n : channels)
            ComChannel->addItem(QString::number(n));
        ComChannel->setCurrentIndex(0);
        ComChannel_Click();
    } else {
        ComChannel->addItem(QStringLiteral("1"));
        ComChannel->setCurrentIndex(0);
        ComChannel_Click();
        LabRxFreq->setText(kNoTestChannelRxText);
        LabTxFreq->setText(LoadLangString(1077));
    }

    ComSignal->clear();
    for (int s = 1; s <= 9; ++s)
        ComSignal->addItem(QString::number(s));
    ComSignal->setCurrentIndex(0);
    ComSignal_Click(false);

    CmdTune->setEnabled(false);
    tuneChosen_ = false;
}

void TestForm::ComChannel_Click()
{
    if (IgnoresActions())
        return;
    const int n = ComChannel->currentText().toInt();
    if (n < 1 || n > kTestChannels)
        return;
    link_.ChooseChannel(n);
    const TestModeState& state = Core().testMode;
    LabRxFreq->setText(FrequencyLabel(state.TestFreqList[0][static_cast<std::size_t>(n - 1)]));
    LabTxFreq->setText(FrequencyLabel(state.TestFreqList[1][static_cast<std::size_t>(n - 1)]));
}

void TestForm::ComSignal_Click(bool byUser)
{
    if (IgnoresActions())
        return;
    const int s = ComSignal->currentIndex() + 1;
    if (s < 1)
        return;
    link_.ChooseSignal(s, byUser);
    const SignalLabelIds ids = TestSignalLabels(s);
    LabRxSignal->setText(LoadLangString(ids.rx));
    LabTxSignal->setText(LoadLangString(ids.tx));
}

bool TestForm::IgnoresActions() const
{
    return printoutRunning_ || link_.exiting();
}

void TestForm::MoveBandMarker(QLabel* chosen, QLabel* other)
{
    SetPicture(chosen, QStringLiteral("BandMarker"));
    chosen->show();
    other->hide();
}

void TestForm::CmdPtt_Click()
{
    if (IgnoresActions())
        return;
    link_.PressPtt();
}

void TestForm::cmdWide_Click()
{
    if (IgnoresActions())
        return;
    link_.PressWide();
    MoveBandMarker(PicWide, PicNarrow);
}

void TestForm::CmdNarrow_Click()
{
    if (IgnoresActions())
        return;
    link_.PressNarrow();
    MoveBandMarker(PicNarrow, PicWide);
}

void TestForm::LvwTuneSel_Click()
{
    if (IgnoresActions())
        return;
    const QList<QListWidgetItem*> selected = LvwTuneSel->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = LvwTuneSel->row(selected.first());
    Core().testMode.TuneItem = row + 1;
    tuneChosen_ = true;
    CmdTune->setEnabled(true);
}

void TestForm::CmdTune_Click()
{
    if (IgnoresActions() || !tuneChosen_)
        return;
    link_.PressTune();
}

void TestForm::cmdClose_Click()
{
    if (printoutRunning_ || link_.waitingForAnswer())
        return;
    // The main window comes back at once; the exchange lock keeps its
    // commands that use the radio refused until this window's port is closed.
    workspace_.EnableMainWindow(true);
    close();
}

void TestForm::SwitchPttOff()
{
    link_.SwitchPttOff();
}

void TestForm::SetPrintoutRunning(bool running)
{
    printoutRunning_ = running;
    if (!running && link_.ended()) {
        // The link ended under the printout (Cancel at a time-out, a lost
        // port): the close it asked for was held back until now.
        close();
        return;
    }
    if (!link_.exiting())
        SetControlsEnabled(!running);
}

void TestForm::SetControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ComChannel, ComSignal, CmdPtt, cmdWide, CmdNarrow, LvwTuneSel,
                                                      CmdPrint, cmdClose})
        w->setEnabled(enabled);
    CmdTune->setEnabled(enabled && tuneChosen_);
}

void TestForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Core().windowSlots.CheckWindowSlot(kTestWindowSlot);
    QWidget::changeEvent(event);
}

void TestForm::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    // Disabled while a tuning dialog holds the radio and the port: the exit
    // step would take the port from under it. While the time-out question
    // is up (from the reply time-out on, before its box shows) the answer
    // still belongs to the running step: no exit could start, and the
    // controls would go grey for nothing. An ended link's own close goes on.
    if (!link_.ended() && (CloseRequestRefused(*this) || link_.waitingForAnswer())) {
        event->ignore();
        return;
    }
    if (printoutRunning_) {
        event->ignore();
        return;
    }
    if (!link_.ended() && !Core().testMode.LinkAborted) {
        // The radio leaves test mode first; the window closes once 45 is
        // out (or the exit is given up).
        if (!link_.exiting()) {
            SetControlsEnabled(false);
            link_.StartExit();
        }
        event->ignore();
        return;
    }
    FinishClosing();
    event->accept();
}

void TestForm::FinishClosing()
{
    if (closed_)
        return;
    closed_ = true;
    port_.Shutdown();
    workspace_.EnableMainWindow(true);
    if (holdsLock_) {
        holdsLock_ = false;
        EndExchange();
    }
    emit unloaded();
}

void TestForm::TuningDialogClosed()
{
    Core().testMode.LinkAborted = false;
    QTimer::singleShot(kAfterTuningDialogMs, this, [this] { setEnabled(true); });
}

// TestModeIo

void TestForm::ClosePort()
{
    // The end command must reach the radio before the port goes.
    port_.port().flushOutput();
    port_.ClosePort();
}

bool TestForm::OpenPort()
{
    if (port_.port().isOpen())
        return true;
    return port_.PortSetup();
}

void TestForm::ShowPortOpenError()
{
    zx::ShowPortOpenError(port_.openErrorText());
}

void TestForm::ShowPortLost(const QString& portName)
{
    ShowMainLinkPortLost(portName);
}

void TestForm::StoreTuningData(const QByteArray& block)
{
    if (storeTuningData_)
        storeTuningData_(block);
}

void TestForm::ShowLamps(bool transmit)
{
    const QString lamp = transmit ? QStringLiteral("LampOn") : QStringLiteral("LampOff");
    SetPicture(PicPtt, lamp);
    for (QLabel* rx : {PicChannelRx, PicSignalRx}) {
        SetPicture(rx, QStringLiteral("LampOff"));
        rx->setVisible(!transmit);
    }
    for (QLabel* tx : {PicChannelTx, PicSignalTx}) {
        SetPicture(tx, QStringLiteral("LampOn"));
        tx->setVisible(transmit);
    }
}

void TestForm::AskReplyTimeout()
{
    port_.AskReplyTimeout([this] { link_.OnRetry(); }, [this] { link_.OnCancel(); });
}

void TestForm::SetWindowEnabled(bool enabled)
{
    setEnabled(enabled);
}

void TestForm::ShowTuningDialog(TuningDialog dialog)
{
    TuningHandOver handOver;
    handOver.testWindow = this;
    QPointer<TestForm> self(this);
    handOver.closed = [self] {
        if (self)
            self->TuningDialogClosed();
    };
    const TuningDialogFactory& factory = dialogs_.For(dialog);
    if (factory)
        factory(handOver);
    else
        handOver.closed();
}

void TestForm::LinkEnded(TestLinkEnd)
{
    // Called from inside the exchange: the window closes once it has
    // returned.
    QTimer::singleShot(0, this, [this] { close(); });
}

}  // namespace zx
