#pragma once
// What Combine remembers for Split: the size and file name (without folder) of
// every frame it placed, in placement order; and its ".parts" text file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

struct SplitRecord {
    std::vector<std::int32_t> PartWidths;
    std::vector<std::int32_t> PartHeights;
    std::vector<std::string> PartNames;

    std::size_t size() const { return PartNames.size(); }
    bool empty() const { return PartNames.empty(); }
    bool operator==(const SplitRecord&) const = default;
};

// One line per frame, "width height name", CR LF line ends.
std::string FormatSplitRecord(const SplitRecord& record);
// Reads that text (CR LF or LF). The name is everything after the second blank.
// Raises vok::Exception naming the file and line for a line that is not a frame,
// and for a name with a folder part, so that Split never writes outside its folder.
SplitRecord ParseSplitRecord(std::string_view text, const std::string& fileName);

}  // namespace vok
