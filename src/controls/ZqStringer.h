#pragma once
// Holds a list of lines designed with a window: tables of names, file templates.
#include <string>
#include <utility>
#include <vector>

namespace vok {

class TZqStringer {
public:
    TZqStringer() = default;
    explicit TZqStringer(std::vector<std::string> items) : items_(std::move(items)) {}

    const std::vector<std::string>& Items() const { return items_; }
    // Assigning copies the lines.
    void SetItems(const std::vector<std::string>& items) { items_ = items; }
    // The lines themselves, for a language file to replace.
    std::vector<std::string>& Lines() { return items_; }
    int Count() const { return int(items_.size()); }
    // The line at index, or an empty line outside the list.
    const std::string& operator[](int index) const {
        static const std::string none;
        return index >= 0 && index < Count() ? items_[std::size_t(index)] : none;
    }

private:
    std::vector<std::string> items_;
};

}  // namespace vok
