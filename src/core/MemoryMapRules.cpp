#include "core/MemoryMapRules.h"

namespace zx {

int MemoryMapAddress(int row, int column) { return (row - 1) * 16 + (column - 1); }

QString MemoryMapRowLabel(int row)
{
    const int r = row - 1;
    return QStringLiteral("%1").arg(r / 16, 2, 10, QLatin1Char('0')) + QString::number(r % 16, 16).toUpper() +
           QLatin1Char('_');
}

QString MemoryMapColumnHeader(int column) { return QString::number(column - 1, 16).toUpper(); }

QString MemoryMapAddressText(int row, int column)
{
    return MemoryMapRowLabel(row).left(3) + MemoryMapColumnHeader(column);
}

QString MemoryCellText(std::uint8_t value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

std::uint8_t MemoryCellByte(const QString& text)
{
    auto nibble = [&](int i) {
        const int code = i < text.size() ? text.at(i).unicode() : '0';
        return code > '9' ? code - 55 : code - 48;
    };
    return static_cast<std::uint8_t>((nibble(0) * 16 + nibble(1)) & 0xFF);
}

bool IsHexDigitChar(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

bool IsHexCellText(const QString& text)
{
    if (text.size() > 2)
        return false;
    for (QChar c : text)
        if (!IsHexDigitChar(c))
            return false;
    return true;
}

QString CommitMemoryCellText(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper.isEmpty())
        return QStringLiteral("FF");
    if (upper.size() == 1)
        return QLatin1Char('0') + upper;
    return upper;
}

bool MemoryEditorAcceptsDigit(QChar c, int textLength, bool hasSelection)
{
    return IsHexDigitChar(c) && (textLength < 2 || hasSelection);
}

MemoryCell NextMemoryCell(MemoryCell cell)
{
    if (cell.column < 16)
        return {cell.row, cell.column + 1};
    if (cell.row < 64)
        return {cell.row + 1, 1};
    return cell;
}

}  // namespace zx
