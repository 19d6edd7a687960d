#include <gtest/gtest.h>

#include <QSet>

#include "core/AppCore.h"
#include "core/StringTable.h"

namespace zx {
extern const StringResourceEntry kStringResources[];
extern const int kStringResourceCount;
}  // namespace zx

using namespace zx;

namespace {

struct QuotedText {
    int id;
    const char* chinese;  // nullptr: only the English form is fixed
    const char* english;
};

// Texts that other parts of the program compare, pad or show verbatim.
const QuotedText kQuoted[] = {
    {1001, "文件(&F)", "&File"},
    {1036, "横向平铺窗口(&H)", "Tile Windows &Horizontally"},
    {1040, "信道信息 [信道-1]", "Channel Information [ Channel - 1 ]"},
    {1041, " 可选功能", " Optional Features"},
    {1044, " DTMF(双音多频)", " DTMF"},
    {1048, " 信道编辑", " Channel Edit"},
    {1059, "信道编辑(&E)", "Channel &Edit"},
    {1075, "关闭(&C)", "&Close"},
    {1077, "无", "None"},
    {1078, "空位(Bytes):", "Free Area(Bytes):"},
    {1082, "QT/DQT+可选信令", "QT/DQT + Opt.Sig."},
    {1088, "有", "Yes"},
    {1092, "无", "No"},
    {1094, "机型类型", "Model Type"},
    {1097, "取消(&C)", "&Cancel"},
    {1099, nullptr, "Time Out Timer(TOT)[s]"},
    {1123, "DTMF(双音多频)", "DTMF"},
    {1126, "发射开始", "BOT"},
    {1153, nullptr, "Priority + Talk Back "},
    {1175, "D 码", "D Code"},
    {1183, "PTT ID 侧音", "PTT ID Side Tone"},
    {1186, "从对讲机读取数据", "Read data from radio"},
    {1187, "向对讲机写入数据", "Write data to radio"},
    {1188, "通信端口", "Communication Port"},
    {1189, "通信口", "COM"},
    {1195, " 信道信息", " Channel Information"},
    {1220, nullptr, "DTMF Tone 9"},
    {1242, nullptr, "P&rint setup"},
    {1245, "打印列表", "Print Out List"},
    {1253, "自身", "Own"},
    {1254, "波段", "Band"},
};

}  // namespace

TEST(StringTable, EveryIdOfTheThreeRangesHasTextInBothLanguages)
{
    for (int n = kFirstPairId; n <= kLastPairId; ++n) {
        EXPECT_FALSE(LoadLangString(n, true).isEmpty()) << n;
        EXPECT_FALSE(LoadLangString(n, false).isEmpty()) << n;
    }
    for (int n = kFirstSharedId; n <= kLastSharedId; ++n) {
        EXPECT_FALSE(LoadLangString(n, true).isEmpty()) << n;
        EXPECT_EQ(LoadLangString(n, true), LoadLangString(n, false)) << n;
    }
}

TEST(StringTable, HoldsExactlyTheThreeRangesWithoutDuplicates)
{
    QSet<int> ids;
    for (int i = 0; i < kStringResourceCount; ++i) {
        const int id = kStringResources[i].id;
        EXPECT_FALSE(ids.contains(id)) << "duplicate id " << id;
        ids.insert(id);
        const bool inRange = (id >= 1001 && id <= 1254) || (id >= 2001 && id <= 2254)
                             || (id >= 1900 && id <= 1913);
        EXPECT_TRUE(inRange) << id;
    }
    EXPECT_EQ(kStringResourceCount, 254 + 254 + 14);
}

TEST(StringTable, IdsOutsideTheRangesAreEmpty)
{
    for (int id : {0, 1000, 1255, 1899, 1914, 2000, 2255, 2900, 3001})
        EXPECT_TRUE(StringResource(id).isEmpty()) << id;
    EXPECT_TRUE(LoadLangString(1255, true).isEmpty());
    EXPECT_TRUE(LoadLangString(1255, false).isEmpty());
    EXPECT_TRUE(LoadLangString(1000, false).isEmpty());
}

TEST(StringTable, QuotedTextsMatchExactly)
{
    for (const QuotedText& q : kQuoted) {
        if (q.chinese) {
            EXPECT_EQ(LoadLangString(q.id, true), QString::fromUtf8(q.chinese)) << q.id;
        }
        EXPECT_EQ(LoadLangString(q.id, false), QString::fromUtf8(q.english)) << q.id;
        EXPECT_EQ(StringResource(q.id + 1000), QString::fromUtf8(q.english)) << q.id;
    }
}

TEST(StringTable, SharedTextsAreLoadedByTheirOwnId)
{
    EXPECT_EQ(LoadLangString(1900, false), "QT/DQT");
    EXPECT_EQ(LoadLangString(1901, false), "DTMF");
    EXPECT_EQ(LoadLangString(1906, true), "100Hz SW");
    EXPECT_EQ(LoadLangString(1913, false), "DTMF ENC(159D)");
    EXPECT_EQ(LoadLangString(1913, true), "DTMF ENC(159D)");
}

TEST(StringTable, RevertChannelWordsAreDistinctInEachLanguage)
{
    // The scan window recovers the revert code from the shown text.
    for (bool chinese : {true, false}) {
        const QSet<QString> words{LoadLangString(1150, chinese), LoadLangString(1152, chinese),
                                  LoadLangString(1153, chinese), LoadLangString(1154, chinese)};
        EXPECT_EQ(words.size(), 4) << chinese;
    }
}

TEST(StringTable, LookupFollowsTheLanguageFlag)
{
    AppCore core;
    Core().LanguageChinese = true;
    EXPECT_EQ(LoadLangString(1077), QString::fromUtf8("无"));
    EXPECT_EQ(LoadLangString(1092), QString::fromUtf8("无"));
    Core().LanguageChinese = false;
    EXPECT_EQ(LoadLangString(1077), "None");
    EXPECT_EQ(LoadLangString(1092), "No");
    EXPECT_EQ(LoadLangString(1904), "VOX10");
}
