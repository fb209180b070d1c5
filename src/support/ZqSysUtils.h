#pragma once
// Whole-file reading and writing, folder creation and the assertion handler.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

using TZqByteArray = std::vector<std::uint8_t>;

// The whole file; raises EOSError when it cannot be opened or read.
TZqByteArray ReadFileBytes(const std::string& path);
// The whole file byte for byte, no newline or encoding conversion.
std::string ReadFileText(const std::string& path);
// Creates missing folders, truncates an existing file; raises EOSError.
void WriteFileText(const std::string& path, std::string_view text);
// Writes through a temporary file in the target's folder renamed over the target,
// so a failure leaves the old file untouched. Creates missing folders.
// Raises EOSError; the temporary file is removed on failure.
void WriteFileSafely(const std::string& path, const void* data, std::size_t size);

// True when the folder exists afterwards.
bool CreateFolders(const std::string& folder);

// Open flags, as the platform's creation dispositions.
enum class CreationDisposition { CreateNew, CreateAlways, OpenExisting, OpenAlways, TruncateExisting };
// open(2) with the folder-creating rule: for CreateAlways and OpenAlways the folder part
// of the path is created first; when that fails, -1 is returned without opening.
int OpenFileCreatingFolder(const std::string& path, int accessFlags, CreationDisposition disposition,
                           int mode = 0666);

// Folder part of a path up to and including its last delimiter ('/' or '\\'); may be empty.
std::string ExtractFilePath(std::string_view path);
// Name part after the last delimiter.
std::string ExtractFileName(std::string_view path);
// Extension including the dot, or empty.
std::string ExtractFileExt(std::string_view path);
// The folder with a trailing '/'.
std::string IncludeTrailingPathDelimiter(std::string_view folder);
// A leading '/' or a drive colon ("C:") makes a full path.
bool IsFullPath(std::string_view path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Turns a failed check into EAssertionFailed("%s (%s, line %d)") with the bare file name;
// an empty message reads "Assertion failed". Never returns.
[[noreturn]] void AssertionFailedHandler(std::string_view message, std::string_view fileName, int lineNumber);

}  // namespace vok
