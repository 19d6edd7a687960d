#pragma once
// The test window: chooses the radio's test channel and test signalling,
// switches the bandwidth, keys the transmitter, picks a tuning item and
// hands the radio to its tuning dialog, and takes the radio out of test
// mode when it closes. Each choice goes to the radio at once through the
// window's own exchange (TestModeLink) on its own port.
//
// A window of its own, shown modeless while the main window is disabled
// (never a child of it). It holds the exchange lock from the entry's success
// until its port is closed for good.
#include <functional>

#include <QByteArray>
#include <QWidget>

#include "link/PortLinkIo.h"
#include "testmode/TestModeLink.h"
#include "testmode/ui/TuningDialogFactories.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zx {

class Workspace;

class TestForm : public QWidget, private PortLinkIo<TestModeIo> {
    Q_OBJECT
public:
    // `storeTuningData` puts a Tune step's 62-byte block into the image's
    // tuning area and the test values. The window takes the exchange lock
    // over (taking it when it is free) and gives it back once closed.
    TestForm(Workspace& workspace, const TuningDialogFactories& dialogs,
             std::function<void(const QByteArray&)> storeTuningData);
    ~TestForm() override;

    // The opening: captions, the port tried, the lamps and lists filled, the
    // first listed test channel and signalling "1" chosen (the Channel step
    // follows 50 ms later). A port that cannot be opened is reported and the
    // window closes as after Cancel.
    void Form_Load();

    QGroupBox* frmTestChannel = nullptr;
    QLabel* lblChannelNo = nullptr;
    QComboBox* ComChannel = nullptr;
    QLabel* lblCHRx = nullptr;
    QLabel* LabRxFreq = nullptr;
    QLabel* PicChannelRx = nullptr;
    QLabel* lblCHTx = nullptr;
    QLabel* LabTxFreq = nullptr;
    QLabel* PicChannelTx = nullptr;
    QGroupBox* frmTestSignal = nullptr;
    QLabel* lblSignal = nullptr;
    QComboBox* ComSignal = nullptr;
    QLabel* lblSignalRx = nullptr;
    QLabel* LabRxSignal = nullptr;
    QLabel* PicSignalRx = nullptr;
    QLabel* lblSignalTx = nullptr;
    QLabel* LabTxSignal = nullptr;
    QLabel* PicSignalTx = nullptr;
    QPushButton* CmdPtt = nullptr;
    QLabel* PicPtt = nullptr;
    QPushButton* cmdWide = nullptr;
    QLabel* PicWide = nullptr;
    QPushButton* CmdNarrow = nullptr;
    QLabel* PicNarrow = nullptr;
    QListWidget* LvwTuneSel = nullptr;
    QPushButton* CmdTune = nullptr;
    // The tuning-data printout attaches itself to this button.
    QPushButton* CmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

    // User actions, as the controls run them.
    void ComChannel_Click();
    // `byUser` false for the opening's own choice of "1".
    void ComSignal_Click(bool byUser);
    void CmdPtt_Click();
    void cmdWide_Click();
    void CmdNarrow_Click();
    void LvwTuneSel_Click();
    void CmdTune_Click();
    void cmdClose_Click();

    // For the tuning-data printout: switches the transmitter off through
    // the Ptt step (08 0E, the receive lamps), and makes every control inert
    // while the printout runs. A link that ended meanwhile closes the window
    // once the printout is over.
    void SwitchPttOff();
    void SetPrintoutRunning(bool running);
    bool printoutRunning() const { return printoutRunning_; }

    TestModeLink& link() { return link_; }
    PortLink& port() { return port_; }
    // The picture a lamp or marker shows ("LampOff", "LampOn", "BandMarker").
    static QString PictureOf(const QLabel* picture);

signals:
    // The window has closed: its port is closed and the lock given back.
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetCaptions();
    void SetPicture(QLabel* picture, const QString& key);
    void SetControlsEnabled(bool enabled);
    void FinishClosing();
    void TuningDialogClosed();

    // TestModeIo, beyond the port and the timers
    void ClosePort() override;
    bool OpenPort() override;
    void ShowPortOpenError() override;
    void ShowPortLost(const QString& portName) override;
    void StoreTuningData(const QByteArray& block) override;
    void ShowLamps(bool transmit) override;
    void AskReplyTimeout() override;
    void SetWindowEnabled(bool enabled) override;
    void ShowTuningDialog(TuningDialog dialog) override;
    void LinkEnded(TestLinkEnd how) override;

    // Once the exit has started, or while the printout runs, the window's
    // controls start nothing.
    bool IgnoresActions() const;
    // The band marker beside the chosen bandwidth's button.
    void MoveBandMarker(QLabel* chosen, QLabel* other);

    Workspace& workspace_;
    const TuningDialogFactories& dialogs_;
    std::function<void(const QByteArray&)> storeTuningData_;
    TestModeLink link_;
    bool holdsLock_ = false;
    bool closed_ = false;
    bool tuneChosen_ = false;
    bool printoutRunning_ = false;
};

}  // namespace zx
