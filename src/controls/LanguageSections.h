#pragma once
// The windows whose texts the language files set, in the order they announced
// themselves. A window announces itself with one line in its constructor:
//     AddLanguageSection("[Move Form]", this);
// Its controls are then reached by their object names and designer property names
// (Caption, Hint, Text, Lines, Items, Font.Charset, Font.Name). Texts that belong to no
// control, such as a dialog's title, are offered by name with ExposeLanguageTexts.
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

namespace vok {

struct LanguageSection {
    std::string Name;  // "[Main Form]", brackets included
    QPointer<QWidget> Root;
};

// A window that is destroyed leaves the list by itself.
void AddLanguageSection(const std::string& name, QWidget* window);
// The sections of the windows alive now, in order.
std::vector<LanguageSection> LanguageSections();

// Texts of a window's non-visual component (a dialog's Title and Filter, a string holder's
// Items): a language file sets them as "<component>.<property>", a list of lines as
// "<component>.<property>.Strings". The strings must live as long as the window.
class LanguageTexts : public QObject {
    Q_OBJECT
public:
    struct Text {
        std::string Property;
        std::string* Value = nullptr;
        // For a list of lines instead of one text.
        std::vector<std::string>* Lines = nullptr;
    };
    LanguageTexts(QWidget* window, const std::string& component, std::vector<Text> texts);
    const std::vector<Text>& Texts() const { return texts_; }

private:
    std::vector<Text> texts_;
};

inline void ExposeLanguageTexts(QWidget* window, const std::string& component, std::vector<LanguageTexts::Text> texts) {
    new LanguageTexts(window, component, std::move(texts));
}

}  // namespace vok
