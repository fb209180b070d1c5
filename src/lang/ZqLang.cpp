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

// Opens a block of the error text: blocks are separated by an empty line.
void OpenBlock(std::string& errors, std::string_view section, std::string_view title) {
    if (!errors.empty()) errors += "\r\n";
    errors.append(section).append("\r\n").append(title).append("\r\n");
}

// The keys of one section that could not be applied, under one header.
class NotLoaded {
public:
    NotLoaded(std::string& errors, const TZqLangSection& section) : errors_(errors), section_(section) {}
    void Report(std::string_view key) {
        if (!headerWritten_) OpenBlock(errors_, section_.Name, "The following properties weren't loaded:");
        headerWritten_ = true;
        errors_.append("  ").append(key).append("\r\n");
    }

private:
    std::string& errors_;
    const TZqLangSection& section_;
    bool headerWritten_ = false;
};

// One key of the current section, in the order: items, prefix filter, root, charsets, path.
void ApplyKey(const TZqLangSection& section, std::string_view key, const std::string& value, NotLoaded& notLoaded) {
    for (const TZqLangItem& item : section.Items) {
        if (SameText(item.Name, key)) {
            if (item.Value) *item.Value = value;
            return;
        }
    }
    if (StartsWithAny(key, section.DenyPrefixes) && !StartsWithAny(key, section.AllowPrefixes))
        return notLoaded.Report(key);
    if (!section.Root) return notLoaded.Report(key);
    if (SameText(key, "GlobalCharset") || SameText(key, "EditsCharset")) {
        if (const std::optional<int> charset = CharsetFromIdent(value))
            WalkCharset(*section.Root, *charset, SameText(key, "EditsCharset"));
        return;
    }
    if (!ApplyPath(*section.Root, key, value)) notLoaded.Report(key);
}

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
    static const TZqSeparators kTab = {"\t"};
    const TZqParsedString lines = ParseString(text, kLineBreaks);
    const int lineCount = TokenCount(lines, true);
    TZqLangSection* section = nullptr;
    std::unique_ptr<NotLoaded> notLoaded;
    for (int i = 0; i < lineCount; ++i) {
        const std::string_view line = TokenView(lines, i);
        if (!line.empty() && line.front() == ';') continue;
        const TZqParsedString columns = ParseString(line, kTab);
        if (TokenCount(columns, false) < 2) continue;
        const std::string_view key = TokenView(columns, 0);
        const std::string_view value = TokenView(columns, 1);
        if (key.empty()) {
            if (value.empty()) continue;
            if (section && section->OnEnd) {
                std::string left;
                section->OnEnd(left);
                if (!left.empty()) notLoaded->Report(left);
            }
            section = FindSection(value);
            if (section) {
                notLoaded = std::make_unique<NotLoaded>(errors, *section);
            } else {
                notLoaded.reset();
                OpenBlock(errors, value, "Unknown section.");
            }
            continue;
        }
        if (!section) continue;
        ApplyKey(*section, key, ReplaceInString(value, "\n", "\r\n", rfReplaceAll), *notLoaded);
    }
}

}  // namespace vok
