#pragma once
// Small helpers of the channel tests: records written and compared as hex.
#include <ostream>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "core/ChannelRecord.h"
#include "core/AppCore.h"

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

// A core holding the default VHF 136-174 MHz image (band 0x01, 16 channels)
// with PTT ID type 0.
class VhfCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core.image.setModelBandCode(0x01);
        core.image.setModelVariant(0xF8);
        core.InitAllFrameData();
        core.image.set(layout::PttIdType, 0);
    }
    AppCore core;
};

}  // namespace zx::test

// Hex texts read as text in failure messages.
#include "common/QtPrinters.h"
