#include "sim/RadioModel.h"

namespace zx::test {

namespace {
const QByteArray kWake = QByteArrayLiteral("PROGRAM");
}

RadioModel::RadioModel()
{
    memory.fill(0xFF);
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
        if (pending_.size() < kWake.size()) {
            if (!kWake.startsWith(pending_))
                pending_.remove(0, 1);
            return std::nullopt;
        }
        if (!pending_.startsWith(kWake)) {
            pending_.remove(0, 1);
            return std::nullopt;
        }
        c.kind = Command::WakeUp;
        length = kWake.size();
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
    pending_.remove(0, length);
    if (c.kind == Command::Read || c.kind == Command::Write)
        c.address = (static_cast<std::uint8_t>(c.raw[1]) << 8) | static_cast<std::uint8_t>(c.raw[2]);
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
    if (c.kind == Command::WakeUp) {
        if (muteWakeUps > 0) {
            --muteWakeUps;
            return {};
        }
        awake_ = true;
        return ack;
    }
    if (!awake_)
        return {};  // asleep: only the wake-up is understood
    switch (c.kind) {
    case Command::Ident:
        return Ident();
    case Command::Ack:
        return ack;
    case Command::End:
        awake_ = false;
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
