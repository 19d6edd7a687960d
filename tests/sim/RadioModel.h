#pragma once
// The radio's side of the programming protocol, byte by byte: it holds a
// 1024-byte memory, answers the wake-up, the identification request, the
// acknowledgements, read requests and write packets, the radio-information
// requests ("NRK", then 0x50) and the test-mode entry ("TUNING ", the tuning
// block 0x05, the test channels 0x10 n), and can be told to misbehave (stay
// silent, answer with a wrong byte, spoil a block's marker, report another
// band, variant or model letter, answer 0x50 short). Anything else it
// receives (the port probe's "ATI1") is dropped as noise.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>

namespace zx::test {

class RadioModel {
public:
    struct Command {
        enum Kind {
            WakeUp, Ident, Ack, End, Read, Write,
            // Radio information and the test-mode entry.
            TestModeWakeUp, InfoRequest, SecondInfo, TuningRequest, TestChannel,
            kKindCount
        } kind;
        int occurrence = 0;  // 1 for the first command of its kind
        int address = 0;     // read and write; the channel n of a test channel
        QByteArray raw;
    };

    RadioModel();

    std::array<std::uint8_t, 1024> memory{};
    // Byte i = i mod 251, whose identification is its bytes 0x1B8-0x1BF.
    void FillPattern();

    // The identification the radio reports: its memory 0x1B8-0x1BF, with the
    // band (byte 6) and variant (byte 7) replaced when set.
    std::optional<std::uint8_t> identBand;
    std::optional<std::uint8_t> identVariant;
    QByteArray Ident() const;

    // The 34-byte answer to "NRK": byte k (from 1) = k, with the serial
    // number "ABC1234" at bytes 2-8, "X" at 14 and "56789012" at 18-25.
    QByteArray radioInfo;
    // The 62-byte tuning block (byte k from 1 = k + 0x40) and the radio's own
    // 16 test frequencies (8 bytes each, all FF: empty).
    QByteArray tuningBlock;
    std::array<QByteArray, 16> testTable;

    // Faults.
    int muteWakeUps = 0;           // this many wake-ups get no answer
    int badMarkerOnRead = 0;       // the n-th read request is answered 0x58 ...
    bool ackAfterEnd = true;       // acknowledge the end command
    std::optional<std::uint8_t> identModelLetter;  // replaces the identification's first byte
    int secondInfoLength = 10;     // the length of the answer to 0x50
    // Last word on each reply: given the command and the normal reply, the
    // reply to send (empty = silence).
    std::function<QByteArray(const Command&, const QByteArray&)> replyFilter;

    // Everything received, in order, and the commands understood.
    QByteArray received;
    std::vector<Command> log;
    int count(Command::Kind kind) const;

    // Takes received bytes; returns the replies to send, in order.
    std::vector<QByteArray> Feed(const QByteArray& bytes);

    bool awake() const { return awake_; }
    bool inTestMode() const { return testMode_; }

private:
    std::optional<QByteArray> Parse();
    QByteArray Reply(const Command& c);

    QByteArray pending_;
    bool awake_ = false;
    bool testMode_ = false;
    // "NRK" was the last command; then its answer was acknowledged: a 'P'
    // now is the second information request, not the start of "PROGRAM".
    bool infoAnswered_ = false;
    bool secondInfoNext_ = false;
    std::array<int, Command::kKindCount> counts_{};
};

}  // namespace zx::test
