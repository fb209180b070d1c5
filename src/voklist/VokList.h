#pragma once
// Reading and writing VokList files (".txl"): CR LF text, an optional 15-line
// header, then the frame names group by group, each group closed by a line
// "name  g+".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "voklist/VokListTypes.h"

namespace vok {

// A name that ends in ".txl", in any case.
bool IsVokListName(const std::string& name);

// Larger files are not VokLists; they are refused before they are read.
inline constexpr std::uintmax_t kMaxVokListBytes = 64u << 20;

// Reads a whole list into doc. Nothing is cleared first: slots that the file
// does not name keep their names. On any failure doc is left exactly as it was.
// Returns the file's lines up to its last non-empty one.
// Raises EAssertionFailed "File invalid or corrupt (Unit5.cpp, line 201)",
// EConvertError for a type or group number that is not an integer, EOSError.
std::vector<std::string> ReadVokList(const std::string& fileName, TVokListDocument& doc);
std::vector<std::string> ParseVokListText(std::string_view text, TVokListDocument& doc);

// Writes the whole list safely (temporary file renamed over the target).
void WriteVokList(const std::string& fileName, const TVokListDocument& doc);
std::string VokListText(const TVokListDocument& doc);

// Appends every frame name of the list in file order, group markers cut off.
// Only the size limit is checked; file errors propagate.
void ReadVokListFrameNames(const std::string& fileName, std::vector<std::string>& list);
void AppendVokListFrameNames(std::string_view text, std::vector<std::string>& list);

}  // namespace vok
