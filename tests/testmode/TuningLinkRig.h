#pragma once
// A tuning dialog's link run against a scripted radio on a virtual clock:
// every command, lamp, shown value, port close, question and end is logged
// with its virtual time in milliseconds. The radio answers at once (or
// after `replyDelayMs`) with what `answer` gives for each command.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "core/RadioImage.h"
#include "core/TestModeState.h"
#include "testmode/TuningItems.h"
#include "testmode/TuningLink.h"
#include "testmode/TuningLinkIo.h"

namespace zx::test {

// "18 20 1D" -> the three bytes.
inline QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline std::string HexText(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

// The tuning block whose byte at position p is p, stored as the radio's
// Tune step stores it: the test values and TuningData 0x181-0x1AF; the rest
// of 0x180-0x1B7 holds EE.
inline void StoreIdentityBlock(RadioImage& image, TestModeState& testMode)
{
    for (int a = 0x180; a <= 0x1B7; ++a)
        image.set(a, 0xEE);
    struct Run {
        int firstPosition;
        std::vector<int> addresses;
    };
    const Run runs[] = {
        {2, {0x1A7, 0x1A6, 0x1A5, 0x1A4}},
        {7, {0x1A3, 0x1A2, 0x1A1, 0x1A0}},
        {12, {0x185, 0x184, 0x183, 0x182, 0x181}},
        {18, {0x18A, 0x189, 0x188, 0x187, 0x186}},
        {25, {0x192, 0x191, 0x190, 0x18F}},
        {30, {0x18E, 0x18D, 0x18C, 0x18B}},
        {35, {0x196, 0x195, 0x194, 0x193}},
        {40, {0x19A, 0x199, 0x198, 0x197}},
        {44, {0x19C, 0x19B}},
        {47, {0x19F, 0x19E, 0x19D}},
        {51, {0x1AB, 0x1AA, 0x1A9, 0x1A8}},
        {55, {0x1AC, 0x1AD, 0x1AE, 0x1AF}},
    };
    for (const Run& run : runs)
        for (std::size_t i = 0; i < run.addresses.size(); ++i)
            image.set(run.addresses[i], static_cast<std::uint8_t>(run.firstPosition + static_cast<int>(i)));
    testMode.TestValueSquelchOpen = 1;
    testMode.TestValueSquelchTight = 6;
    testMode.TestValueRfHighPower = 11;
    testMode.TestValueRfLowPower = 17;
    testMode.TestValueMaxDeviation = 24;
    testMode.TestValueDqtBalance = 29;
    testMode.TestValueQtFineDeviation = 34;
    testMode.TestValueDqtFineDeviation = 39;
    testMode.TestValueSensitivity = 46;
}

class TuningRig : public TuningLinkIo {
public:
    struct Entry {
        qint64 at;
        std::string what;  // "> 18 0D" for a command, else the output's name
    };

    RadioImage image;
    TestModeState testMode;
    TuningSetup setup;
    std::unique_ptr<TuningLink> link;

    // The radio: the reply to each command (empty: silence). By default 06
    // to everything, `readValueReply` to 07 and `measured` to a measure.
    std::function<QByteArray(const QByteArray&)> answer;
    // Empty: A0, A1, ... as many bytes as the dialog awaits.
    QByteArray readValueReply;
    std::deque<std::uint8_t> measured;
    int replyDelayMs = 0;

    bool portOpen = true;
    bool portOpenable = true;
    int clears = 0;
    int closeDoneCalls = 0;
    std::vector<Entry> log;

    TuningRig()
    {
        StoreIdentityBlock(image, testMode);
        testMode.TestChannelNo = 3;
        testMode.TestFreqList[0][2] = QStringLiteral("146.12500");
        testMode.TestFreqList[1][2] = QStringLiteral("146.15000");
        image.setModelBandCode(0x21);
    }

    // Builds the link of a dialog from the item tables.
    void Open(TuningSetup (*setupOf)(const TestModeState&, const RadioImage&), int tuneItem, bool narrow = false)
    {
        testMode.TuneItem = tuneItem;
        testMode.NarrowBandTest = narrow;
        testMode.LinkAborted = false;
        setup = setupOf(testMode, image);
        link = std::make_unique<TuningLink>(*this, setup.link, testMode);
    }

    qint64 now() const { return now_; }
    bool sendTimerArmed() const { return sendDue_.has_value(); }
    bool replyTimerArmed() const { return replyDue_.has_value(); }

    // Runs events until `done` holds, nothing is pending, or the virtual
    // time passes `untilMs`; true when `done` held.
    bool RunUntil(const std::function<bool()>& done, qint64 untilMs = 60000)
    {
        while (!done()) {
            std::optional<qint64> next;
            for (const Delivery& d : deliveries_)
                next = next ? std::min(*next, d.at) : d.at;
            for (const auto& due : {sendDue_, replyDue_})
                if (due && (!next || *due < *next))
                    next = due;
            if (!next || *next > untilMs)
                return false;
            now_ = std::max(now_, *next);
            auto first = std::min_element(deliveries_.begin(), deliveries_.end(),
                                          [](const Delivery& a, const Delivery& b) { return a.at < b.at; });
            if (first != deliveries_.end() && first->at <= now_) {
                const QByteArray bytes = first->bytes;
                deliveries_.erase(first);
                if (portOpen)
                    Arrive(bytes);
                continue;
            }
            if (sendDue_ && *sendDue_ <= now_) {
                sendDue_.reset();
                link->OnSendTimer();
                continue;
            }
            if (replyDue_ && *replyDue_ <= now_) {
                replyDue_.reset();
                link->OnReplyTimeout();
            }
        }
        return true;
    }
    // Runs until the link rests: the question is up, it has ended, or
    // nothing is pending.
    void Settle(qint64 untilMs = 60000)
    {
        RunUntil([this] { return link->waitingForAnswer() || link->CloseDone(); }, untilMs);
    }
    // Runs every event up to `ms` from now.
    void Advance(qint64 ms)
    {
        const qint64 until = now_ + ms;
        RunUntil([] { return false; }, until);
        now_ = std::max(now_, until);
    }

    // Bytes that arrive now, as if the radio had sent them unasked.
    void Arrive(const QByteArray& bytes)
    {
        input_ += bytes;
        if (expected_ > 0 && input_.size() >= expected_) {
            const QByteArray reply = input_.left(expected_);
            input_.remove(0, expected_);
            link->OnBytes(reply);
        }
    }

    // The commands sent, as hex text.
    std::vector<std::string> Sent() const
    {
        std::vector<std::string> out;
        for (const Entry& e : log)
            if (e.what.rfind("> ", 0) == 0)
                out.push_back(e.what.substr(2));
        return out;
    }
    // The commands sent with their times.
    std::vector<std::pair<qint64, std::string>> SentAt() const
    {
        std::vector<std::pair<qint64, std::string>> out;
        for (const Entry& e : log)
            if (e.what.rfind("> ", 0) == 0)
                out.emplace_back(e.at, e.what.substr(2));
        return out;
    }
    // The log entries [from, to), without times.
    std::vector<std::string> Log(std::size_t from = 0, std::size_t to = SIZE_MAX) const
    {
        std::vector<std::string> out;
        for (std::size_t i = from; i < log.size() && i < to; ++i)
            out.push_back(log[i].what);
        return out;
    }
    qint64 TimeOf(const std::string& what, std::size_t from = 0) const
    {
        for (std::size_t i = from; i < log.size(); ++i)
            if (log[i].what == what)
                return log[i].at;
        return -1;
    }
    int Count(const std::string& what) const
    {
        return static_cast<int>(
            std::count_if(log.begin(), log.end(), [&](const Entry& e) { return e.what == what; }));
    }

    // TuningLinkIo
    void Send(const QByteArray& bytes, int replyLength) override
    {
        if (!portOpen)
            Record("! sent on a closed port");
        expected_ = replyLength;
        Record("> " + HexText(bytes));
        const QByteArray reply = answer ? answer(bytes) : DefaultAnswer(bytes);
        if (!reply.isEmpty())
            deliveries_.push_back({now_ + replyDelayMs, reply});
    }
    void ArmSendTimer(int ms) override { sendDue_ = now_ + ms; }
    void StopSendTimer() override { sendDue_.reset(); }
    void ArmReplyTimer(int ms) override { replyDue_ = now_ + ms; }
    void StopReplyTimer() override { replyDue_.reset(); }
    void ClearBuffers() override
    {
        ++clears;
        input_.clear();
        deliveries_.clear();
        Record("clear buffers");
    }
    void DiscardInput() override { input_.clear(); }
    void ClosePort() override
    {
        portOpen = false;
        input_.clear();
        Record("close port");
    }
    void Progress(int) override {}
    bool EnsurePortOpen() override
    {
        if (!portOpen && portOpenable) {
            portOpen = true;
            Record("open port");
        }
        return portOpen;
    }
    void AskReplyTimeout() override { Record("ask"); }
    void ShowPttLamp(bool on) override { Record(on ? "lamp on" : "lamp off"); }
    void ShowPointValue(int point, std::uint8_t value) override
    {
        Record("show " + std::to_string(point) + ":" + std::to_string(value));
    }
    void ShowMeasuring(bool on) override { Record(on ? "marker on" : "marker off"); }
    void PortOpenFailed() override { Record("port failed"); }
    void ShowPortLost(const QString& portName) override { Record("port lost " + portName.toStdString()); }
    void CloseDone() override
    {
        ++closeDoneCalls;
        Record("close done");
    }

    QByteArray DefaultAnswer(const QByteArray& command)
    {
        if (command == Hex("07")) {
            if (!readValueReply.isEmpty())
                return readValueReply;
            QByteArray reply;
            for (int i = 0; i < link->config().readValueLength; ++i)
                reply.append(static_cast<char>(0xA0 + i));
            return reply;
        }
        if (command.size() == 2 && static_cast<std::uint8_t>(command[1]) == TuningLink::kMeasure) {
            if (measured.empty())
                return {};
            const std::uint8_t b = measured.front();
            measured.pop_front();
            return QByteArray(1, static_cast<char>(b));
        }
        return Hex("06");
    }

private:
    void Record(const std::string& what) { log.push_back({now_, what}); }

    struct Delivery {
        qint64 at;
        QByteArray bytes;
    };
    qint64 now_ = 0;
    std::optional<qint64> sendDue_;
    std::optional<qint64> replyDue_;
    std::vector<Delivery> deliveries_;
    QByteArray input_;
    int expected_ = 0;
};

}  // namespace zx::test
