// Sections 0 to 6 of the report: the text of every value, the hyphen runs of
// unset values, placeholders for codes without a text, and the values that
// end the report.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "core/ImageLayout.h"
#include "core/ModelRules.h"

namespace zx::test {
namespace {

using namespace layout;

// The value column of each line of a section, top to bottom.
QStringList Column(const ReportRun& run, int column, int firstLine, int lastLine)
{
    QStringList values;
    for (int line = firstLine; line <= lastLine; ++line)
        values << run.At(column, line);
    return values;
}

TEST(SettingsSections, DefaultImagePrintsTheNewImagesSettingsInEnglish)
{
    const auto run = RunReport(InputFor(DefaultUhf(), {0, 1, 2}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(Column(*run, 4, 12, 31),
              QStringList({"Time Out Timer(TOT)[s]", "TOT Pre-Alert[s]", "Squelch Level", "Mic Sensitivity",
                           "Battery Save", "Beep", "Voice Annunciation", "Scrambler Activation", "Scrambler Backup",
                           "PTT ID Type", "PTT ID", "Begin of TX", "End of TX", "VOX Function", "VOX Gain Level",
                           "VOX Delay Time[s]", "Cancel Operation", "VOX Proceed Tone", "VOX inhibit on Receive",
                           "Clone Mode"}));
    EXPECT_EQ(Column(*run, 40, 12, 31),
              QStringList({"60", "Off", "5", "Normal", "Disabled", "Enabled", "Off", "Disabled", "Disabled", "DTMF",
                           "BOT", "12345", "------", "Disabled", "5", "0.5", "Disabled", "Disabled", "Disabled",
                           "Disabled"}));
    EXPECT_EQ(run->At(2, 4, 12), "PF 1");
    EXPECT_EQ(run->At(2, 40, 12), "None");
    EXPECT_EQ(run->At(2, 4, 13), "PF 2");
    EXPECT_EQ(run->At(2, 40, 13), "Squelch Off Momentary");
    QStringList scan;
    for (int line = 12; line <= 18; ++line)
        scan << run->At(3, 40, line);
    EXPECT_EQ(scan, QStringList({"None", "---", "2.00", "3.00", "Selected + Talk Back", "3", "3"}));
    EXPECT_EQ(run->At(3, 4, 18), "Tx Dwell Time [s]");
}

TEST(SignallingSections, DefaultImagePrintsTheNewImagesDtmfAndFleetSyncSettings)
{
    const auto run = RunReport(InputFor(DefaultUhf(), {3, 4}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->At(4, 12), "Encode");
    EXPECT_EQ(run->At(70, 12), "Decode");
    EXPECT_EQ(Column(*run, 40, 14, 19), QStringList({"6", "0", "100", "0", "D Code", "Enabled"}));
    EXPECT_EQ(Column(*run, 100, 14, 21),
              QStringList({"000", "Off", "10", "Normal", "Off", "Disabled", "", "TX Inhibit"}));
    EXPECT_EQ(run->At(4, 23), "Autodial Memory");
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(run->At(4, 24 + n), QString::number(n));
        EXPECT_EQ(run->At(8, 24 + n), "------");
    }
    QStringList fleet;
    for (int line = 12; line <= 17; ++line)
        fleet << run->At(2, 40, line);
    EXPECT_EQ(fleet, QStringList({"---", "----", "1200", "400", "10", "Enabled"}));
    EXPECT_EQ(run->At(2, 4, 19), "Fleet List");
    EXPECT_EQ(run->At(2, 30, 20), "Fleet");
    EXPECT_EQ(run->At(2, 50, 20), "ID");
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(run->At(2, 4, 20 + n), QString::number(n));
        EXPECT_EQ(run->At(2, 30, 20 + n), "---");
        EXPECT_EQ(run->At(2, 50, 20 + n), "----");
    }
}

TEST(MessageSections, DefaultImagePrintsSixTestFrequenciesThenHyphensAndAnEmptyMessage)
{
    const RadioImage image = DefaultUhf();
    const auto run = RunReport(InputFor(image, {5, 6}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->At(35, 12), "RX Frequency[MHz]");
    EXPECT_EQ(run->At(65, 12), "TX Frequency[MHz]");
    const auto defaults = DefaultTestFrequencies(DefaultBandTable(0x21));
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(run->At(4, 12 + n), QStringLiteral("Channel %1").arg(n));
        if (n <= 6) {
            const auto& pair = defaults[static_cast<std::size_t>(n - 1)];
            EXPECT_EQ(run->At(35, 12 + n), QString::asprintf("%03lld.%05lld", pair.rx / 100000, pair.rx % 100000));
            EXPECT_EQ(run->At(65, 12 + n), QString::asprintf("%03lld.%05lld", pair.tx / 100000, pair.tx % 100000));
        } else {
            EXPECT_EQ(run->At(35, 12 + n), "---------");
            EXPECT_EQ(run->At(65, 12 + n), "---------");
        }
    }
    EXPECT_EQ(run->At(2, 0, 10), " Embedded Message");
    EXPECT_EQ(run->At(2, 4, 12), "");
    EXPECT_EQ(run->At(2, 4, 13), "");
}

// One value: the bytes written before the report, the section, the column
// and line of the value, and the text it must print.
struct ValueCase {
    const char* name;
    std::vector<std::pair<int, const char*>> writes;  // address, hex bytes
    int section;
    int column;
    int line;
    const char* text;
    bool chinese = false;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ReportValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReportValues, PrintTheirText)
{
    const ValueCase& c = GetParam();
    RadioImage image = DefaultUhf();
    for (const auto& [address, hex] : c.writes)
        image.write(address, QByteArray::fromHex(hex));
    const auto run = RunReport(InputFor(image, {c.section}, c.chinese));
    ASSERT_FALSE(run->failure) << run->failure->description.toStdString();
    EXPECT_EQ(run->At(c.column, c.line), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ReportValues,
    ::testing::Values(
        ValueCase{"TotFF", {{TimeOutTimer, "ff"}}, 0, 40, 12, "3825"},
        ValueCase{"PreAlert7", {{TotPreAlert, "07"}}, 0, 40, 13, "7"},
        ValueCase{"MicHigh", {{MicSensitivity, "01"}}, 0, 40, 15, "High"},
        ValueCase{"VoiceFF", {{VoiceAnnunciation, "ff"}}, 0, 40, 18, "Off"},
        ValueCase{"VoiceChinese", {{VoiceAnnunciation, "01"}}, 0, 40, 18, "Chinese"},
        ValueCase{"VoiceEnglish", {{VoiceAnnunciation, "02"}}, 0, 40, 18, "English"},
        ValueCase{"PttIdTypeFleetSync", {{PttIdType, "01"}}, 0, 40, 21, "FleetSync"},
        ValueCase{"PttIdBoth", {{PttIdTiming, "02"}}, 0, 40, 22, "Both"},
        ValueCase{"PttIdBothChinese", {{PttIdTiming, "02"}}, 0, 40, 22, "两者", true},
        ValueCase{"PttIdLabelChinese", {}, 0, 4, 22, "PTT ID", true},
        ValueCase{"PttIdUnset", {{PttIdTiming, "ff"}}, 0, 40, 22, ""},
        ValueCase{"BotSixteen", {{BotCode, "31323334353637383930414243442a23"}}, 0, 40, 23, "1234567890ABCD*#"},
        ValueCase{"EotEmpty", {{EotCode, "ff31"}}, 0, 40, 24, "------"},
        ValueCase{"VoxGainOff", {{VoxGainLevel, "00"}}, 0, 40, 26, "Off"},
        ValueCase{"VoxGainOffChinese", {{VoxGainLevel, "00"}}, 0, 40, 26, "关", true},
        ValueCase{"VoxDelay3s", {{VoxDelayTime, "05"}}, 0, 40, 27, "3"},
        ValueCase{"VoxDelayUnknown", {{VoxDelayTime, "06"}}, 0, 40, 27, "?06"},
        ValueCase{"VoxDelayChineseStays", {{VoxDelayTime, "03"}}, 0, 40, 27, "1.5", true},
        ValueCase{"CloneOn", {{CloneMode, "07"}}, 0, 40, 31, "Enabled"},
        ValueCase{"KeyAutodial", {{KeyPf1, "00"}}, 1, 40, 12, "Autodial"},
        ValueCase{"KeyLock", {{KeyPf1, "02"}}, 1, 40, 12, "Key Lock"},
        ValueCase{"KeyTemporaryDelete", {{KeyPf2, "0b"}}, 1, 40, 13, "Temporary Delete"},
        ValueCase{"KeyOne", {{KeyPf1, "01"}}, 1, 40, 12, "?01"},
        ValueCase{"KeyTwelve", {{KeyPf2, "0c"}}, 1, 40, 13, "?0C"},
        ValueCase{"KeyLabelChinese", {}, 1, 4, 12, "PF 1", true},
        ValueCase{"PriorityFixed", {{PriorityMode, "01"}}, 2, 40, 12, "Fixed"},
        ValueCase{"PrioritySelected", {{PriorityMode, "02"}}, 2, 40, 12, "Selected"},
        ValueCase{"PriorityChannelZero", {{PriorityChannel, "00"}}, 2, 40, 13, "0"},
        ValueCase{"LookBackFF", {{LookBackTimeA, "ff"}}, 2, 40, 14, "13.20"},
        ValueCase{"LookBackOne", {{LookBackTimeB, "01"}}, 2, 40, 15, "0.50"},
        ValueCase{"RevertPriorityTalkBack", {{RevertChannel, "03"}}, 2, 40, 16, "Priority + Talk Back "},
        ValueCase{"RevertFF", {{RevertChannel, "ff"}}, 2, 40, 16, "Selected"},
        ValueCase{"Dropout300", {{DropoutDelayTime, "2c01"}}, 2, 40, 17, "300"},
        ValueCase{"DropoutHighFF", {{DropoutDelayTime, "05ff"}}, 2, 40, 17, "5"},
        ValueCase{"DwellFFFF", {{TxDwellTime, "ffff"}}, 2, 40, 18, "255"}));

INSTANTIATE_TEST_SUITE_P(
    Signalling, ReportValues,
    ::testing::Values(
        ValueCase{"Speed15", {{DtmfSpeed, "03"}}, 3, 40, 14, "15"},
        ValueCase{"SpeedFF", {{DtmfSpeed, "ff"}}, 3, 40, 14, "6"},
        ValueCase{"SpeedUnknown", {{DtmfSpeed, "04"}}, 3, 40, 14, "?04"},
        ValueCase{"FirstDigitTime1000", {{FirstDigitTime, "03"}}, 3, 40, 15, "1000"},
        ValueCase{"StarHashUnknown", {{StarHashTone, "09"}}, 3, 40, 17, "?09"},
        ValueCase{"DCode5s", {{DCodeAssignment, "05"}}, 3, 40, 18, "5s"},
        ValueCase{"DCode16s", {{DCodeAssignment, "10"}}, 3, 40, 18, "16s"},
        ValueCase{"DCodeChinese", {}, 3, 40, 18, "D 码", true},
        ValueCase{"SideToneOff", {{DtmfSideTone, "00"}}, 3, 40, 19, "Disabled"},
        ValueCase{"IdCodeLeadingZero", {{DtmfIdCode, "30313233ff"}}, 3, 100, 14, "0123"},
        ValueCase{"IdCodeStopsAtNonDigit", {{DtmfIdCode, "31324133"}}, 3, 100, 14, "12"},
        ValueCase{"IdCodeEmpty", {{DtmfIdCode, "ff"}}, 3, 100, 14, ""},
        ValueCase{"GroupA", {{GroupCode, "41"}}, 3, 100, 15, "A"},
        ValueCase{"GroupHash", {{GroupCode, "23"}}, 3, 100, 15, "#"},
        ValueCase{"GroupOffChinese", {}, 3, 100, 15, "关", true},
        ValueCase{"AutoResetOff", {{AutoResetTimer, "00"}}, 3, 100, 16, "Off"},
        ValueCase{"CallAlertContinuous", {{CallAlert, "01"}}, 3, 100, 17, "Continuous"},
        ValueCase{"CallAlertOff", {{CallAlert, "02"}}, 3, 100, 17, "Off"},
        ValueCase{"CallAlertUnknown", {{CallAlert, "03"}}, 3, 100, 17, "?03"},
        ValueCase{"TranspondAlert", {{Transpond, "01"}}, 3, 100, 18, "Alert"},
        ValueCase{"TranspondIdCode", {{Transpond, "02"}}, 3, 100, 18, "ID Code"},
        ValueCase{"TranspondOffChinese", {}, 3, 100, 18, "关", true},
        ValueCase{"ClearToTranspondOn", {{ClearToTranspond, "01"}}, 3, 100, 19, "Enabled"},
        ValueCase{"StunCode", {{StunCode, "3132333435363738393031"}}, 3, 100, 20, "1234567890"},
        ValueCase{"StunTypeRx", {{StunType, "01"}}, 3, 100, 21, "TX/RX Inhibit"},
        ValueCase{"StunTypeChineseStays", {{StunType, "01"}}, 3, 100, 21, "TX/RX Inhibit", true},
        ValueCase{"AutodialBlanksLeftOut",
                  {{AutodialMemories + 16, "31322033342020202020202020202020"}}, 3, 8, 26, "1234"},
        ValueCase{"AutodialEmptyWhateverFollows", {{AutodialMemories, "ff31323334"}}, 3, 8, 25, "------"},
        ValueCase{"OwnFleet150", {{OwnFleet, "33"}}, 4, 40, 12, "150"},
        ValueCase{"OwnIdFFFF", {{OwnId, "ffff"}}, 4, 40, 13, "1254"},
        ValueCase{"OwnIdZero", {{OwnId, "0000"}}, 4, 40, 13, "----"},
        ValueCase{"Baud2400", {{FleetSyncBaudRate, "01"}}, 4, 40, 14, "2400"},
        ValueCase{"DelayFFFF", {{DataTxDelay, "ffff"}}, 4, 40, 15, "255"},
        ValueCase{"TimerFFFF", {{MessageModeTimer, "ffff"}}, 4, 40, 16, "255"},
        ValueCase{"TimerOff", {{MessageModeTimer, "0000"}}, 4, 40, 16, "Off"},
        ValueCase{"TimerOffChinese", {{MessageModeTimer, "0000"}}, 4, 40, 16, "关", true},
        ValueCase{"FleetHeadingChinese", {}, 4, 30, 20, "队列", true},
        ValueCase{"FleetIdHeadingChinese", {}, 4, 50, 20, "ID", true},
        ValueCase{"FleetAll", {{FleetList, "000000"}}, 4, 30, 21, "All"},
        ValueCase{"FleetIdAll", {{FleetList, "000000"}}, 4, 50, 21, "All"},
        ValueCase{"Fleet100", {{FleetList + 3, "010100"}}, 4, 30, 22, "100"},
        ValueCase{"FleetId1000", {{FleetList + 3, "010100"}}, 4, 50, 22, "1000"},
        ValueCase{"FleetId4999", {{FleetList + 6, "00a00f"}}, 4, 50, 23, "4999"},
        ValueCase{"FleetEntryFiveAfterTheGap", {{0x1D0, "02ffff"}}, 4, 30, 25, "101"},
        ValueCase{"FleetIdLargest", {{FleetList, "00187c"}}, 4, 50, 21, "32767"}));

INSTANTIATE_TEST_SUITE_P(
    TestFrequenciesAndMessage, ReportValues,
    ::testing::Values(
        ValueCase{"Rx146125", {{TestFrequencyTable, "00256114ffffffff"}}, 5, 35, 13, "146.12500"},
        ValueCase{"TxNone", {{TestFrequencyTable, "00256114ffffffff"}}, 5, 65, 13, "000.00000"},
        ValueCase{"EmptyWhateverFollows", {{TestFrequencyTable, "ff25611400256114"}}, 5, 65, 13, "---------"},
        ValueCase{"OddNibbleEndsTheNumber", {{TestFrequencyTable, "00256a14"}}, 5, 35, 13, "000.00146"},
        ValueCase{"MessageFull",
                  {{EmbeddedMessage, "4142434445464748494a4b4c4d4e4f505152535455565758595a303132333435"}}, 6, 4, 12,
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"},
        ValueCase{"MessageLineTwoAlone", {{EmbeddedMessage + 32, "48656c6c6fff41"}}, 6, 4, 13, "Hello"},
        ValueCase{"MessageLatin1", {{EmbeddedMessage, "e9ff"}}, 6, 4, 12, "é"}));

// A value with no printable form ends the report; the box names it.
struct FailureCase {
    const char* name;
    int address;
    const char* hex;
    int section;
    const char* description;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ReportFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReportFailures, EndTheReportNamingTheValue)
{
    const FailureCase& c = GetParam();
    RadioImage image = DefaultUhf();
    image.write(c.address, QByteArray::fromHex(c.hex));
    const auto run = RunReport(InputFor(image, {c.section}));
    ASSERT_TRUE(run->failure);
    EXPECT_EQ(run->failure->kind, PrintFailure::Kind::Value);
    EXPECT_EQ(run->failure->description, QString::fromUtf8(c.description));
    EXPECT_TRUE(run->page.aborted());
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReportFailures,
    ::testing::Values(FailureCase{"Voice3", VoiceAnnunciation, "03", 0, "Voice Annunciation: 03"},
                      FailureCase{"VoiceFE", VoiceAnnunciation, "fe", 0, "Voice Annunciation: FE"},
                      FailureCase{"PttId3", PttIdTiming, "03", 0, "PTT ID: 03"},
                      FailureCase{"Priority3", PriorityMode, "03", 2, "Priority: 03"},
                      FailureCase{"Revert4", RevertChannel, "04", 2, "Revert Channel: 04"},
                      FailureCase{"DropoutHigh80", DropoutDelayTime, "0080", 2, "Dropout Delay Time [s]: 00 80"},
                      FailureCase{"DwellHighFE", TxDwellTime, "01fe", 2, "Tx Dwell Time [s]: 01 FE"},
                      FailureCase{"OwnIdHigh80", OwnId, "0080", 4, "ID(own): 00 80"},
                      FailureCase{"OwnIdShownAbove32767", OwnId, "197c", 4, "ID(own): 19 7C"},
                      FailureCase{"DelayHigh90", DataTxDelay, "0090", 4, "Data TX Modulation Delay Timer [ms]: 00 90"},
                      FailureCase{"TimerHighFE", MessageModeTimer, "00fe", 4, "Message Mode Timer [s]: 00 FE"},
                      FailureCase{"FleetIdHighFF", FleetList, "0001ff", 4, "Fleet List 1 ID: 01 FF"},
                      FailureCase{"FleetIdShownAbove32767", FleetList + 3, "00197c", 4, "Fleet List 2 ID: 19 7C"}));

TEST(ReportFailures, ChineseLabelsNameTheValueInChinese)
{
    RadioImage image = DefaultUhf();
    image.set(VoiceAnnunciation, 0x03);
    const auto run = RunReport(InputFor(image, {0}, true));
    ASSERT_TRUE(run->failure);
    EXPECT_EQ(run->failure->description, "语音提示: 03");
}

}  // namespace
}  // namespace zx::test
