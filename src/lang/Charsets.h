#pragma once
// The font character sets a language file may name, with the platform's identifiers.
#include <optional>
#include <string_view>

namespace vok {

struct CharsetIdent {
    int Value;
    const char* Name;
    const char* Encoding;  // how single-byte texts in a font of this set read; none: Windows-1252
};

inline constexpr CharsetIdent Charsets[] = {
    {0, "ANSI_CHARSET", nullptr},
    {1, "DEFAULT_CHARSET", nullptr},
    {2, "SYMBOL_CHARSET", nullptr},
    {77, "MAC_CHARSET", "macintosh"},
    {128, "SHIFTJIS_CHARSET", "Shift_JIS"},
    {129, "HANGEUL_CHARSET", "windows-949"},
    {130, "JOHAB_CHARSET", "windows-1361"},
    {134, "GB2312_CHARSET", "GBK"},
    {136, "CHINESEBIG5_CHARSET", "Big5"},
    {161, "GREEK_CHARSET", "windows-1253"},
    {162, "TURKISH_CHARSET", "windows-1254"},
    {163, "VIETNAMESE_CHARSET", "windows-1258"},
    {177, "HEBREW_CHARSET", "windows-1255"},
    {178, "ARABIC_CHARSET", "windows-1256"},
    {186, "BALTIC_CHARSET", "windows-1257"},
    {204, "RUSSIAN_CHARSET", "windows-1251"},
    {222, "THAI_CHARSET", "windows-874"},
    {238, "EASTEUROPE_CHARSET", "windows-1250"},
    {255, "OEM_CHARSET", nullptr},
};

// The value of an identifier (case-insensitive); none for anything else, numbers included.
std::optional<int> CharsetFromIdent(std::string_view ident);
// The identifier of a value, or none.
const char* CharsetIdentOf(int value);
// The encoding of texts shown in a font of that set; none for Windows-1252.
const char* CharsetEncoding(int value);

}  // namespace vok
