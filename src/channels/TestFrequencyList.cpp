#include "channels/TestFrequencyList.h"

#include "channels/DecimalText.h"
#include "channels/FrequencyEntry.h"
#include "channels/TestFreqBandTable.h"
#include "core/BcdFrequency.h"
#include "core/ImageLayout.h"
#include "core/ModelRules.h"
#include "core/RadioImage.h"

namespace zx {

namespace {

constexpr int kTableSize = layout::kTestFrequencyEntries * layout::kTestFrequencyEntrySize;

bool ValidCell(int row, int column)
{
    return row >= 1 && row <= kTestFreqRows && (column == kTestFreqRxColumn || column == kTestFreqTxColumn);
}

int Partner(int column) { return column == kTestFreqRxColumn ? kTestFreqTxColumn : kTestFreqRxColumn; }

// "ddd.ddddd"
bool IsCellForm(const QString& text)
{
    if (text.size() != 9 || text.at(3) != QLatin1Char('.'))
        return false;
    for (int i = 0; i < 9; ++i) {
        if (i != 3 && !(text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')))
            return false;
    }
    return true;
}

}  // namespace

QString TestFreqGridFormat(bool chinese)
{
    return chinese ? QString::fromUtf8("^信道|> 接收 [MHz]|> 发射 [MHz]")
                   : QStringLiteral("^Channel|> RX [MHz]|> TX [MHz]");
}

std::array<TestFreqHeaderCell, 3> ParseTestFreqGridFormat(const QString& format)
{
    std::array<TestFreqHeaderCell, 3> cells;
    const QStringList columns = format.split(QLatin1Char('|'));
    for (qsizetype c = 0; c < columns.size() && c < 3; ++c) {
        TestFreqHeaderCell& cell = cells[static_cast<std::size_t>(c)];
        cell.text = columns[c];
        if (cell.text.startsWith(QLatin1Char('^')))
            cell.align = TestFreqAlign::Centre;
        else if (cell.text.startsWith(QLatin1Char('>')))
            cell.align = TestFreqAlign::Right;
        else if (!cell.text.startsWith(QLatin1Char('<')))
            continue;
        cell.text.remove(0, 1);
    }
    return cells;
}

QString TestFreqRangeTitle(bool chinese)
{
    return chinese ? QString::fromUtf8("警告") : QStringLiteral("Warning");
}

QString TestFreqChangedText(bool chinese)
{
    return chinese ? QString::fromUtf8("测试频率数据已更改。\n在进入测试模式之前执行\"向对讲机写入数据\"。")
                   : QStringLiteral("Test Frequency data have changed.\n"
                                    "please execute write to radio before entering into Test Mode.");
}

QString TestFreqChangedTitle(bool chinese) { return TestFreqRangeTitle(chinese); }

QString TestFrequencyCellText(std::span<const std::uint8_t> bcd)
{
    qint64 value = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = bcd[static_cast<std::size_t>(i)];
        for (const int digit : {b >> 4, b & 0x0F}) {
            if (digit > 9)
                return BcdFrequency::ToText(value);
            value = value * 10 + digit;
        }
    }
    return BcdFrequency::ToText(value);
}

std::array<std::uint8_t, 4> TestFrequencyCellBytes(const QString& text)
{
    if (IsCellForm(text)) {
        const QString digits = text.left(3) + text.mid(4);
        return BcdFrequency::Encode(digits.toLongLong());
    }
    return BcdFrequency::Encode(DecimalText(text).Scaled(5) % 100000000);
}

void WriteDefaultTestFrequencies(RadioImage& image)
{
    const TestFreqBand band = TestFreqBandTable(image.modelBandCode());
    const auto defaults = DefaultTestFrequencies(BandLimits{band.lowerMHz, band.upperMHz, band.lowerMHz, band.upperMHz});
    for (int n = 1; n <= static_cast<int>(defaults.size()); ++n) {
        const TestFrequencyPair& pair = defaults[static_cast<std::size_t>(n - 1)];
        image.setBcdFrequency(layout::TestFrequencyEntry(n), pair.rx);
        image.setBcdFrequency(layout::TestFrequencyEntry(n) + 4, pair.tx);
    }
}

TestFreqCell NextTestFreqCell(TestFreqCell cell)
{
    if (cell.column == kTestFreqRxColumn)
        return {cell.row, kTestFreqTxColumn};
    if (cell.row < kTestFreqRows)
        return {cell.row + 1, kTestFreqRxColumn};
    return cell;
}

TestFrequencyList::TestFrequencyList(const RadioImage& image)
    : backup_(image.toByteArray(layout::TestFrequencyTable, kTableSize))
{
    for (int row = 1; row <= kTestFreqRows; ++row)
        ReadRow(image, row);
}

void TestFrequencyList::ReadRow(const RadioImage& image, int row)
{
    const int entry = layout::TestFrequencyEntry(row);
    if (image.at(entry) == 0xFF) {
        At(row, kTestFreqRxColumn).clear();
        At(row, kTestFreqTxColumn).clear();
        return;
    }
    At(row, kTestFreqRxColumn) = TestFrequencyCellText(image.range(entry, 4));
    At(row, kTestFreqTxColumn) = TestFrequencyCellText(image.range(entry + 4, 4));
}

QString& TestFrequencyList::At(int row, int column)
{
    return cells_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(column - 1));
}

QString TestFrequencyList::Cell(int row, int column) const
{
    if (!ValidCell(row, column))
        return {};
    return cells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

void TestFrequencyList::SetCell(int row, int column, const QString& text)
{
    if (ValidCell(row, column))
        At(row, column) = text;
}

TestFreqCell TestFrequencyList::CellForClick(TestFreqCell cell) const
{
    if (cell.column == kTestFreqTxColumn && Cell(cell.row, kTestFreqTxColumn).isEmpty())
        return {cell.row, kTestFreqRxColumn};
    return cell;
}

TestFreqCell TestFrequencyList::CellForEnter(TestFreqCell cell) const
{
    if (cell.column == kTestFreqTxColumn && Cell(cell.row, kTestFreqRxColumn).isEmpty())
        return {cell.row, kTestFreqRxColumn};
    return cell;
}

TestFrequencyCommit TestFrequencyList::Commit(RadioImage& image, int row, int column, const QString& text)
{
    TestFrequencyCommit result;
    if (!ValidCell(row, column))
        return result;
    const int entry = layout::TestFrequencyEntry(row);

    if (text.isEmpty()) {
        At(row, kTestFreqRxColumn).clear();
        At(row, kTestFreqTxColumn).clear();
        for (int i = 0; i < layout::kTestFrequencyEntrySize; ++i)
            image.set(entry + i, 0xFF);
        bool allEmpty = true;
        for (int n = 1; n <= layout::kTestFrequencyEntries; ++n)
            allEmpty = allEmpty && image.at(layout::TestFrequencyEntry(n)) == 0xFF;
        if (allEmpty) {
            WriteDefaultTestFrequencies(image);
            for (int r = 1; r <= 6; ++r)
                ReadRow(image, r);
            defaultsShown_ = true;
            result.defaultsWritten = true;
        }
        result.text = Cell(row, column);
        return result;
    }

    const TestFreqBand band = TestFreqBandTable(image.modelBandCode());
    const SnappedFrequency snapped = SnapFrequency(text, band.lowerMHz, band.upperMHz);
    result.outOfRange = snapped.outOfRange;
    result.text = snapped.text;
    At(row, column) = snapped.text;
    if (At(row, Partner(column)).isEmpty())
        At(row, Partner(column)) = snapped.text;
    const auto rx = TestFrequencyCellBytes(At(row, kTestFreqRxColumn));
    const auto tx = TestFrequencyCellBytes(At(row, kTestFreqTxColumn));
    for (int i = 0; i < 4; ++i) {
        image.set(entry + i, rx[static_cast<std::size_t>(i)]);
        image.set(entry + 4 + i, tx[static_cast<std::size_t>(i)]);
    }
    return result;
}

bool TestFrequencyList::TakeTestDefaultsShown()
{
    const bool shown = defaultsShown_;
    defaultsShown_ = false;
    return shown;
}

bool TestFrequencyList::ChangedSinceLoad(const RadioImage& image) const
{
    return image.toByteArray(layout::TestFrequencyTable, kTableSize) != backup_;
}

}  // namespace zx
