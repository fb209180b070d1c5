// The language reader on a small object tree: line rules, resolution order, error text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "lang/ZqLang.h"

namespace vok {
namespace {

// A plain object with string properties, a font-like charset, object properties and
// owned components, enough to stand for a window.
struct FakeObject {
    std::string Name;
    bool Edit = false, Font = false;
    std::map<std::string, std::string> Strings;  // published string properties
    int Charset = 1;
    std::map<std::string, FakeObject*> Objects;  // published object properties
    std::vector<FakeObject*> Owned;
    std::vector<FakeObject*> Collection;
};

class FakeNode : public TZqLangNode {
public:
    explicit FakeNode(FakeObject* object) : o_(object) {}
    const void* Identity() const override { return o_; }
    Ptr Component(std::string_view name) override {
        for (FakeObject* owned : o_->Owned)
            if (SameText(owned->Name, name)) return std::make_unique<FakeNode>(owned);
        return nullptr;
    }
    std::vector<Ptr> Components() override {
        std::vector<Ptr> nodes;
        for (FakeObject* owned : o_->Owned) nodes.push_back(std::make_unique<FakeNode>(owned));
        return nodes;
    }
    Ptr ObjectProperty(std::string_view name) override {
        for (auto& [key, object] : o_->Objects)
            if (SameText(key, name)) return std::make_unique<FakeNode>(object);
        return nullptr;
    }
    std::vector<Ptr> ObjectProperties() override {
        std::vector<Ptr> nodes;
        for (auto& entry : o_->Objects) nodes.push_back(std::make_unique<FakeNode>(entry.second));
        return nodes;
    }
    int CollectionCount() const override { return o_->Collection.empty() ? -1 : int(o_->Collection.size()); }
    Ptr CollectionItem(int index) override { return std::make_unique<FakeNode>(o_->Collection.at(std::size_t(index))); }
    TZqPropKind PropertyKind(std::string_view name) const override {
        if (o_->Font && SameText(name, "Charset")) return TZqPropKind::Charset;
        if (SameText(name, "Width")) return TZqPropKind::Other;
        if (SameText(name, "Name") && !o_->Font) return TZqPropKind::String;
        for (auto& entry : o_->Strings)
            if (SameText(entry.first, name)) return TZqPropKind::String;
        return TZqPropKind::None;
    }
    void SetString(std::string_view name, const std::string& value) override { o_->Strings[std::string(name)] = value; }
    void SetCharset(std::string_view, int charset) override { o_->Charset = charset; }
    bool IsComponent() const override { return !o_->Font; }
    bool IsEdit() const override { return o_->Edit; }
    bool IsFont() const override { return o_->Font; }
    void SetFontCharset(int charset) override { o_->Charset = charset; }

private:
    FakeObject* o_;
};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Name = "Form1";
        form.Strings["Caption"] = "Form";
        form.Objects["Font"] = &formFont;
        button.Name = "Button1";
        button.Strings["Caption"] = "OK";
        button.Objects["Font"] = &buttonFont;
        edit.Name = "Edit1";
        edit.Edit = true;
        edit.Objects["Font"] = &editFont;
        for (FakeObject* font : {&formFont, &buttonFont, &editFont}) font->Font = true;
        form.Owned = {&button, &edit};
        language.AddSection("[Main Form]", std::make_shared<FakeNode>(&form));
        language.AddSection("[Other Form]", std::make_shared<FakeNode>(&other));
    }
    std::string Load(const std::string& text) {
        std::string errors;
        language.LoadLanguage(text, errors);
        return errors;
    }

    FakeObject form, button, edit, formFont, buttonFont, editFont, other;
    TZqLanguage language;
};

TEST_F(LanguageTest, FailingKeysOfOneSectionShareOneHeaderAndSectionsAreSeparatedByAnEmptyLine) {
    EXPECT_EQ(Load("\t[Main Form]\r\nButton9.Caption\tx\r\nButton1.Width\t5\r\nButton1.Caption\tGo\r\n"
                   "\t[Nowhere]\r\nButton1.Caption\tlost\r\n\t[Other Form]\r\nCaption\ty\r\n"),
              "[Main Form]\r\nThe following properties weren't loaded:\r\n  Button9.Caption\r\n  Button1.Width\r\n"
              "\r\n[Nowhere]\r\nUnknown section.\r\n"
              "\r\n[Other Form]\r\nThe following properties weren't loaded:\r\n  Caption\r\n");
    EXPECT_EQ(button.Strings["Caption"], "Go");
}

TEST_F(LanguageTest, LineRules) {
    // Before any header, a comment, a header without its TAB, a third column, LF in a value.
    EXPECT_EQ(Load("Caption\tearly\r\n;\t[Main Form]\r\n[Main Form]\tx\r\n\t[MAIN form]\r\n"
                   "Caption\tA\nB\tignored\r\nButton1\r\n\t\r\n\r\n\r\n"),
              "");
    EXPECT_EQ(form.Strings["Caption"], "A\r\nB");
    // A bare LF does not end a line: the header below is part of the value.
    Load("\t[Main Form]\r\nButton1.Caption\tone\n\t[Other Form]\r\n");
    EXPECT_EQ(button.Strings["Caption"], "one\r\n");
}

TEST_F(LanguageTest, NamesAndCharsets) {
    EXPECT_EQ(Load("\t[Main Form]\r\nButton1.Name\tRenamed\r\nFont.Charset\t256\r\nButton1.Font.Charset\t$CC\r\n"
                   "Edit1.Font.Charset\trussian_charset\r\nFont.Charset\t-1\r\n"),
              "[Main Form]\r\nThe following properties weren't loaded:\r\n  Button1.Name\r\n  Font.Charset\r\n"
              "  Font.Charset\r\n");
    EXPECT_EQ(button.Strings.count("Name"), 0u);
    EXPECT_EQ(formFont.Charset, 1);
    EXPECT_EQ(buttonFont.Charset, 204);
    EXPECT_EQ(editFont.Charset, 204);
}

TEST_F(LanguageTest, GlobalCharsetSkipsEditsAndEditsCharsetTouchesOnlyThem) {
    // A cycle between objects ends the walk at the second visit.
    FakeObject loop;
    loop.Objects["Back"] = &button;
    button.Objects["Loop"] = &loop;
    EXPECT_EQ(Load("\t[Main Form]\r\nGlobalCharset\tGREEK_CHARSET\r\nEditsCharset\t204\r\nGlobalCharset\tNO_CHARSET\r\n"),
              "");
    EXPECT_EQ(formFont.Charset, 161);
    EXPECT_EQ(buttonFont.Charset, 161);
    EXPECT_EQ(editFont.Charset, 1);
    Load("\t[Main Form]\r\nEditsCharset\tTHAI_CHARSET\r\n");
    EXPECT_EQ(editFont.Charset, 222);
    EXPECT_EQ(formFont.Charset, 161);
}

TEST_F(LanguageTest, ItemsComeFirstThenThePrefixFilter) {
    std::string title;
    TZqLangSection& section = language.AddSection("[Items]", std::make_shared<FakeNode>(&form));
    section.Items.push_back({"Title", &title});
    section.DenyPrefixes = {"Button"};
    section.AllowPrefixes = {"Button1.Cap"};
    int ends = 0;
    section.OnEnd = [&ends](std::string& left) {
        if (++ends == 1) left = "Missing";
    };
    EXPECT_EQ(Load("\t[items]\r\ntitle\tHello\r\nButton1.Caption\tGo\r\nButton1.Font.Charset\t0\r\n\t[Items]\r\n\t[Main Form]\r\n"),
              "[Items]\r\nThe following properties weren't loaded:\r\n  Button1.Font.Charset\r\n  Missing\r\n");
    EXPECT_EQ(title, "Hello");
    EXPECT_EQ(button.Strings["Caption"], "Go");
    EXPECT_EQ(ends, 2);
}

TEST_F(LanguageTest, CollectionsByIndexAndSectionsWithoutRoot) {
    FakeObject column;
    column.Strings["Caption"] = "";
    FakeObject columns;
    columns.Collection = {&column};
    button.Objects["Columns"] = &columns;
    language.AddSection("[Empty]", nullptr);
    EXPECT_EQ(Load("\t[Main Form]\r\nButton1.Columns.0.Caption\tName\r\nButton1.Columns.1.Caption\tx\r\n"
                   "\t[Empty]\r\nCaption\tx\r\n"),
              "[Main Form]\r\nThe following properties weren't loaded:\r\n  Button1.Columns.1.Caption\r\n"
              "\r\n[Empty]\r\nThe following properties weren't loaded:\r\n  Caption\r\n");
    EXPECT_EQ(column.Strings["Caption"], "Name");
}

TEST_F(LanguageTest, HostileFilesLoadAndReport) {
    std::string deep = "\t[Main Form]\r\n";
    for (int i = 0; i < 1000; ++i) deep += "Button1.";
    deep += "Caption\tx\r\n" + std::string(1 << 20, 'k') + "\tv\r\n";
    const std::string errors = Load(deep);
    EXPECT_NE(errors.find("weren't loaded"), std::string::npos);
    // The 1,000-part path and the megabyte-long key: one header, two key lines.
    std::size_t keyLines = 0;
    for (std::size_t at = errors.find("\r\n  "); at != std::string::npos; at = errors.find("\r\n  ", at + 1)) ++keyLines;
    EXPECT_EQ(keyLines, 2u);
    EXPECT_EQ(Load(std::string("\0\xff\t\t\r\n\t\0\r\n\x01\tx", 13)), std::string("\0\r\nUnknown section.\r\n", 21));
}

TEST_F(LanguageTest, ALongKeyOrSectionNameIsCutToAReadableLineInTheReport) {
    const std::string key(5 << 20, 'k');
    const std::string errors = Load("\t[Main Form]\r\n" + key + "\tv\r\n\t[" + key + "]\r\n");
    EXPECT_EQ(errors, "[Main Form]\r\nThe following properties weren't loaded:\r\n  " + key.substr(0, 200) +
                          "...\r\n\r\n[" + key.substr(0, 199) + "...\r\nUnknown section.\r\n");
}

TEST(LanguageText, AByteOrderMarkMeansUtf8AndCrAloneEndsLinesBothSaidAsGuesses) {
    const TZqLanguageText marked = PrepareLanguageText("\xEF\xBB\xBF\t[Main Form]\r\nCaption\t\xC3\xA4\r\n");
    EXPECT_EQ(marked.Text, "\t[Main Form]\r\nCaption\t\xC3\xA4\r\n");
    EXPECT_TRUE(marked.Utf8);
    EXPECT_EQ(marked.Guesses.size(), 1u);
    const TZqLanguageText mac = PrepareLanguageText("\t[Main Form]\rCaption\tA\nB\r");
    EXPECT_EQ(mac.Text, "\t[Main Form]\r\nCaption\tA\nB\r\n");
    EXPECT_FALSE(mac.Utf8);
    EXPECT_EQ(mac.Guesses.size(), 1u);
    // A file of CR LF lines keeps a stray CR inside a value, and nothing was guessed.
    const TZqLanguageText plain = PrepareLanguageText("\t[Main Form]\r\nCaption\ta\rb\r\n");
    EXPECT_EQ(plain.Text, "\t[Main Form]\r\nCaption\ta\rb\r\n");
    EXPECT_TRUE(plain.Guesses.empty());
}

}  // namespace
}  // namespace vok
