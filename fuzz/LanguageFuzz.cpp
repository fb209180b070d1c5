// libFuzzer target for the language reader: any file must load without a crash or a
// hang, and its error text must be made of whole blocks: a section name, then
// "Unknown section." or the not-loaded header with indented keys, blocks separated by
// one empty line, every line ending in CR LF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lang/ZqLang.h"

namespace {

// A window with two controls whose fonts refer back to the window: a cycle for the
// charset walk.
struct Object {
    const char* Name;
    bool Edit, Font;
    Object* Inner;
};
Object window{"Form1", false, false, nullptr};
Object button{"Button1", false, false, nullptr};
Object edit{"Edit1", true, false, nullptr};
Object font{"Font", false, true, nullptr};

class Node : public vok::TZqLangNode {
public:
    explicit Node(Object* o) : o_(o) {}
    const void* Identity() const override { return o_; }
    Ptr Component(std::string_view name) override {
        if (o_ != &window) return nullptr;
        for (Object* c : {&button, &edit})
            if (vok::SameText(c->Name, name)) return std::make_unique<Node>(c);
        return nullptr;
    }
    std::vector<Ptr> Components() override {
        std::vector<Ptr> nodes;
        nodes.push_back(std::make_unique<Node>(&button));
        nodes.push_back(std::make_unique<Node>(&edit));
        return nodes;
    }
    Ptr ObjectProperty(std::string_view name) override {
        if (vok::SameText(name, "Font")) return std::make_unique<Node>(&font);
        if (vok::SameText(name, "Owner")) return std::make_unique<Node>(&window);
        return nullptr;
    }
    std::vector<Ptr> ObjectProperties() override {
        std::vector<Ptr> nodes;
        nodes.push_back(std::make_unique<Node>(&font));
        nodes.push_back(std::make_unique<Node>(&window));
        return nodes;
    }
    vok::TZqPropKind PropertyKind(std::string_view name) const override {
        if (o_->Font) return vok::SameText(name, "Charset") ? vok::TZqPropKind::Charset : vok::TZqPropKind::None;
        if (vok::SameText(name, "Caption") || vok::SameText(name, "Name")) return vok::TZqPropKind::String;
        return vok::SameText(name, "Width") ? vok::TZqPropKind::Other : vok::TZqPropKind::None;
    }
    bool IsComponent() const override { return !o_->Font; }
    bool IsVisualControl() const override { return !o_->Font; }
    bool IsEdit() const override { return o_->Edit; }
    bool IsFont() const override { return o_->Font; }

private:
    Object* o_;
};

bool WholeBlocks(std::string_view errors) {
    if (errors.empty()) return true;
    if (errors.size() < 2 || errors.substr(errors.size() - 2) != "\r\n") return false;
    return errors.find("\r\n\r\n\r\n") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vok::TZqLanguage language;
    language.AddSection("[Main Form]", std::make_shared<Node>(&window));
    language.AddSection("[Empty]", nullptr);
    // As the program reads a file: a byte-order mark and CR-only line ends taken care of.
    const std::string text = vok::PrepareLanguageText(std::string_view(reinterpret_cast<const char*>(data), size)).Text;
    std::string errors;
    language.LoadLanguage(text, errors);
    if (!WholeBlocks(errors)) __builtin_trap();
    // The same file gives the same report.
    std::string again;
    language.LoadLanguage(text, again);
    if (again != errors) __builtin_trap();
    return 0;
}
