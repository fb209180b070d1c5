#include "support/FileNameOrder.h"

#include <algorithm>

namespace vok {

namespace {

unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

}  // namespace

void SortFileNames(std::vector<std::string>& names) { std::stable_sort(names.begin(), names.end(), LessIgnoringCase); }

}  // namespace vok
