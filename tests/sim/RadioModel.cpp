#include "sim/RadioModel.h"

#include <algorithm>

namespace zx::test {

namespace {
const QByteArray kWake = QByteArrayLiteral("PROGRAM");
const QByteArray kTestWake = QByteArrayLiteral("TUNING ");
const QByteArray kInfoRequest = QByteArrayLiteral("NRK");

// True once the text command is all at the head of `pending`; a head that
// cannot become it loses its first byte (noise).
bool TextCommandAt(QByteArray& pending, const QByteArray& text)
{
    const qsizetype n = std::min(pending.size(), text.size());
    if (pending.left(n) != text.left(n)) {
        pending.remove(0, 1);
        return false;
    }
    return n == text.size();
}
}  // namespace

RadioModel::RadioModel()
{
    memory.fill(0xFF);
    radioInfo.resize(34);
    for (int k = 1; k <= 34; ++k)
        radioInfo[k - 1] = static_cast<char>(k);
    radioInfo.replace(1, 7, "ABC1234");
    radioInfo[13] = 'X';
    radioInfo.replace(17, 8, "56789012");
    tuningBlock.resize(62);
    for (int k = 1; k <= 62; ++k)
        tuningBlock[k - 1] = static_cast<char>(k + 0x40);
    testTable.fill(QByteArray(8, '\xFF'));
}

void RadioModel::FillPattern()
{
    for (int i = 0; i < 1024; ++i)
        memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 251);
}

QByteArray RadioModel::Ident() const
{
    QByteArray id(reinterpret_cast<const char*>(memory.data()) + 0x1B8, 8);
    if (identBand)
        id[5] = static_cast<char>(*identBand);
    if (identVariant)
        id[6] = static_cast<char>(*identVariant);
    return id;
}

int RadioModel::count(Command::Kind kind) const
{
    int n = 0;
    for (const Command& c : log)
        n += c.kind == kind;
    return n;
}

std::vector<QByteArray> RadioModel::Feed(const QByteArray& bytes)
{
    received += bytes;
    pending_ += bytes;
    std::vector<QByteArray> replies;
    while (!pending_.isEmpty()) {
        const qsizetype before = pending_.size();
        std::optional<QByteArray> reply = Parse();
        if (reply && !reply->isEmpty())
            replies.push_back(*reply);
        if (pending_.size() == before)
            break;  // an incomplete command: wait for more bytes
    }
    return replies;
}

std::optional<QByteArray> RadioModel::Parse()
{
    const auto b0 = static_cast<std::uint8_t>(pending_[0]);
    Command c{Command::Ack, 0, 0, {}};
    qsizetype length = 1;
    switch (b0) {
    case 'P':
        // After "NRK" and its acknowledgement a lone 'P' is the second
        // information request; "PR..." is always a wake-up.
        if (awake_ && secondInfoNext_ && !pending_.startsWith("PR")) {
            c.kind = Command::SecondInfo;
            break;
        }
        if (!TextCommandAt(pending_, kWake))
            return std::nullopt;
        c.kind = Command::WakeUp;
        length = kWake.size();
        break;
    case 'T':
        if (!TextCommandAt(pending_, kTestWake))
            return std::nullopt;
        c.kind = Command::TestModeWakeUp;
        length = kTestWake.size();
        break;
    case 'N':
        if (!TextCommandAt(pending_, kInfoRequest))
            return std::nullopt;
        c.kind = Command::InfoRequest;
        length = kInfoRequest.size();
        break;
    case 0x05: c.kind = Command::TuningRequest; break;
    case 0x10:
        if (pending_.size() < 2)
            return std::nullopt;
        c.kind = Command::TestChannel;
        length = 2;
        break;
    case 0x02: c.kind = Command::Ident; break;
    case 0x06: c.kind = Command::Ack; break;
    case 0x45: c.kind = Command::End; break;
    case 0x52:
        if (pending_.size() < 4)
            return std::nullopt;
        c.kind = Command::Read;
        length = 4;
        break;
    case 0x57: {
        if (pending_.size() < 4)
            return std::nullopt;
        length = 4 + static_cast<std::uint8_t>(pending_[3]);
        if (pending_.size() < length)
            return std::nullopt;
        c.kind = Command::Write;
        break;
    }
    default:
        pending_.remove(0, 1);  // noise
        return std::nullopt;
    }
    c.raw = pending_.left(length);
    // The second information request may follow only "NRK" and the
    // acknowledgement of its answer.
    secondInfoNext_ = c.kind == Command::Ack && infoAnswered_;
    if (c.kind != Command::InfoRequest)
        infoAnswered_ = false;
    pending_.remove(0, length);
    if (c.kind == Command::Read || c.kind == Command::Write)
        c.address = (static_cast<std::uint8_t>(c.raw[1]) << 8) | static_cast<std::uint8_t>(c.raw[2]);
    if (c.kind == Command::TestChannel)
        c.address = static_cast<std::uint8_t>(c.raw[1]);
    c.occurrence = ++counts_[static_cast<std::size_t>(c.kind)];
    log.push_back(c);
    QByteArray reply = Reply(c);
    if (replyFilter)
        reply = replyFilter(c, reply);
    return reply;
}

QByteArray RadioModel::Reply(const Command& c)
{
    const QByteArray ack(1, '\x06');
    if (c.kind == Command::WakeUp || c.kind == Command::TestModeWakeUp) {
        if (muteWakeUps > 0) {
            --muteWakeUps;
            return {};
        }
        awake_ = true;
        testMode_ = c.kind == Command::TestModeWakeUp;
        return ack;
    }
    if (!awake_)
        return {};  // asleep: only the wake-ups are understood
    switch (c.kind) {
    case Command::Ident: {
        QByteArray id = Ident();
        if (identModelLetter)
            id[0] = static_cast<char>(*identModelLetter);
        return id;
    }
    case Command::InfoRequest:
        infoAnswered_ = true;
        return radioInfo;
    case Command::SecondInfo: {
        QByteArray r(secondInfoLength, '\0');
        for (int i = 0; i < secondInfoLength; ++i)
            r[i] = static_cast<char>(0x30 + i);
        return r;
    }
    case Command::TuningRequest:
        return testMode_ ? tuningBlock : QByteArray();
    case Command::TestChannel:
        if (!testMode_ || c.address < 1 || c.address > 16)
            return {};
        return testTable[static_cast<std::size_t>(c.address - 1)];
    case Command::Ack:
        return ack;
    case Command::End:
        awake_ = false;
        testMode_ = false;
        return ackAfterEnd ? ack : QByteArray();
    case Command::Read: {
        QByteArray r;
        r.append(c.occurrence == badMarkerOnRead ? '\x58' : '\x57');
        r.append(c.raw.mid(1, 3));
        for (int i = 0; i < 64; ++i)
            r.append(static_cast<char>(memory[static_cast<std::size_t>((c.address + i) & 0x3FF)]));
        return r;
    }
    case Command::Write: {
        const int n = static_cast<std::uint8_t>(c.raw[3]);
        for (int i = 0; i < n; ++i)
            memory[static_cast<std::size_t>((c.address + i) & 0x3FF)] = static_cast<std::uint8_t>(c.raw[4 + i]);
        return ack;
    }
    default:
        return {};
    }
}

}  // namespace zx::test
