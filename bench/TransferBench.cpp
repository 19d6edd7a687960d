// Reads and writes the image against the radio simulator on a
// pseudo-terminal and prints the elapsed time of each next to the sum of the
// delays the exchange itself waits (its send delays and closing waits, got by
// running the same exchange on a virtual clock with an instant radio).
#include <cstdio>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include "core/AppCore.h"
#include "link/AfterTransfer.h"
#include "link/PortLink.h"
#include "link/RadioTransfer.h"
#include "sim/PtyRadio.h"
#include "sim/VirtualLink.h"

namespace {

using zx::RadioTransfer;

constexpr int kComPort = 20;

// Takes a read's image, answers every question No (a failed round shows as
// such) and calls `ended` at the end.
class BenchWindow : public zx::TransferWindow {
public:
    explicit BenchWindow(std::function<void(zx::TransferOutcome)> ended) : ended_(std::move(ended)) {}
    RadioTransfer* transfer = nullptr;

    void AskReplyTimeout() override { transfer->OnCancel(); }
    void AskOverwriteOtherModel() override { transfer->OnOverwriteAnswer(false); }
    void TransferCompleted(const zx::RadioImage* received) override { zx::TakeCompletedTransfer(zx::Core(), received); }
    void ReportCompleted() override { transfer->OnCompletionReported(); }
    void ReportPortLost(const QString&, zx::PortLoss) override {}
    void TransferEnded(zx::TransferOutcome outcome) override { ended_(outcome); }

private:
    std::function<void(zx::TransferOutcome)> ended_;
};

qint64 OwnWaits(RadioTransfer::Direction direction, const zx::test::RadioModel& model)
{
    zx::test::RadioModel radio = model;
    zx::test::VirtualLink link(radio);
    bool done = false;
    BenchWindow window([&](zx::TransferOutcome) { done = true; });
    RadioTransfer transfer(link, window, direction, zx::Core().image);
    window.transfer = &transfer;
    link.onBytes = [&](const QByteArray& b) { transfer.OnBytes(b); };
    link.onSendTimer = [&] { transfer.OnSendTimer(); };
    link.onReplyTimeout = [&] { transfer.OnReplyTimeout(); };
    transfer.Start();
    link.RunUntil([&] { return done; });
    return link.now();
}

double Measure(RadioTransfer::Direction direction, zx::test::PtyRadio& sim, bool* ok)
{
    zx::PortLink link;
    QEventLoop loop;
    RadioTransfer::Outcome outcome = RadioTransfer::Outcome::None;
    BenchWindow window([&](zx::TransferOutcome o) {
        outcome = o;
        loop.quit();
    });
    RadioTransfer transfer(link, window, direction, zx::Core().image);
    window.transfer = &transfer;
    link.onBytes = [&](const QByteArray& b) { transfer.OnBytes(b); };
    link.onSendTimer = [&] { transfer.OnSendTimer(); };
    link.onReplyTimeout = [&] { transfer.OnReplyTimeout(); };
    if (!link.PortSetup()) {
        std::fprintf(stderr, "%s\n", qPrintable(link.openErrorText()));
        *ok = false;
        return 0;
    }
    QElapsedTimer clock;
    clock.start();
    transfer.Start();
    loop.exec();
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    link.Shutdown();
    *ok = outcome == RadioTransfer::Outcome::Completed;
    (void)sim;
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    zx::AppCore core;

    zx::test::PtyRadio sim;
    if (!sim.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    sim.radio.FillPattern();
    sim.MapComPort(kComPort);
    core.link.ComPortNumber = kComPort;

    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    std::printf("%-6s %12s %12s %8s\n", "", "elapsed ms", "delays ms", "ratio");
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        for (auto direction : {RadioTransfer::Direction::Read, RadioTransfer::Direction::Write}) {
            const bool read = direction == RadioTransfer::Direction::Read;
            if (!read) {
                // Write what was read, to the radio's own model.
                sim.radio.identBand.reset();
                sim.radio.identVariant.reset();
            }
            const qint64 delays = OwnWaits(direction, sim.radio);
            bool ok = false;
            const double elapsed = Measure(direction, sim, &ok);
            failures += !ok;
            std::printf("%-6s %12.1f %12lld %8.3f%s\n", read ? "read" : "write", elapsed,
                        static_cast<long long>(delays), elapsed / static_cast<double>(delays),
                        ok ? "" : "  (failed)");
        }
    }
    return failures == 0 ? 0 : 1;
}
