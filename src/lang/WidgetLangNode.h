#pragma once
// The designer names of the Qt widgets as a language file sees them: a window owns
// its named controls; every control publishes Hint, Name and Font (Charset, Name);
// windows, buttons, check boxes, labels and group boxes publish Caption; memos
// publish Lines, combo and list boxes Items (string lists set by "Strings"); the
// text of any control is reached by Text.
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "lang/LangNode.h"

namespace vok {

class WidgetLangNode : public TZqLangNode {
public:
    // utf8: the file's texts are UTF-8 whatever the character set of a font.
    explicit WidgetLangNode(QWidget* widget, bool utf8 = false) : widget_(widget), utf8_(utf8) {}

    const void* Identity() const override { return widget_.data(); }
    Ptr Component(std::string_view name) override;
    std::vector<Ptr> Components() override;
    Ptr ObjectProperty(std::string_view name) override;
    std::vector<Ptr> ObjectProperties() override;
    TZqPropKind PropertyKind(std::string_view name) const override;
    void SetString(std::string_view name, const std::string& value) override;
    bool IsComponent() const override { return true; }
    bool IsVisualControl() const override { return true; }
    bool IsEdit() const override;
    void SetText(const std::string& text) override;

private:
    QWidget* Widget() const;
    QPointer<QWidget> widget_;
    bool utf8_;
    // The window's named controls and text holders, gathered once per file: a file of
    // many keys would otherwise search the whole window for each.
    struct Named {
        QPointer<QObject> object;
        std::string name;
    };
    std::vector<Named> controls_, texts_;
    bool gathered_ = false;
    void Gather();
};

// The character set a language file gave a control's font, or else its parent's up to
// its window (1, the default, when none).
int FontCharset(const QWidget* widget);

}  // namespace vok
