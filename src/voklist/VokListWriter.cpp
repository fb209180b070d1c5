#include <string>

#include "support/Check.h"
#include "voklist/VokList.h"

namespace vok {

namespace {

// The sprite builder takes BMP frames only: any other extension becomes ".bmp",
// a name without one gets it appended.
std::string WithBmpExtension(std::string_view name) {
    const std::size_t mark = name.find_last_of(".\\/:");
    if (mark != std::string_view::npos && name[mark] == '.') name = name.substr(0, mark);
    return std::string(name) + ".bmp";
}

}  // namespace

std::string VokListText(const TVokListDocument& doc) {
    ZQ_ASSERT(IsValidTypeIndex(doc.TypeIndex), "Invalid Vok Type");
    std::string text;
    if (doc.HasHeader()) text = doc.FirstLineText + std::to_string(TypeValue(doc.TypeIndex)) + doc.SettingsBlock;
    const int bound = GroupBound(doc.TypeIndex);
    for (int g = 0; g <= bound; ++g) {
        const TMyStrArray& names = doc.Groups[std::size_t(g)];
        if (names.empty()) continue;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i > 0) text += "\r\n";
            text += WithBmpExtension(names[i]);
        }
        text += "  " + std::to_string(g) + "+\r\n";
    }
    return text;
}

}  // namespace vok
