#pragma once
// The radio's side of the programming protocol, byte by byte: it holds a
// 1024-byte memory, answers the wake-up, the identification request, the
// acknowledgements, read requests and write packets, the radio-information
// requests ("NRK", then 0x50) and the test-mode entry ("TUNING ", the tuning
// block 0x05, the test channels 0x10 n), and can be told to misbehave (stay
// silent, answer with a wrong byte, spoil a block's marker, report another
// band, variant or model letter, answer 0x50 short). Anything else it
// receives (the port probe's "ATI1") is dropped as noise.
//
// In test mode (after "TUNING ") it also knows the test window's and the
// tuning dialogs' commands: the test signal 11 s, PTT 08 0D / 08 0E, wide 46
// and narrow 47, the item commands [code, 0D] enter, [code, 0E] store,
// [code, 0F], [code, 20, v] set value and [code, 0A] measure, and the value
// request 07. It keeps a live and a stored value per code: 20 v sets the
// live value, 0E stores it, 0A answers it as one byte; 07 answers the live
// values of the entered item's points in tab order (six after a code of the
// power items was entered, else four).
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
            // Test mode.
            TestSignal, Ptt, Wide, Narrow, ReadValue, Item,
            kKindCount
        } kind;
        int occurrence = 0;  // 1 for the first command of its kind
        // Read and write: the address; a test channel n or test signal s:
        // its number; an item command: its code.
        int address = 0;
        QByteArray raw;
        // An item command: its action (0D, 0E, 0F, 20, 0A) and for 20 its
        // value; PTT: 0D on, 0E off.
        int action = 0;
        int value = 0;
        // When it came, by `clock` (-1 without one).
        qint64 at = -1;
    };

    // Item command actions.
    static constexpr int kEnter = 0x0D;
    static constexpr int kStore = 0x0E;
    static constexpr int kActionF = 0x0F;
    static constexpr int kSetValue = 0x20;
    static constexpr int kMeasure = 0x0A;

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
    // The commands of one kind, in order.
    std::vector<Command> commands(Command::Kind kind) const;
    // Milliseconds for the log's times; the pty simulator and the virtual
    // link set it.
    std::function<qint64()> clock;

    // Test mode: the value of each code as the radio uses it (live) and as
    // it keeps it (stored). Both start at 0x80.
    std::array<std::uint8_t, 256> liveValue{};
    std::array<std::uint8_t, 256> storedValue{};
    // The last code entered with [code, 0D] (-1: none since "TUNING ").
    int enteredCode = -1;
    bool pttOn = false;
    bool narrow = false;
    int testSignal = 0;   // the last s of 11 s
    int testChannel = 0;  // the last n of 10 n
    // The codes of the item (in tab order) that 07 answers for: the row of
    // the entered code, or the entered code alone.
    static std::vector<int> PointCodes(int code);

    // Takes received bytes; returns the replies to send, in order.
    std::vector<QByteArray> Feed(const QByteArray& bytes);

    bool awake() const { return awake_; }
    bool inTestMode() const { return testMode_; }

private:
    std::optional<QByteArray> Parse();
    // A test-mode command at the head of pending_: false when b0 starts
    // none; else true, with c.kind set once it is complete.
    bool ParseTestModeCommand(std::uint8_t b0, Command& c, qsizetype& length);
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
