#pragma once
// The designer names of the Qt widgets as a language file sees them: a window owns
// its named controls; every control publishes Hint, Name and Font (Charset, Name);
// windows, buttons, check boxes, labels and group boxes publish Caption; memos
// publish Lines, combo and list boxes Items (string lists set by "Strings"); the
// text of any control is reached by Text.
#include <QPointer>
#include <QWidget>

#include "lang/LangNode.h"

namespace vok {

class WidgetLangNode : public TZqLangNode {
public:
    explicit WidgetLangNode(QWidget* widget) : widget_(widget) {}

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
};

// The character set a language file gave a control's font, or else its parent's up to
// its window (1, the default, when none).
int FontCharset(const QWidget* widget);

}  // namespace vok
