#pragma once
// The test-frequency list: the RX and TX texts of the sixteen test channels
// as the window's grid shows them, and what a commit of one cell does to
// them and to the image's TestFrequencyTable (0x280-0x2FF). RX and TX of a
// row are set and emptied together, every commit stores its whole row, and
// emptying the last entry brings back the six default test frequencies.
//
// Rows are the test channels 1..16; column 1 is RX, column 2 TX (column 0 of
// the window's grid holds the channel numbers).
#include <array>
#include <cstdint>
#include <span>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace zx {

class RadioImage;

inline constexpr int kTestFreqRows = 16;
inline constexpr int kTestFreqRxColumn = 1;
inline constexpr int kTestFreqTxColumn = 2;
// The editor takes at most this many characters (unless they replace a
// selection).
inline constexpr int kTestFreqMaxTyped = 9;

// The grid's header as a format string: "^" centres a column, ">" aligns it
// right. "^Channel|> RX [MHz]|> TX [MHz]" or its Chinese form.
QString TestFreqGridFormat(bool chinese);

enum class TestFreqAlign { Left, Centre, Right };
struct TestFreqHeaderCell {
    QString text;  // the caption without its alignment mark, blanks kept
    TestFreqAlign align = TestFreqAlign::Left;
};
// The three header cells of a format string; each mark also aligns the
// column's cells.
std::array<TestFreqHeaderCell, 3> ParseTestFreqGridFormat(const QString& format);

// The cell text of a four-byte BcdFrequency: its digits from the most
// significant pair down, up to the first nibble above 9, read as 10 Hz
// units and shown "000.00000". FF FF FF FF reads "000.00000".
QString TestFrequencyCellText(std::span<const std::uint8_t> bcd);
// The four bytes of a cell text: the eight digits of the "000.00000" form,
// three before and five after the point ("146.12500" -> 00 25 61 14). Any
// other text is stored by its leading number.
std::array<std::uint8_t, 4> TestFrequencyCellBytes(const QString& text);

// Writes entries 1-6 of the table with the default test frequencies of the
// test band of the image's band code; entries 7-16 are left as they are.
void WriteDefaultTestFrequencies(RadioImage& image);

// The out-of-range box of a commit: the channel editor's text
// (RangeMessageText) with the title "Warning" / "警告", exclamation icon, OK.
QString TestFreqRangeTitle(bool chinese);
// The box of the Close button after the table changed (warning icon, OK).
QString TestFreqChangedText(bool chinese);
QString TestFreqChangedTitle(bool chinese);

struct TestFreqCell {
    int row;
    int column;
    bool operator==(const TestFreqCell&) const = default;
};
// Where Enter in the editor moves the current cell: RX to TX of the same
// row, TX to RX of the next row; the TX cell of row 16 stays.
TestFreqCell NextTestFreqCell(TestFreqCell cell);

struct TestFrequencyCommit {
    QString text;                 // what the edited cell shows now
    bool outOfRange = false;      // the range box is due
    bool defaultsWritten = false; // rows 1-6 hold the defaults again
};

class TestFrequencyList {
public:
    // The window's load: the backup of the table and every row's texts; an
    // empty entry (first byte FF) leaves both cells empty.
    explicit TestFrequencyList(const RadioImage& image);

    QString Cell(int row, int column) const;
    // The editor's text shown in its cell while it is typed.
    void SetCell(int row, int column, const QString& text);

    // The cell an opening of the editor lands on. A click: an empty TX cell
    // gives way to the row's RX cell. Enter: a TX cell whose RX is empty does.
    TestFreqCell CellForClick(TestFreqCell cell) const;
    TestFreqCell CellForEnter(TestFreqCell cell) const;

    // Commits `text` into cell (row, column) and its entry. A text is
    // clamped to the test band of the image's band code as it is now (the
    // range box due) or put on the channel raster; an empty partner cell
    // takes the same text; the entry is written from both cells. An empty
    // text empties both cells and the entry; when then every entry is empty,
    // the defaults are written and rows 1-6 show them. Never refuses a text.
    TestFrequencyCommit Commit(RadioImage& image, int row, int column, const QString& text);

    // True after a commit wrote the defaults, until TakeTestDefaultsShown.
    bool TestDefaultsShown() const { return defaultsShown_; }
    // Enter in the editor: returns TestDefaultsShown and clears it.
    bool TakeTestDefaultsShown();

    // The table as it was when the list loaded.
    const QByteArray& TestFreqBackup() const { return backup_; }
    // True when any byte of 0x280-0x2FF differs from the backup.
    bool ChangedSinceLoad(const RadioImage& image) const;

private:
    void ReadRow(const RadioImage& image, int row);
    QString& At(int row, int column);

    std::array<std::array<QString, 2>, kTestFreqRows> cells_;
    QByteArray backup_;
    bool defaultsShown_ = false;
};

}  // namespace zx
