#pragma once
// The words the channel list and the channel codec show and recognise, by
// string-table id, and the choice lists of the grid's list cells. A word is
// always compared with the form of one language, the one passed in.
#include <cstdint>

#include <QString>
#include <QStringList>

namespace zx::words {

inline constexpr int kNone = 1077;              // "None" / "无": tone none, signalling none
inline constexpr int kCarrier = 1079;           // busy lockout 1, SP unmute 0
inline constexpr int kCarrierAndOptSig = 1080;  // SP unmute 1
inline constexpr int kCarrierOrOptSig = 1081;   // SP unmute 2
inline constexpr int kQtDqtAndOptSig = 1082;
inline constexpr int kQtDqtOrOptSig = 1083;
inline constexpr int kOptionSignalling = 1084;  // busy lockout 3
inline constexpr int kOff = 1085;               // busy lockout 0, PTT ID off
inline constexpr int kWide = 1086;
inline constexpr int kNarrow = 1087;
inline constexpr int kYes = 1088;
inline constexpr int kOn = 1089;
inline constexpr int kHigh = 1090;
inline constexpr int kLow = 1091;
inline constexpr int kNo = 1092;
inline constexpr int kFleetList = 1177;
inline constexpr int kOwn = 1253;
inline constexpr int kQtDqt = 1900;             // the same in both languages
inline constexpr int kDtmf = 1901;
inline constexpr int kFleetSync = 1902;

// The word of `id` in the given language (LoadLangString).
QString Word(int id, bool chinese);

// "Fleet List n" / "队列表 n" (n = 1..8).
QString FleetListEntry(int n, bool chinese);

// The choices of a list cell of the channel grid, in list order:
// column 5 High, Low; 6 Narrow, Wide; 7 Yes, No; 8 None, "DTMF", "FleetSync";
// 9 by the PTT ID type: 1 Off, Own, Fleet List 1-8, any other Off, On.
// Columns 3 and 4 take the tone list (ToneList.h); other columns have none.
QStringList CellChoices(int column, std::uint8_t pttIdType, bool chinese);

}  // namespace zx::words
