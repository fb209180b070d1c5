#include "support/FileNameOrder.h"

#include <algorithm>

#include "support/CaseFold.h"

namespace vok {

bool FileNameLess(const std::string& a, const std::string& b) {
    const auto folded = [](char x, char y) {
        return static_cast<unsigned char>(FoldNameCase(x)) < static_cast<unsigned char>(FoldNameCase(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
    return a < b;
}

void SortFileNames(std::vector<std::string>& names) { std::sort(names.begin(), names.end(), FileNameLess); }

}  // namespace vok
