#pragma once
// Settings files in the private-profile layout: "[Section]" headers and key=value
// lines, CR LF. Reading is tolerant: anything that is not a header or a key=value
// line is skipped (and kept as it stands when the file is written back). Section
// and key names compare without regard to ASCII case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

class IniDocument {
public:
    IniDocument() = default;
    // Any bytes: lines end at CR LF, LF or a lone CR.
    explicit IniDocument(std::string_view text);

    // The value of the first key of that name in the first section of that name,
    // blanks around it trimmed; nothing when the section or the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's value, adding the key (and the section, at the end) when missing.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // The document as a file: every line followed by CR LF.
    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string section;  // a header: the section's name
        std::string key;      // a key=value line: the key, trimmed
        bool header = false;
    };
    // Index of the header line of the section, or lines_.size().
    std::size_t FindSection(std::string_view section) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;

    std::vector<Line> lines_;
};

// One settings file, read afresh at each call and not held open.
class IniFile {
public:
    explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& FileName() const { return fileName_; }

    // The whole file; empty when it cannot be read.
    IniDocument Document() const;
    // The value; nothing when the file cannot be read or holds no such key.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The value, or empty.
    std::string ReadString(std::string_view section, std::string_view key) const;
    // Rewrites the file safely with the key set; a line break in the value would start
    // another line, so it ends the value. Raises vok::Exception("Unable to write to
    // <file name>") when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string fileName_;
};

}  // namespace vok
