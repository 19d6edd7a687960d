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

// The tuning items' codes in tab order: the power items (Test, Low, Low',
// Center, High', High) and the band-point items (Test, Low, Center, High).
const std::vector<std::vector<int>> kPointRows = {
    {0x12, 0x30, 0x33, 0x31, 0x34, 0x32},
    {0x14, 0x60, 0x63, 0x61, 0x64, 0x62},
    {0x18, 0x65, 0x66, 0x67},
    {0x17, 0x24, 0x25, 0x26},
    {0x19, 0x6A, 0x6B, 0x6C},
    {0x1A, 0x6F, 0x70, 0x71},
    {0x1F, 0x35, 0x36, 0x37},
    {0x0D, 0x75, 0x76, 0x77},
    {0x0C, 0x72, 0x73, 0x74},
};
// The items without band points: DTMF and MSK fine deviation, the measured
// items.
const std::vector<int> kSingleCodes = {0x1D, 0x1B, 0x1C, 0x21, 0x23, 0x22};

bool IsItemCode(int code)
{
    for (const auto& row : kPointRows)
        if (std::find(row.begin(), row.end(), code) != row.end())
            return true;
    return std::find(kSingleCodes.begin(), kSingleCodes.end(), code) != kSingleCodes.end();
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
    liveValue.fill(0x80);
    storedValue.fill(0x80);
}

std::vector<int> RadioModel::PointCodes(int code)
{
    for (const auto& row : kPointRows)
        if (std::find(row.begin(), row.end(), code) != row.end())
            return row;
    if (code < 0)
        return {};
    return {code, code, code, code};
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

std::vector<RadioModel::Command> RadioModel::commands(Command::Kind kind) const
{
    std::vector<Command> out;
    for (const Command& c : log)
        if (c.kind == kind)
            out.push_back(c);
    return out;
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
    if (testMode_ && ParseTestModeCommand(b0, c, length)) {
        if (c.kind == Command::kKindCount)
            return std::nullopt;  // incomplete, or noise already dropped
    } else {
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
    if (c.kind == Command::TestChannel || c.kind == Command::TestSignal)
        c.address = static_cast<std::uint8_t>(c.raw[1]);
    if (c.kind == Command::Ptt)
        c.action = static_cast<std::uint8_t>(c.raw[1]);
    if (c.kind == Command::Item) {
        c.address = b0;
        c.action = static_cast<std::uint8_t>(c.raw[1]);
        if (c.action == kSetValue)
            c.value = static_cast<std::uint8_t>(c.raw[2]);
    }
    c.at = clock ? clock() : -1;
    c.occurrence = ++counts_[static_cast<std::size_t>(c.kind)];
    log.push_back(c);
    QByteArray reply = Reply(c);
    if (replyFilter)
        reply = replyFilter(c, reply);
    return reply;
}

bool RadioModel::ParseTestModeCommand(std::uint8_t b0, Command& c, qsizetype& length)
{
    // The kind stays kKindCount while the command is incomplete (or was
    // noise, then its first byte is gone).
    c.kind = Command::kKindCount;
    const auto second = [this](qsizetype i) { return static_cast<std::uint8_t>(pending_[i]); };
    switch (b0) {
    case 0x07: c.kind = Command::ReadValue; return true;
    case 0x46: c.kind = Command::Wide; return true;
    case 0x47: c.kind = Command::Narrow; return true;
    case 0x11:
        if (pending_.size() >= 2) {
            c.kind = Command::TestSignal;
            length = 2;
        }
        return true;
    case 0x08:
        if (pending_.size() >= 2) {
            if (second(1) == kEnter || second(1) == kStore) {
                c.kind = Command::Ptt;
                length = 2;
            } else {
                pending_.remove(0, 1);
            }
        }
        return true;
    default:
        break;
    }
    if (!IsItemCode(b0))
        return false;
    if (pending_.size() < 2)
        return true;
    switch (second(1)) {
    case kEnter:
    case kStore:
    case kActionF:
    case kMeasure:
        c.kind = Command::Item;
        length = 2;
        return true;
    case kSetValue:
        if (pending_.size() >= 3) {
            c.kind = Command::Item;
            length = 3;
        }
        return true;
    default:
        pending_.remove(0, 1);  // noise
        return true;
    }
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
        enteredCode = -1;
        pttOn = false;
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
        testChannel = c.address;
        return testTable[static_cast<std::size_t>(c.address - 1)];
    case Command::Ack:
        return ack;
    case Command::TestSignal:
        testSignal = c.address;
        return ack;
    case Command::Ptt:
        pttOn = c.action == kEnter;
        return ack;
    case Command::Wide:
    case Command::Narrow:
        narrow = c.kind == Command::Narrow;
        return ack;
    case Command::ReadValue: {
        std::vector<int> codes = PointCodes(enteredCode);
        QByteArray r;
        for (int code : codes)
            r.append(static_cast<char>(liveValue[static_cast<std::size_t>(code)]));
        if (r.isEmpty())
            r = QByteArray(4, '\0');
        return r;
    }
    case Command::Item: {
        const auto code = static_cast<std::size_t>(c.address);
        switch (c.action) {
        case kEnter: enteredCode = c.address; return ack;
        case kStore: storedValue[code] = liveValue[code]; return ack;
        case kSetValue: liveValue[code] = static_cast<std::uint8_t>(c.value); return ack;
        case kMeasure: return QByteArray(1, static_cast<char>(liveValue[code]));
        default: return ack;
        }
    }
    case Command::End:
        awake_ = false;
        testMode_ = false;
        pttOn = false;
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
