#pragma once
// What a language file can reach: a window, its controls and the objects they publish
// (fonts, string lists, collections), seen through designer property names. The window
// side implements it; the rules that walk it live beside the language reader.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

enum class TZqPropKind {
    None,     // no published property of that name
    String,   // a text
    Charset,  // a font character set: an identifier or 0..255
    Other,    // published, but not of a kind a language file may set
};

class TZqLangNode {
public:
    virtual ~TZqLangNode() = default;
    using Ptr = std::unique_ptr<TZqLangNode>;

    // The object behind the node: two nodes of one object answer the same.
    virtual const void* Identity() const = 0;

    // A component this one owns, found by name; none when there is no such.
    virtual Ptr Component(std::string_view name) { (void)name; return nullptr; }
    // Every component this one owns directly.
    virtual std::vector<Ptr> Components() { return {}; }
    // A published property of object type whose value is set.
    virtual Ptr ObjectProperty(std::string_view name) { (void)name; return nullptr; }
    virtual std::vector<Ptr> ObjectProperties() { return {}; }
    // A published field holding an object.
    virtual Ptr Field(std::string_view name) { (void)name; return nullptr; }
    // Collections: the item count, or -1 when this is not a collection.
    virtual int CollectionCount() const { return -1; }
    virtual Ptr CollectionItem(int index) { (void)index; return nullptr; }

    virtual TZqPropKind PropertyKind(std::string_view name) const { (void)name; return TZqPropKind::None; }
    virtual void SetString(std::string_view name, const std::string& value) { (void)name; (void)value; }
    virtual void SetCharset(std::string_view name, int charset) { (void)name; (void)charset; }

    virtual bool IsComponent() const { return false; }
    virtual bool IsVisualControl() const { return false; }
    virtual bool IsEdit() const { return false; }
    virtual bool IsFont() const { return false; }
    virtual bool IsStringList() const { return false; }

    // A string list's whole text, split into lines at its line breaks.
    virtual void SetStrings(const std::string& text) { (void)text; }
    // A visual control's text.
    virtual void SetText(const std::string& text) { (void)text; }
    // A font's character set (the charset walk).
    virtual void SetFontCharset(int charset) { (void)charset; }
};

}  // namespace vok
