#pragma once
// The radio's side of the programming protocol, byte by byte: it holds a
// 1024-byte memory, answers the wake-up, the identification request, the
// acknowledgements, read requests and write packets, and can be told to
// misbehave (stay silent, answer with a wrong byte, spoil a block's marker,
// report another band or variant).
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
        enum Kind { WakeUp, Ident, Ack, End, Read, Write } kind;
        int occurrence = 0;  // 1 for the first command of its kind
        int address = 0;     // read and write
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

    // Faults.
    int muteWakeUps = 0;           // this many wake-ups get no answer
    int badMarkerOnRead = 0;       // the n-th read request is answered 0x58 ...
    bool ackAfterEnd = true;       // acknowledge the end command
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

private:
    std::optional<QByteArray> Parse();
    QByteArray Reply(const Command& c);

    QByteArray pending_;
    bool awake_ = false;
    std::array<int, 6> counts_{};
};

}  // namespace zx::test
