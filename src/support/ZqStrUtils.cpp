#include "support/ZqStrUtils.h"

#include <algorithm>
#include <cstring>

#include "support/CaseFold.h"

namespace vok {

namespace {

// Appends the positions of one split of [begin, end) to out.
void SplitStretch(const char* begin, const char* end, const TZqSeparators& separators, TZqParsedString& out) {
    out.push_back(begin);
    const char* cursor = begin;
    while (cursor < end) {
        const std::size_t rest = std::size_t(end - cursor);
        const std::string_view* match = nullptr;
        for (const std::string_view& sep : separators) {
            if (!sep.empty() && sep.size() <= rest && std::memcmp(cursor, sep.data(), sep.size()) == 0) {
                match = &sep;
                break;
            }
        }
        if (match) {
            out.push_back(cursor);
            cursor += match->size();
            out.push_back(cursor);
        } else {
            ++cursor;
        }
    }
    out.push_back(end);
}

std::string FoldedCopy(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = FoldTextCase(c);
    return out;
}

}  // namespace

TZqParsedString ParseString(std::string_view text, const TZqSeparators& separators, int start) {
    TZqParsedString out;
    std::size_t from = start > 1 ? std::size_t(start - 1) : 0;
    from = std::min(from, text.size());
    SplitStretch(text.data() + from, text.data() + text.size(), separators, out);
    return out;
}

TZqParsedString ParseToken(const TZqParsedString& parsed, int index, const TZqSeparators& separators) {
    TZqParsedString out;
    SplitStretch(parsed[2 * std::size_t(index)], parsed[2 * std::size_t(index) + 1], separators, out);
    return out;
}

std::string_view TokenView(const TZqParsedString& parsed, int index) {
    const char* b = parsed[2 * std::size_t(index)];
    const char* e = parsed[2 * std::size_t(index) + 1];
    return b == e ? std::string_view() : std::string_view(b, std::size_t(e - b));
}

std::string TokenText(const TZqParsedString& parsed, int index) { return std::string(TokenView(parsed, index)); }

std::string TokensText(const TZqParsedString& parsed, int first, int end) {
    if (first >= end) return {};
    const char* b = parsed[2 * std::size_t(first)];
    const char* e = end == INT_MAX ? parsed.back() : parsed[2 * std::size_t(end - 1) + 1];
    return b >= e ? std::string() : std::string(b, std::size_t(e - b));
}

int TokenCount(const TZqParsedString& parsed, bool ignoreTrailingEmpty) {
    int count = int(parsed.size() / 2);
    if (ignoreTrailingEmpty)
        while (count > 0 && parsed[2 * std::size_t(count - 1)] == parsed[2 * std::size_t(count - 1) + 1]) --count;
    return count;
}

std::string ReplaceInString(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                            unsigned flags) {
    if (oldPattern.empty()) return std::string(text);
    // Occurrences are searched in case-folded copies when case does not count; the
    // copies have the input's length, so their offsets address the input itself.
    std::string foldedText, foldedPattern;
    std::string_view haystack = text, needle = oldPattern;
    if (flags & rfIgnoreCase) {
        foldedText = FoldedCopy(text);
        foldedPattern = FoldedCopy(oldPattern);
        haystack = foldedText;
        needle = foldedPattern;
    }
    std::vector<std::size_t> hits;
    for (std::size_t pos = haystack.find(needle); pos != std::string_view::npos;
         pos = haystack.find(needle, pos + needle.size())) {
        hits.push_back(pos);
        if (!(flags & rfReplaceAll)) break;
    }
    if (hits.empty()) return std::string(text);

    if (oldPattern.size() == newPattern.size()) {
        std::string out(text);
        for (std::size_t pos : hits) out.replace(pos, newPattern.size(), newPattern);
        return out;
    }
    std::string out;
    out.resize(text.size() - hits.size() * oldPattern.size() + hits.size() * newPattern.size());
    char* dst = out.data();
    std::size_t from = 0;
    for (std::size_t pos : hits) {
        dst = std::copy(text.begin() + std::ptrdiff_t(from), text.begin() + std::ptrdiff_t(pos), dst);
        dst = std::copy(newPattern.begin(), newPattern.end(), dst);
        from = pos + oldPattern.size();
    }
    std::copy(text.begin() + std::ptrdiff_t(from), text.end(), dst);
    return out;
}

}  // namespace vok
