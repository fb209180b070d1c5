#pragma once
// Language files: named sections, one per window, whose keys set the texts of the
// window and of its controls by dotted paths ("Button1.Caption", "Memo1.Lines.Strings").
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

// Case-insensitive equality over single-byte text (ASCII letters folded).
bool SameText(std::string_view a, std::string_view b);

}  // namespace vok
