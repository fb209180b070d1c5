#pragma once
// The windows whose texts the language files set, in the order they announced
// themselves. A window announces itself with one line in its constructor:
//     AddLanguageSection("[Move Form]", this);
// Its controls are then reached by their object names and designer property names
// (Caption, Hint, Text, Lines, Items, Font.Charset, Font.Name).
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

}  // namespace vok
