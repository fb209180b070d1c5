#include "support/IniFile.h"

#include <algorithm>

#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Up to the first line break: the rest could not be read back as part of the value.
std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        Line line;
        line.text.assign(text.substr(pos, end - pos));
        const std::string_view trimmed = Trim(line.text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            if (close != std::string_view::npos) {
                line.header = true;
                line.section.assign(Trim(trimmed.substr(1, close - 1)));
            }
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const std::size_t eq = trimmed.find('=');
            if (eq != std::string_view::npos) line.key.assign(Trim(trimmed.substr(0, eq)));
        }
        lines_.push_back(std::move(line));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        } else if (pos < text.size()) {
            ++pos;  // '\n'
        }
    }
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].header && SameName(lines_[i].section, section)) return i;
    return lines_.size();
}

std::size_t IniDocument::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size() && !lines_[i].header; ++i)
        if (!lines_[i].key.empty() && SameName(lines_[i].key, key)) return i;
    return lines_.size();
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) return std::nullopt;
    const std::size_t at = FindKey(header, key);
    if (at == lines_.size()) return std::nullopt;
    const std::string& text = lines_[at].text;
    return std::string(Trim(std::string_view(text).substr(text.find('=') + 1)));
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Line line;
    line.key.assign(key);
    line.text = std::string(key) + "=" + std::string(FirstLine(value));
    std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        Line head;
        head.header = true;
        head.section.assign(section);
        head.text = "[" + std::string(section) + "]";
        lines_.push_back(std::move(head));
        lines_.push_back(std::move(line));
        return;
    }
    const std::size_t at = FindKey(header, key);
    if (at != lines_.size()) {
        lines_[at] = std::move(line);
        return;
    }
    // After the section's last key, before any blank lines that part it from the next.
    std::size_t end = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !lines_[i].header; ++i)
        if (!Trim(lines_[i].text).empty()) end = i + 1;
    lines_.insert(lines_.begin() + std::ptrdiff_t(end), std::move(line));
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += "\r\n";
    }
    return text;
}

IniDocument IniFile::Document() const {
    try {
        return IniDocument(ReadFileText(fileName_));
    } catch (const std::exception&) {
        return IniDocument();  // a missing or unreadable file holds no keys
    }
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    return Document().Value(section, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key) const {
    return Read(section, key).value_or(std::string());
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const {
    std::string text;
    if (FileExists(fileName_)) {
        try {
            text = ReadFileText(fileName_);
        } catch (const std::exception&) {
            throw Exception("Unable to write to " + fileName_);
        }
    }
    IniDocument document(text);
    document.SetValue(section, key, value);
    const std::string out = document.Text();
    try {
        WriteFileSafely(fileName_, out.data(), out.size());
    } catch (const std::exception&) {
        throw Exception("Unable to write to " + fileName_);
    }
}

}  // namespace vok
