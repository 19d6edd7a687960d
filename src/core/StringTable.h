#pragma once
// The program's string table: ids 1001-1254 hold the Chinese member of a
// pair, id n + 1000 its English member; ids 1900-1913 read the same in both
// languages.
#include <QString>

namespace zx {

inline constexpr int kFirstPairId = 1001;
inline constexpr int kLastPairId = 1254;
inline constexpr int kFirstSharedId = 1900;
inline constexpr int kLastSharedId = 1913;

struct StringResourceEntry {
    int id;
    const char* text;  // UTF-8
};

// The table itself (StringTableData.cpp).
extern const StringResourceEntry kStringResources[];
extern const int kStringResourceCount;

// The raw table entry for a resource id; empty for an id outside the table.
QString StringResource(int id);

// Pair id n (1001-1254) in the given language, or shared id n (1900-1913).
QString LoadLangString(int n, bool chinese);

// The same in the language in force (the core's LanguageChinese).
QString LoadLangString(int n);

// One of two inline texts (UTF-8), chosen by the language in force.
QString LangText(const char* chinese, const char* english);

}  // namespace zx
