#include "core/ChannelRegisters.h"

#include <QtGlobal>

namespace zx {

namespace {
constexpr QString ChannelRegisters::*kColumnMembers[9] = {
    &ChannelRegisters::ChRxFreq,  &ChannelRegisters::ChTxFreq,     &ChannelRegisters::ChDecode,
    &ChannelRegisters::ChEncode,  &ChannelRegisters::ChTxPower,    &ChannelRegisters::ChWideNarrow,
    &ChannelRegisters::ChScanAdd, &ChannelRegisters::ChOptSignal,  &ChannelRegisters::ChPttId,
};

int ColumnIndex(int column)
{
    Q_ASSERT(column >= 1 && column <= 9);
    return (column >= 1 && column <= 9) ? column - 1 : 0;
}
}  // namespace

QString& ChannelRegisters::Column(int column)
{
    return this->*kColumnMembers[ColumnIndex(column)];
}

const QString& ChannelRegisters::Column(int column) const
{
    return this->*kColumnMembers[ColumnIndex(column)];
}

ChannelColumns ChannelRegisters::Columns() const
{
    ChannelColumns columns;
    for (int c = 1; c <= 9; ++c)
        columns[static_cast<std::size_t>(c - 1)] = Column(c);
    return columns;
}

void ChannelRegisters::SetColumns(const ChannelColumns& columns)
{
    for (int c = 1; c <= 9; ++c)
        Column(c) = columns[static_cast<std::size_t>(c - 1)];
}

void ChannelRegisters::ClearColumns()
{
    SetColumns(ChannelColumns{});
}

}  // namespace zx
