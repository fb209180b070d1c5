#pragma once
// Whole-file reading and writing, folder creation and the assertion handler.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct stat;

#include "support/UnfilledBytes.h"

namespace vok {

using TZqByteArray = std::vector<std::uint8_t>;

// What the whole-file readers take at most from a device, whose size is unknown.
inline constexpr std::size_t kMaxStreamBytes = std::size_t(64) << 20;
// Opens a file for reading without waiting for a writer and fills st. Raises EOSError
// when it cannot be opened, EOSError(EISDIR) for a folder and ENotRegularFile for a
// pipe or socket; a device is opened for reading as it comes.
int OpenFileForReading(const std::string& path, struct stat& st);
// The whole file; raises EOSError when it cannot be opened or read, EOSError(EFBIG)
// when it holds more than limit bytes, EOSError(EISDIR) for a folder, ENotRegularFile
// for a pipe or socket (which a blocking open or read could wait on forever).
TZqByteArray ReadFileBytes(const std::string& path, std::size_t limit = SIZE_MAX);
// The same into a buffer that is not cleared before the file is read into it.
UnfilledBytes ReadFileBytesUnfilled(const std::string& path, std::size_t limit = SIZE_MAX);
// A picture file whole, read as ReadFileBytesUnfilled; a file it cannot read raises the
// pictures' open error naming it.
UnfilledBytes ReadPictureFileBytes(const std::string& fileName);
// The whole file byte for byte, no newline or encoding conversion.
std::string ReadFileText(const std::string& path, std::size_t limit = SIZE_MAX);
// Creates missing folders, truncates an existing file; raises EOSError.
void WriteFileText(const std::string& path, std::string_view text);
// Writes through a temporary file in the target's folder renamed over the target,
// so a failure leaves the old file untouched. Creates missing folders.
// Raises EOSError; the temporary file is removed on failure.
void WriteFileSafely(const std::string& path, const void* data, std::size_t size);
// The same for a file made of several pieces, written in order.
struct ByteRange {
    const void* data;
    std::size_t size;
};
void WriteFileSafely(const std::string& path, const std::vector<ByteRange>& pieces);
// The same for content made as it is written: `produce` hands its bytes in order to the
// `put` it is given, which returns false once writing failed (produce may then stop).
// A target with several hard links is written in place after the temporary file is
// complete, so `produce` may be called twice and must give the same bytes each time.
using ContentPut = std::function<bool(const void* data, std::size_t size)>;
void WriteFileSafely(const std::string& path, const std::function<void(const ContentPut& put)>& produce);

// True when the folder exists afterwards.
bool CreateFolders(const std::string& folder);

// How an open treats an existing or missing file.
enum class CreationDisposition { CreateNew, CreateAlways, OpenExisting, OpenAlways, TruncateExisting };
// open(2) with the folder-creating rule: for CreateAlways and OpenAlways the folder part
// of the path is created first; when that fails, -1 is returned without opening and
// errno tells why the folder could not be made. accessFlags: O_RDONLY, O_WRONLY or
// O_RDWR, plus any further open flags.
int OpenFileCreatingFolder(const std::string& path, int accessFlags, CreationDisposition disposition,
                           int mode = 0666);
// The same with plain open flags: folders are created when O_CREAT is set without O_EXCL.
int OpenFileCreatingFolder(const std::string& path, int openFlags, int mode = 0666);

// The one path rule of every file routine: the name joined to the folder unless it is a
// full path, every '\\' turned into '/' (names read from files may use either), and
// "." and ".." of a full path resolved by the letters. Readers and writers of a name
// land on the same file.
std::string ToNativePath(std::string_view name, std::string_view folder = {});

// Folder part of a path up to and including its last delimiter ('/' or '\\', or the
// drive colon of "C:name"); may be empty.
std::string ExtractFilePath(std::string_view path);
// Name part after the last delimiter.
std::string ExtractFileName(std::string_view path);
// Extension including the dot, or empty.
std::string ExtractFileExt(std::string_view path);
// The path with its extension replaced by ext (which includes the dot), or ext appended.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// The folder with a trailing delimiter ('/' added unless it ends in '/' or '\\');
// an empty folder stays empty.
std::string IncludeTrailingPathDelimiter(std::string_view folder);
// A leading '/' or a drive colon ("C:") makes a full path.
bool IsFullPath(std::string_view path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Turns a failed check into EAssertionFailed("%s (%s, line %d)") with the bare file name;
// an empty message reads "Assertion failed". Never returns.
[[noreturn]] void AssertionFailedHandler(std::string_view message, std::string_view fileName, int lineNumber);

}  // namespace vok
