#include "app/MonVoks.h"

namespace vok {

std::string VokNameOf(const std::vector<std::uint8_t>& data, int index) {
    if (index < 0 || index >= CreatureCount) return {};
    const std::size_t start = std::size_t(CreatureCount - 1 - index) * MonVoksRecordSize;
    std::string name;
    for (std::size_t i = start; i < start + MonVoksNameSize && i < data.size() && data[i] != 0; ++i)
        name += char(data[i]);
    return name;
}

}  // namespace vok
