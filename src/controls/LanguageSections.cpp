#include "controls/LanguageSections.h"

#include <algorithm>

namespace vok {
namespace {

std::vector<LanguageSection>& Registered() {
    static std::vector<LanguageSection> sections;
    return sections;
}

}  // namespace

void AddLanguageSection(const std::string& name, QWidget* window) {
    Registered().push_back(LanguageSection{name, window});
    // A window made later at the same address must not inherit this entry.
    QObject::connect(window, &QObject::destroyed, [window] {
        auto& sections = Registered();
        sections.erase(std::remove_if(sections.begin(), sections.end(),
                                      [window](const LanguageSection& s) { return s.Root.isNull() || s.Root == window; }),
                       sections.end());
    });
}

LanguageTexts::LanguageTexts(QWidget* window, const std::string& component, std::vector<Text> texts)
    : QObject(window), texts_(std::move(texts)) {
    setObjectName(QString::fromStdString(component));
}

std::vector<LanguageSection> LanguageSections() {
    std::vector<LanguageSection> alive;
    for (const LanguageSection& section : Registered())
        if (!section.Root.isNull()) alive.push_back(section);
    return alive;
}

}  // namespace vok
