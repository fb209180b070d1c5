#pragma once
// The one case folding: ASCII letters, as the file system compares names, and
// the Windows-1252 letters on top of it where text is searched.
#include <string_view>

namespace vok {

// 'A'..'Z' to 'a'..'z'; every other byte unchanged.
constexpr char FoldNameCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Names and keywords equal once folded ("IMP.TXL" and "imp.txl").
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Lower case of a Windows-1252 byte: the name folding plus the accented letters
// and the three letters whose capitals stand in the 0x80 row. For searching text.
char FoldTextCase(char c);

}  // namespace vok
