#include <gtest/gtest.h>

#include "channels/ChannelGridLayout.h"

using namespace zx;

namespace {

TEST(GridColumnWidths, FollowTheSharesRoundingHalvesToEven)
{
    // 106.5 x 11 = 1171.5 and 106.5 x 7 = 745.5 round to the even neighbour.
    EXPECT_EQ(GridColumnWidths(10650),
              (std::array<int, 10>{1065, 1172, 1172, 1172, 1172, 852, 746, 852, 1065, 1268}));
    // 102.5 x 11 = 1127.5 rounds up to the even 1128; 102.5 x 7 = 717.5 to 718;
    // the last is 1127.5 + 93.18 = 1220.68.
    EXPECT_EQ(GridColumnWidths(10250),
              (std::array<int, 10>{1025, 1128, 1128, 1128, 1128, 820, 718, 820, 1025, 1221}));
}

TEST(GridHeader, LoadHeaderInBothLanguages)
{
    const GridHeader en = ParseGridHeader(GridHeaderFormat(GridHeaderCaller::Load, false));
    EXPECT_EQ(en.cells, (std::array<QString, 10>{"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec",
                                                  "QT/DQT Enc", "TX Power", "W/N", "Scan Add", "Opt Signal",
                                                  "PTT ID"}));
    const GridHeader zh = ParseGridHeader(GridHeaderFormat(GridHeaderCaller::Load, true));
    EXPECT_EQ(zh.cells,
              (std::array<QString, 10>{QString::fromUtf8("信道编号"), QString::fromUtf8("接收频率"),
                                       QString::fromUtf8("发射频率"), QString::fromUtf8("QT/DQT解码"),
                                       QString::fromUtf8("QT/DQT编码 "), QString::fromUtf8("发射功率 "),
                                       QString::fromUtf8("宽/窄"), QString::fromUtf8("扫描添加 "),
                                       QString::fromUtf8("可选信令 "), "PTT ID"}));
}

TEST(GridHeader, CallersDifferOnlyInBlanks)
{
    struct Case {
        GridHeaderCaller caller;
        bool chinese;
        int column;
        const char* text;
    };
    const Case cases[] = {
        {GridHeaderCaller::ModelChange, false, 8, " Opt Signal "},
        {GridHeaderCaller::ModelChange, true, 4, "QT/DQT编码"},
        {GridHeaderCaller::FileOpen, false, 4, " QT/DQT Enc "},
        {GridHeaderCaller::FileOpen, false, 7, " Scan Add"},
        {GridHeaderCaller::FileOpen, true, 3, " QT/DQT解码"},
        {GridHeaderCaller::Decoder, false, 8, "Opt Signal"},
        {GridHeaderCaller::Decoder, true, 5, "发射功率"},
    };
    for (const Case& c : cases) {
        const GridHeader h = ParseGridHeader(GridHeaderFormat(c.caller, c.chinese));
        EXPECT_EQ(h.cells[static_cast<std::size_t>(c.column)], QString::fromUtf8(c.text))
            << static_cast<int>(c.caller) << " " << c.chinese << " column " << c.column;
        EXPECT_EQ(h.cells[0], c.chinese ? QString::fromUtf8("信道编号") : QStringLiteral("Channel No."));
    }
}

}  // namespace
