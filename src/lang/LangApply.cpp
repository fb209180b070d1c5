#include "lang/LangApply.h"

#include <exception>
#include <optional>
#include <unordered_set>
#include <vector>

#include "lang/Charsets.h"
#include "lang/ZqLang.h"
#include "support/ZqStrUtils.h"

namespace vok {
namespace {

std::vector<std::string_view> SplitDots(std::string_view key) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t dot = key.find('.'); dot != std::string_view::npos; dot = key.find('.', start)) {
        parts.push_back(key.substr(start, dot - start));
        start = dot + 1;
    }
    parts.push_back(key.substr(start));
    return parts;
}

// One step into an object: a published object property, a collection index, a field.
TZqLangNode::Ptr StepInto(TZqLangNode& node, std::string_view part) {
    if (TZqLangNode::Ptr inner = node.ObjectProperty(part)) return inner;
    if (const int count = node.CollectionCount(); count >= 0) {
        std::int32_t index = 0;
        if (TryTextToInt(part, index) && index >= 0 && index < count)
            if (TZqLangNode::Ptr item = node.CollectionItem(index)) return item;
    }
    return node.Field(part);
}

std::optional<int> CharsetValue(const std::string& value) {
    if (const std::optional<int> ident = CharsetFromIdent(value)) return ident;
    std::int32_t number = 0;
    if (TryTextToInt(value, number) && number >= 0 && number <= 255) return number;
    return std::nullopt;
}

bool SetLast(TZqLangNode& node, std::string_view name, const std::string& value) {
    if (node.IsStringList() && SameText(name, "Strings")) {
        node.SetStrings(value);
        return true;
    }
    switch (node.PropertyKind(name)) {
    case TZqPropKind::Charset: {
        const std::optional<int> charset = CharsetValue(value);
        if (!charset) return false;
        node.SetCharset(name, *charset);
        return true;
    }
    case TZqPropKind::String:
        // A language file never renames a component.
        if (node.IsComponent() && SameText(name, "Name")) return false;
        node.SetString(name, value);
        return true;
    case TZqPropKind::Other: return false;
    case TZqPropKind::None: break;
    }
    if (node.IsVisualControl() && SameText(name, "Text")) {
        node.SetText(value);
        return true;
    }
    return false;
}

bool Resolve(TZqLangNode& root, std::string_view key, const std::string& value) {
    const std::vector<std::string_view> parts = SplitDots(key);
    const std::size_t leading = parts.size() - 1;
    // Nodes are kept alive while their inner objects are in use.
    std::vector<TZqLangNode::Ptr> path;
    TZqLangNode* node = &root;
    std::size_t i = 0;
    for (; i < leading; ++i) {
        TZqLangNode::Ptr owned = node->Component(parts[i]);
        if (!owned) break;
        node = owned.get();
        path.push_back(std::move(owned));
    }
    for (; i < leading; ++i) {
        TZqLangNode::Ptr inner = StepInto(*node, parts[i]);
        if (!inner) return false;
        node = inner.get();
        path.push_back(std::move(inner));
    }
    return SetLast(*node, parts.back(), value);
}

class CharsetWalk {
public:
    CharsetWalk(int charset, bool editsOnly) : charset_(charset), editsOnly_(editsOnly) {}

    void Visit(TZqLangNode& node) {
        if (node.IsEdit() != editsOnly_) return;
        if (!seen_.insert(node.Identity()).second) return;
        for (TZqLangNode::Ptr& inner : node.ObjectProperties()) {
            if (inner->IsFont()) {
                if (seen_.insert(inner->Identity()).second) inner->SetFontCharset(charset_);
            } else {
                Visit(*inner);
            }
        }
    }

private:
    int charset_;
    bool editsOnly_;
    std::unordered_set<const void*> seen_;
};

}  // namespace

bool ApplyPath(TZqLangNode& root, std::string_view key, const std::string& value) {
    try {
        return Resolve(root, key, value);
    } catch (const std::exception&) {
        return false;
    }
}

void WalkCharset(TZqLangNode& root, int charset, bool editsOnly) {
    CharsetWalk walk(charset, editsOnly);
    walk.Visit(root);
    for (TZqLangNode::Ptr& component : root.Components()) walk.Visit(*component);
}

}  // namespace vok
