#pragma once
// The rules of the PTT ID settings: which codes a timing requires, the
// entries of a channel's PTT ID for each PTT ID type, and how a Begin or End
// of TX code is typed and stored. How a channel's PTT ID byte reads is the
// channel codec's (PttIdText).
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zx {

class RadioImage;

// PttIdType (0x133) and PttIdTiming (0x132) as the lists show them.
inline constexpr int kPttIdTypeDtmf = 0;
inline constexpr int kPttIdTypeFleetSync = 1;
inline constexpr int kPttIdTimingBot = 0;
inline constexpr int kPttIdTimingEot = 1;
inline constexpr int kPttIdTimingBoth = 2;
inline constexpr int kPttCodeMaxLength = 16;

// PttCodeMissing bits.
inline constexpr int kBotCodeMissing = 1;
inline constexpr int kEotCodeMissing = 2;

// The codes a timing requires: BOT 1, EOT 2, Both 3, anything else 0.
int RequiredPttCodes(int timing);
// RequiredPttCodes of the timing AND the mask of the empty codes.
int PttCodeMissingFor(int timing, bool botEmpty, bool eotEmpty);
// The same from the image: the timing given, a code empty when its first byte
// is 0xFF.
int PttCodeMissingInImage(const RadioImage& image, int timing);

// Texts of the channel list's PTT ID column in the language in force.
QString PttIdOffText();
QString PttIdOnText();
QString PttIdOwnText();
QString FleetListText(int n /*1..8*/);
// The entries of the channel editor's PTT ID list for a type: DTMF Off, On;
// FleetSync Off, Own, Fleet List 1..8.
QStringList PttIdListItems(int type);

// A typed character of a code: 0-9, A-D, * and #; a-d become upper case.
// Nothing for any other character.
std::optional<QChar> PttCodeCharacter(QChar typed);
// True when every character belongs to a code (a-d taken as A-D) and the
// text is at most 16 characters long.
bool IsPttCodeText(const QString& text);
// The 16 bytes of a code: each character's code, then 0xFF.
QByteArray PttCodeBytes(const QString& code);
// The code the bytes hold: every byte that is not 0xFF, in order.
QString PttCodeFromBytes(const QByteArray& bytes);

}  // namespace zx
