#include "lang/Charsets.h"

#include "lang/ZqLang.h"

namespace vok {

std::optional<int> CharsetFromIdent(std::string_view ident) {
    for (const CharsetIdent& charset : Charsets)
        if (SameText(charset.Name, ident)) return charset.Value;
    return std::nullopt;
}

const char* CharsetIdentOf(int value) {
    for (const CharsetIdent& charset : Charsets)
        if (charset.Value == value) return charset.Name;
    return nullptr;
}

const char* CharsetEncoding(int value) {
    for (const CharsetIdent& charset : Charsets)
        if (charset.Value == value) return charset.Encoding;
    return nullptr;
}

}  // namespace vok
