#pragma once
// Small helpers of the channel tests: records written and compared as hex.
#include <ostream>

#include <QByteArray>
#include <QString>

#include "channels/ChannelRecord.h"

namespace zx::test {

// "00 25 61 14 FF ..." (16 hex pairs) as a record.
inline ChannelRecordBytes Record(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    ChannelRecordBytes r = EmptyChannelRecord();
    for (int i = 0; i < 16 && i < bytes.size(); ++i)
        r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return r;
}

inline QByteArray Hex(const ChannelRecordBytes& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), 16).toHex(' ').toUpper();
}

}  // namespace zx::test

// Hex texts read as text in failure messages.
#include "common/QtPrinters.h"
