#include "printing/ProgrammingReport.h"

#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "printing/ChannelSection.h"
#include "printing/PageGrid.h"
#include "printing/ReportContext.h"
#include "printing/ReportSections.h"

namespace zx {

namespace {

constexpr int kChannelSection = 7;
constexpr int kChannelsPerPage = 4;

void PrintPageHeader(const ReportContext& r, const ReportInput& input)
{
    PrintPage& page = r.page;
    SetPrintFont(page, PrintFont::Title);
    PageGrid::PrintCentred(page, r.grid.TopMargin,
                           input.chinese ? QStringLiteral("ZOLT ZX-4100 对讲机编程信息")
                                         : QStringLiteral("ZOLT ZX-4100 Radio Programming Information"));
    SetPrintFont(page, PrintFont::Header);
    r.grid.PrintRight(page, 2, ReportDateTimeText(input.printedAt, input.locale));
    r.grid.RuleAt(page, 3.5);
    const HeaderBand band = HeaderBandOf(input.image.modelBandCode());
    r.Print(4, 4, r.Text(1094));
    r.Print(30, 4, band.family);
    r.Print(4, 5, r.Text(1246));
    r.Print(4, 6, r.Text(1191));
    r.Print(30, 6, band.range);
    r.Print(4, 7, r.Text(1247));
    r.Print(30, 7, input.dataFilePath);
    r.grid.RuleAt(page, 8);
    SetPrintFont(page, PrintFont::Body);
}

void PrintPageFooter(PrintPage& page)
{
    const QString text = QStringLiteral("- %1 -").arg(page.PageNumber());
    PageGrid::PrintCentred(page, RoundTwips(page.PageHeight() * 0.95), text);
}

void PrintSectionBody(int section, const ReportContext& r)
{
    switch (section) {
    case 0: PrintOptionalFeatures(r); break;
    case 1: PrintKeyAssignment(r); break;
    case 2: PrintScanInformation(r); break;
    case 3: PrintDtmfSection(r); break;
    case 4: PrintFleetSyncSection(r); break;
    case 5: PrintTestFrequencySection(r); break;
    case 6: PrintEmbeddedMessageSection(r); break;
    default: break;
    }
}

void PrintReport(PrintPage& page, const ReportInput& input)
{
    const ReportContext r{page, PageGrid::Compute(page), input.image, input.chinese};
    auto anyAfter = [&](int s) {
        for (int later = s + 1; later < kReportSections; ++later)
            if (input.sections[static_cast<std::size_t>(later)])
                return true;
        return false;
    };
    auto titled = [&](int section) {
        PrintPageHeader(r, input);
        page.PrintAt(r.grid.LeftMargin, r.grid.Y(10), ReportSectionTitle(section, input.chinese));
    };
    for (int s = 0; s < kChannelSection; ++s) {
        if (!input.sections[static_cast<std::size_t>(s)])
            continue;
        titled(s);
        PrintSectionBody(s, r);
        PrintPageFooter(page);
        if (anyAfter(s))
            page.NewPage();
    }
    if (input.sections[kChannelSection]) {
        ReportChannelDecoder decoder(input.image, input.chinese);
        const std::vector<int> channels = decoder.ProgrammedChannels();
        const std::size_t pages = std::max<std::size_t>(1, (channels.size() + kChannelsPerPage - 1) / kChannelsPerPage);
        for (std::size_t p = 0; p < pages; ++p) {
            titled(kChannelSection);
            const std::size_t first = p * kChannelsPerPage;
            const std::size_t last = std::min(channels.size(), first + kChannelsPerPage);
            if (first < last)
                PrintChannelBlocks(r, decoder, std::vector<int>(channels.begin() + first, channels.begin() + last));
            PrintPageFooter(page);
            if (p + 1 < pages)
                page.NewPage();
        }
    }
    page.EndDoc();
}

}  // namespace

HeaderBand HeaderBandOf(std::uint8_t bandCode)
{
    struct Row {
        std::uint8_t code;
        const char* family;
        const char* range;
    };
    static const Row kRows[] = {
        {0x01, "VHF", "136-174MHz"}, {0x02, "VHF", "136-150MHz"}, {0x03, "VHF", "150-174MHz"},
        {0x04, "VHF", "245-265MHz"}, {0x21, "UHF", "400-480MHz"}, {0x33, "UHF", "440-480MHz"},
        {0x43, "UHF", "400-440MHz"}, {0x53, "UHF", "350-370MHz"}, {0x63, "UHF", "370-390MHz"},
        {0x73, "UHF", "350-390MHz"}, {0x83, "UHF", "460-520MHz"},
    };
    for (const Row& row : kRows)
        if (row.code == bandCode)
            return {QString::fromLatin1(row.family), QString::fromLatin1(row.range)};
    return {QStringLiteral("UHF"), QStringLiteral("400-480MHz")};
}

QString ReportDateTimeText(const QDateTime& at, const QLocale& locale)
{
    // The locale's long time form has the seconds; its time zone is dropped.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    timeFormat = timeFormat.trimmed();
    return locale.toString(at.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
           locale.toString(at.time(), timeFormat);
}

QString ReportSectionTitle(int section, bool chinese)
{
    static const int kTitles[kReportSections] = {1041, 1141, 1142, 1123, 1124, 1185, 1047, 1195};
    return LoadLangString(kTitles[section], chinese);
}

std::optional<PrintFailure> PrintProgrammingReport(PrintPage& page, const ReportInput& input)
{
    try {
        PrintReport(page, input);
    } catch (const PrintFailure& failure) {
        page.AbortDoc();
        return failure;
    } catch (const std::exception& e) {
        page.AbortDoc();
        return PrintFailure{PrintFailure::Kind::Device, QString::fromLocal8Bit(e.what())};
    }
    return std::nullopt;
}

}  // namespace zx
