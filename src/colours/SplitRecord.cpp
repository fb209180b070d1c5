#include "colours/SplitRecord.h"

#include "support/Errors.h"
#include "support/TextLines.h"
#include "support/ZqStrUtils.h"

namespace vok {

namespace {

// A frame is at least one pixel wide and high.
bool ReadSize(std::string_view text, std::int32_t& value) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return TryTextToInt(text, value) && value > 0;
}

bool SafeName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos &&
           name.find(':') == std::string_view::npos;
}

}  // namespace

std::string FormatSplitRecord(const SplitRecord& record) {
    std::string text;
    for (std::size_t k = 0; k < record.size(); ++k)
        text += std::to_string(record.PartWidths[k]) + " " + std::to_string(record.PartHeights[k]) + " " +
                record.PartNames[k] + "\r\n";
    return text;
}

SplitRecord ParseSplitRecord(std::string_view text, const std::string& fileName) {
    SplitRecord record;
    const std::vector<std::string> lines = TextLines(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        const std::size_t lineNumber = k + 1;
        if (line.empty()) continue;
        const std::size_t first = line.find(' ');
        const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
        std::int32_t width = 0, height = 0;
        if (second == std::string_view::npos || !ReadSize(line.substr(0, first), width) ||
            !ReadSize(line.substr(first + 1, second - first - 1), height) || !SafeName(line.substr(second + 1)))
            throw Exception("Line " + std::to_string(lineNumber) + " of \"" + fileName +
                            "\" is not \"width height name\" with sizes above 0 and a file name without folder");
        record.PartWidths.push_back(width);
        record.PartHeights.push_back(height);
        record.PartNames.emplace_back(line.substr(second + 1));
    }
    if (record.empty()) throw Exception("\"" + fileName + "\" names no pictures");
    return record;
}

}  // namespace vok
