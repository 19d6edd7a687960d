#pragma once
// The radio simulator on a pseudo-terminal: the program opens slavePath()
// as its serial port (through ZX4100_COM<n>), the simulator answers on the
// master side from a RadioModel. Replies can be cut into pieces sent a few
// milliseconds apart.
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include "sim/RadioModel.h"

namespace zx {
class AppCore;
}

namespace zx::test {

class PtyRadio : public QObject {
    Q_OBJECT
public:
    explicit PtyRadio(QObject* parent = nullptr);
    ~PtyRadio() override;

    bool ok() const { return master_ >= 0; }
    // Milliseconds since the simulator was made: the clock of the radio's
    // command log.
    qint64 now() const { return clock_.elapsed(); }
    QString slavePath() const { return slavePath_; }
    // Points ZX4100_COM<comPort> at this simulator until it is destroyed.
    void MapComPort(int comPort);
    // The same, and makes comPort the port the program uses.
    void Attach(int comPort, AppCore& core);
    // Sends bytes of the test's own choosing, now or after delayMs (a late
    // reply, noise). Once written they are counted in injectsWritten() and
    // already waiting on the program's side of the line.
    void Inject(const QByteArray& bytes, int delayMs = 0);
    int injectsWritten() const { return injectsWritten_; }
    // Bytes waiting on the program's side of the line that its port has not
    // read yet.
    int unreadByProgram() const;
    // Closes the simulator's end of the line, as when a USB adapter is
    // pulled out: the program's side fails from then on.
    void HangUp();

    RadioModel radio;
    int splitChunk = 0;   // > 0: replies longer than this go out in pieces
    int pieceGapMs = 3;
    // > 0: the line is hung up when this command arrives, unanswered.
    int hangUpAtCommand = 0;

signals:
    void bytesReceived();

private:
    void OnReadable();
    void WriteOut(const QByteArray& bytes);
    void WriteInjected(const QByteArray& bytes);

    int master_ = -1;
    int slave_ = -1;
    int mappedPort_ = 0;
    QString slavePath_;
    QSocketNotifier* notifier_ = nullptr;
    qint64 nextPieceAt_ = 0;
    int injectsWritten_ = 0;
    QElapsedTimer clock_;
};

}  // namespace zx::test
