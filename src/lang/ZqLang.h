#pragma once
// Language files: named sections, one per window, whose keys set the texts of the
// window and of its controls by dotted paths ("Button1.Caption", "Memo1.Lines.Strings").
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/LangNode.h"

namespace vok {

// A key that assigns its value to a string of the program instead of a property.
struct TZqLangItem {
    std::string Name;
    std::string* Value = nullptr;
};

struct TZqLangSection {
    std::string Name;                       // "[Main Form]", brackets included
    std::shared_ptr<TZqLangNode> Root;      // where paths start; none reports every key
    std::vector<TZqLangItem> Items;
    std::vector<std::string> DenyPrefixes;  // keys starting with one of these (and with
    std::vector<std::string> AllowPrefixes; // none of these) are refused
    // Called at the next header; a text it leaves behind is reported as not loaded.
    std::function<void(std::string&)> OnEnd;
};

class TZqLanguage {
public:
    // Appends a section; the first of several sections with one name is the one found.
    TZqLangSection& AddSection(std::string name, std::shared_ptr<TZqLangNode> root);
    const std::vector<std::unique_ptr<TZqLangSection>>& Sections() const { return sections_; }

    // Applies the text of one language file; what could not be applied is appended
    // to errors as blocks separated by an empty line.
    void LoadLanguage(std::string_view text, std::string& errors) const;

private:
    TZqLangSection* FindSection(std::string_view name) const;
    std::vector<std::unique_ptr<TZqLangSection>> sections_;
};

// The largest language file the program reads; a larger one counts as unreadable.
inline constexpr std::size_t kMaxLanguageFileBytes = std::size_t(8) << 20;
// Reported keys and section names longer than this are cut and end in "...".
inline constexpr std::size_t kMaxReportedLine = 200;

// A language file's text as the loader reads it. A leading UTF-8 byte-order mark is
// taken off and then the texts are UTF-8; a file whose lines end in CR alone gets
// CR LF line ends. Guesses holds one line for each such guess, for the translator's check.
struct TZqLanguageText {
    std::string Text;
    bool Utf8 = false;
    std::vector<std::string> Guesses;
};
TZqLanguageText PrepareLanguageText(std::string_view fileText);

// Case-insensitive equality over single-byte text (ASCII letters folded).
bool SameText(std::string_view a, std::string_view b);

}  // namespace vok
