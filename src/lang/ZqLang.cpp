#include "lang/ZqLang.h"

#include "lang/Charsets.h"
#include "lang/LangApply.h"
#include "support/ZqStrUtils.h"

namespace vok {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return prefix.size() <= text.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool StartsWithAny(std::string_view key, const std::vector<std::string>& prefixes) {
    for (const std::string& prefix : prefixes)
        if (StartsWithText(key, prefix)) return true;
    return false;
}

// A reported key or section name at a readable length.
void AppendReported(std::string& errors, std::string_view line) {
    if (line.size() <= kMaxReportedLine) {
        errors.append(line);
        return;
    }
    // Not inside a UTF-8 character.
    std::size_t cut = kMaxReportedLine;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80; ++back) --cut;
    errors.append(line.substr(0, cut)).append("...");
}

// Opens a block of the error text: blocks are separated by an empty line.
void OpenBlock(std::string& errors, std::string_view section, std::string_view title) {
    if (!errors.empty()) errors += "\r\n";
    AppendReported(errors, section);
    errors.append("\r\n").append(title).append("\r\n");
}

// The keys of one section that could not be applied, under one header.
class NotLoaded {
public:
    NotLoaded(std::string& errors, const TZqLangSection& section) : errors_(errors), section_(section) {}
    void Report(std::string_view key) {
        if (!headerWritten_) OpenBlock(errors_, section_.Name, "The following properties weren't loaded:");
        headerWritten_ = true;
        errors_.append("  ");
        AppendReported(errors_, key);
        errors_.append("\r\n");
    }

private:
    std::string& errors_;
    const TZqLangSection& section_;
    bool headerWritten_ = false;
};

// One key of the current section, in the order: items, prefix filter, root, charsets,
// path. False when it must be reported.
bool ApplyKey(const TZqLangSection& section, std::string_view key, const std::string& value) {
    for (const TZqLangItem& item : section.Items) {
        if (SameText(item.Name, key)) {
            if (item.Value) *item.Value = value;
            return true;
        }
    }
    if (StartsWithAny(key, section.DenyPrefixes) && !StartsWithAny(key, section.AllowPrefixes)) return false;
    if (!section.Root) return false;
    if (SameText(key, "GlobalCharset") || SameText(key, "EditsCharset")) {
        if (const std::optional<int> charset = CharsetFromIdent(value))
            WalkCharset(*section.Root, *charset, SameText(key, "EditsCharset"));
        return true;
    }
    return ApplyPath(*section.Root, key, value);
}

// Keys that choose how the texts of their controls are read.
bool IsCharsetKey(std::string_view key) {
    constexpr std::string_view kFontCharset = ".Charset";
    return SameText(key, "GlobalCharset") || SameText(key, "EditsCharset") ||
           (key.size() > kFontCharset.size() && SameText(key.substr(key.size() - kFontCharset.size()), kFontCharset));
}

// Calls onHeader(name) for each section header and onKey(key, value) for each
// assignment, skipping comments and lines of fewer than two columns.
template <class OnHeader, class OnKey>
void ForEachLine(std::string_view text, OnHeader onHeader, OnKey onKey) {
    static const TZqSeparators kTab = {"\t"};
    const TZqParsedString lines = ParseString(text, kLineBreaks);
    const int lineCount = TokenCount(lines, true);
    for (int i = 0; i < lineCount; ++i) {
        const std::string_view line = TokenView(lines, i);
        if (!line.empty() && line.front() == ';') continue;
        const TZqParsedString columns = ParseString(line, kTab);
        if (TokenCount(columns, false) < 2) continue;
        const std::string_view key = TokenView(columns, 0);
        const std::string_view value = TokenView(columns, 1);
        if (!key.empty()) onKey(key, value);
        else if (!value.empty()) onHeader(value);
    }
}

// A value as it is applied: a line feed inside it is a line break.
std::string ValueText(std::string_view value) { return ReplaceInString(value, "\n", "\r\n", rfReplaceAll); }

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

TZqLangSection& TZqLanguage::AddSection(std::string name, std::shared_ptr<TZqLangNode> root) {
    auto section = std::make_unique<TZqLangSection>();
    section->Name = std::move(name);
    section->Root = std::move(root);
    sections_.push_back(std::move(section));
    return *sections_.back();
}

TZqLangSection* TZqLanguage::FindSection(std::string_view name) const {
    for (const auto& section : sections_)
        if (SameText(section->Name, name)) return section.get();
    return nullptr;
}

void TZqLanguage::LoadLanguage(std::string_view text, std::string& errors) const {
    // The character sets first: a set decides how every text of its controls reads,
    // wherever its line stands. Whether each one applied is reported in its place below.
    std::vector<bool> charsetApplied;
    TZqLangSection* section = nullptr;
    ForEachLine(
        text, [&](std::string_view name) { section = FindSection(name); },
        [&](std::string_view key, std::string_view value) {
            if (section && IsCharsetKey(key)) charsetApplied.push_back(ApplyKey(*section, key, ValueText(value)));
        });

    section = nullptr;
    std::unique_ptr<NotLoaded> notLoaded;
    std::size_t charsetLine = 0;
    ForEachLine(
        text,
        [&](std::string_view name) {
            if (section && section->OnEnd) {
                std::string left;
                section->OnEnd(left);
                if (!left.empty()) notLoaded->Report(left);
            }
            section = FindSection(name);
            if (section) {
                notLoaded = std::make_unique<NotLoaded>(errors, *section);
            } else {
                notLoaded.reset();
                OpenBlock(errors, name, "Unknown section.");
            }
        },
        [&](std::string_view key, std::string_view value) {
            if (!section) return;
            const bool applied =
                IsCharsetKey(key) ? charsetApplied[charsetLine++] : ApplyKey(*section, key, ValueText(value));
            if (!applied) notLoaded->Report(key);
        });
}

TZqLanguageText PrepareLanguageText(std::string_view fileText) {
    TZqLanguageText result;
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (fileText.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        fileText.remove_prefix(kUtf8Mark.size());
        result.Utf8 = true;
        result.Guesses.push_back("The file starts with a UTF-8 byte-order mark: its texts are read as UTF-8.");
    }
    if (fileText.find("\r\n") == std::string_view::npos && fileText.find('\r') != std::string_view::npos) {
        result.Text = ReplaceInString(fileText, "\r", "\r\n", rfReplaceAll);
        result.Guesses.push_back("The lines of the file end in CR alone: each CR is read as the end of a line.");
    } else {
        result.Text = fileText;
    }
    return result;
}

}  // namespace vok
