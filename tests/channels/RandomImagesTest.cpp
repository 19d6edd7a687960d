// A data file has a marker but no checksum: any 1024 bytes behind it open.
// Thousands of random images go through the data-file reader, are laid out
// and decoded into the channel grid; nothing may crash, trip the sanitizers
// or grow a cell text without bound.
#include "ChannelFormFixture.h"

#include <random>

#include "core/DataFile.h"

namespace zx::test {
namespace {

constexpr int kImages = 3000;
// The longest text a cell holds: a frequency, a tone, a word such as "High".
constexpr int kLongestCellText = 16;

class RandomImages : public ChannelFormTest {};

TEST_F(RandomImages, AnyBytesOpenDecodeAndLayOut)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution mostlyFf(0.3);
    QTableWidget* grid = form->ChannelGrid();
    int longest = 0;
    for (int n = 0; n < kImages; ++n) {
        QByteArray file(kFileMarker, kFileMarkerSize);
        file.append(QByteArray(kDataFileHeaderSize - kFileMarkerSize, '\xFF'));
        // A share of 0xFF bytes reaches the "unused" branches of the decoders
        // as well as the garbage ones.
        for (int i = 0; i < layout::kImageSize; ++i)
            file.append(static_cast<char>(mostlyFf(random) ? 0xFF : byte(random)));
        const DataFileContents contents = ParseDataFile(file);
        ASSERT_TRUE(contents.ok()) << n;
        core.image = contents.image;
        core.SetBandLimitsFromImage();
        core.ApplyEightChannelRule();
        form->LayoutChannelGrid(GridHeaderCaller::FileOpen);
        form->DecodeAllChannels();
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QTableWidgetItem* item = grid->item(row, column);
                const int length = item ? static_cast<int>(item->text().size()) : 0;
                longest = std::max(longest, row == 0 ? 0 : length);
                if (row > 0) {
                    ASSERT_LE(length, kLongestCellText) << "image " << n << " cell " << row << "," << column << ": "
                                                        << item->text().toStdString();
                }
            }
        }
    }
    EXPECT_GT(longest, 0);
}

}  // namespace
}  // namespace zx::test
