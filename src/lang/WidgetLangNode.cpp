#include "lang/WidgetLangNode.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTextEdit>
#include <stdexcept>

#include "controls/ControlHint.h"
#include "controls/LanguageSections.h"
#include "controls/Windows1252.h"
#include "lang/Charsets.h"
#include "lang/ZqLang.h"

namespace vok {
namespace {

const char* const kCharsetProperty = "FontCharset";

// A text of a language file: UTF-8 in a file marked as such, else in the character set
// of the control's font: a file for RUSSIAN_CHARSET is written in Windows-1251, and so on.
QString Decoded(const QWidget* w, const std::string& text, bool utf8) {
    if (utf8) return QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (const char* encoding = CharsetEncoding(FontCharset(w))) {
        QStringDecoder decoder(encoding);
        if (decoder.isValid()) return decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    }
    return FromWindows1252(text);
}

// A text as a control shows it: CR LF breaks become Qt's LF.
QString Shown(const QWidget* w, const std::string& text, bool utf8) {
    QString shown = Decoded(w, text, utf8);
    shown.replace("\r\n", "\n");
    return shown;
}

// The controls a window owns: its named widgets, not those of the windows it parents
// and not the toolkit's own inner widgets.
std::vector<QWidget*> OwnedControls(QWidget* window) {
    std::vector<QWidget*> controls;
    if (!window || !window->isWindow()) return controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (child->window() == window && !name.isEmpty() && !name.startsWith("qt_")) controls.push_back(child);
    }
    return controls;
}

bool HasCaption(const QWidget* w) {
    return w->isWindow() || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

bool HasStringList(const QWidget* w, std::string_view name) {
    if (SameText(name, "Lines")) return qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
    if (SameText(name, "Items")) return qobject_cast<const QComboBox*>(w) || qobject_cast<const QListWidget*>(w);
    return false;
}

// Published properties that a language file may not set.
bool IsOtherProperty(std::string_view name) {
    for (const char* other : {"Left", "Top", "Width", "Height", "Enabled", "Visible", "TabOrder", "TabStop", "Tag",
                              "Color", "ParentFont", "ShowHint", "Cursor", "HelpContext"})
        if (SameText(name, other)) return true;
    return false;
}

// A control's font, as a published object of its own.
class FontLangNode : public TZqLangNode {
public:
    FontLangNode(QWidget* widget, bool utf8) : widget_(widget), utf8_(utf8) {}
    const void* Identity() const override { return reinterpret_cast<const char*>(widget_.data()) + 1; }
    bool IsFont() const override { return true; }
    TZqPropKind PropertyKind(std::string_view name) const override {
        if (SameText(name, "Charset")) return TZqPropKind::Charset;
        if (SameText(name, "Name")) return TZqPropKind::String;
        for (const char* other : {"Size", "Height", "Color", "Style", "Pitch"})
            if (SameText(name, other)) return TZqPropKind::Other;
        return TZqPropKind::None;
    }
    void SetCharset(std::string_view, int charset) override { SetFontCharset(charset); }
    void SetFontCharset(int charset) override { Widget()->setProperty(kCharsetProperty, charset); }
    void SetString(std::string_view, const std::string& value) override {
        QFont font = Widget()->font();
        font.setFamilies({Decoded(Widget(), value, utf8_)});
        Widget()->setFont(font);
    }

private:
    QWidget* Widget() const {
        if (!widget_) throw std::runtime_error("control gone");
        return widget_.data();
    }
    QPointer<QWidget> widget_;
    bool utf8_;
};

// A non-visual component's texts.
class TextsLangNode : public TZqLangNode {
public:
    TextsLangNode(LanguageTexts* texts, bool utf8) : texts_(texts), utf8_(utf8) {}
    const void* Identity() const override { return texts_.data(); }
    bool IsComponent() const override { return true; }
    TZqPropKind PropertyKind(std::string_view name) const override {
        if (SameText(name, "Name")) return TZqPropKind::String;
        if (const LanguageTexts::Text* text = Find(name)) return text->Value ? TZqPropKind::String : TZqPropKind::Other;
        return TZqPropKind::None;
    }
    void SetString(std::string_view name, const std::string& value) override {
        const LanguageTexts::Text* text = Find(name);
        if (text && text->Value) *text->Value = DecodedText(value).toStdString();
    }
    Ptr ObjectProperty(std::string_view name) override;

    QString DecodedText(const std::string& value) const {
        const auto* window = texts_ ? qobject_cast<const QWidget*>(texts_->parent()) : nullptr;
        return Decoded(window, value, utf8_);
    }

private:
    const LanguageTexts::Text* Find(std::string_view name) const {
        if (texts_)
            for (const LanguageTexts::Text& text : texts_->Texts())
                if (SameText(text.Property, name)) return &text;
        return nullptr;
    }
    QPointer<LanguageTexts> texts_;
    bool utf8_;
};

// Lines split at CR LF, CR or LF; a final break starts no line of its own.
QStringList SplitLines(QString all) {
    all.replace("\r\n", "\n").replace('\r', '\n');
    QStringList lines = all.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// A non-visual component's list of lines ("Groups42.Items").
class TextLinesLangNode : public TZqLangNode {
public:
    TextLinesLangNode(const TextsLangNode& owner, std::vector<std::string>* lines) : owner_(owner), lines_(lines) {}
    const void* Identity() const override { return lines_; }
    bool IsStringList() const override { return true; }
    void SetStrings(const std::string& text) override {
        lines_->clear();
        for (const QString& line : SplitLines(owner_.DecodedText(text))) lines_->push_back(line.toStdString());
    }

private:
    const TextsLangNode& owner_;
    std::vector<std::string>* lines_;
};

TZqLangNode::Ptr TextsLangNode::ObjectProperty(std::string_view name) {
    const LanguageTexts::Text* text = Find(name);
    if (!text || !text->Lines) return nullptr;
    return std::make_unique<TextLinesLangNode>(*this, text->Lines);
}

// A memo's lines or a list's items.
class StringsLangNode : public TZqLangNode {
public:
    StringsLangNode(QWidget* widget, bool utf8) : widget_(widget), utf8_(utf8) {}
    const void* Identity() const override { return reinterpret_cast<const char*>(widget_.data()) + 2; }
    bool IsStringList() const override { return true; }
    void SetStrings(const std::string& text) override {
        if (!widget_) throw std::runtime_error("control gone");
        const QStringList lines = SplitLines(Decoded(widget_.data(), text, utf8_));
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data())) memo->setPlainText(lines.join('\n'));
        else if (auto* rich = qobject_cast<QTextEdit*>(widget_.data())) rich->setPlainText(lines.join('\n'));
        else if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
            // New texts for the same entries: the choice stays and nothing reports a change
            // (a list editor would otherwise switch its type on start-up).
            const int chosen = combo->currentIndex();
            const QSignalBlocker quiet(combo);
            combo->clear();
            combo->addItems(lines);
            combo->setCurrentIndex(chosen < combo->count() ? chosen : -1);
        } else if (auto* list = qobject_cast<QListWidget*>(widget_.data())) {
            list->clear();
            list->addItems(lines);
        }
    }

private:
    QPointer<QWidget> widget_;
    bool utf8_;
};

}  // namespace

int FontCharset(const QWidget* widget) {
    // A control without a font of its own uses its parent's, up to its window.
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant charset = w->property(kCharsetProperty);
        if (charset.isValid()) return charset.toInt();
    }
    return 1;
}

QWidget* WidgetLangNode::Widget() const {
    if (!widget_) throw std::runtime_error("control gone");
    return widget_.data();
}

void WidgetLangNode::Gather() {
    if (gathered_) return;
    gathered_ = true;
    for (QWidget* control : OwnedControls(widget_.data()))
        controls_.push_back({control, control->objectName().toStdString()});
    if (widget_ && widget_->isWindow())
        for (LanguageTexts* texts : widget_->findChildren<LanguageTexts*>(Qt::FindDirectChildrenOnly))
            texts_.push_back({texts, texts->objectName().toStdString()});
}

TZqLangNode::Ptr WidgetLangNode::Component(std::string_view name) {
    Gather();
    for (const Named& control : controls_)
        if (control.object && SameText(control.name, name))
            return std::make_unique<WidgetLangNode>(static_cast<QWidget*>(control.object.data()), utf8_);
    for (const Named& texts : texts_)
        if (texts.object && SameText(texts.name, name))
            return std::make_unique<TextsLangNode>(static_cast<LanguageTexts*>(texts.object.data()), utf8_);
    return nullptr;
}

std::vector<TZqLangNode::Ptr> WidgetLangNode::Components() {
    Gather();
    std::vector<Ptr> nodes;
    for (const Named& control : controls_)
        if (control.object)
            nodes.push_back(std::make_unique<WidgetLangNode>(static_cast<QWidget*>(control.object.data()), utf8_));
    return nodes;
}

TZqLangNode::Ptr WidgetLangNode::ObjectProperty(std::string_view name) {
    QWidget* w = Widget();
    if (SameText(name, "Font")) return std::make_unique<FontLangNode>(w, utf8_);
    if (HasStringList(w, name)) return std::make_unique<StringsLangNode>(w, utf8_);
    return nullptr;
}

std::vector<TZqLangNode::Ptr> WidgetLangNode::ObjectProperties() {
    std::vector<Ptr> nodes;
    nodes.push_back(ObjectProperty("Font"));
    for (const char* list : {"Lines", "Items"})
        if (Ptr strings = ObjectProperty(list)) nodes.push_back(std::move(strings));
    return nodes;
}

TZqPropKind WidgetLangNode::PropertyKind(std::string_view name) const {
    const QWidget* w = Widget();
    if (SameText(name, "Hint") || SameText(name, "Name")) return TZqPropKind::String;
    if (SameText(name, "Caption") && HasCaption(w)) return TZqPropKind::String;
    return IsOtherProperty(name) ? TZqPropKind::Other : TZqPropKind::None;
}

void WidgetLangNode::SetString(std::string_view name, const std::string& value) {
    QWidget* w = Widget();
    if (SameText(name, "Hint")) return SetHint(w, Decoded(w, value, utf8_));
    if (SameText(name, "Caption")) SetText(value);
}

bool WidgetLangNode::IsEdit() const {
    const QWidget* w = Widget();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

void WidgetLangNode::SetText(const std::string& text) {
    QWidget* w = Widget();
    const QString shown = Shown(w, text, utf8_);
    if (w->isWindow()) w->setWindowTitle(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(shown);
    else if (auto* label = qobject_cast<QLabel*>(w)) label->setText(shown);
    else if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(shown);
    else if (auto* line = qobject_cast<QLineEdit*>(w)) line->setText(shown);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->setPlainText(shown);
    else if (auto* rich = qobject_cast<QTextEdit*>(w)) rich->setPlainText(shown);
    else if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setCurrentText(shown);
    else throw std::runtime_error("no text");
}

}  // namespace vok
