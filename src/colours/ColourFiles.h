#pragma once
// The colour workflow on files: what the window's buttons and vokcli's commands run.
// Pictures are read and written as BMP; every file is written safely, so a failure
// never leaves a partial file.
#include <string>
#include <vector>

#include "colours/ColourOptions.h"
#include "colours/ShadowCopy.h"
#include "colours/SplitRecord.h"
#include "colours/StandardColors.h"
#include "support/Progress.h"

namespace vok {

// The commands work on the frames side by side on the worker threads (see WorkPool.h):
// the files written are the same for any thread count, a failure is reported for the
// first failing file in order, and a file whose turn comes after a failed one is not
// written.

// Loads the frames in case-insensitive order of their names, writes the combined
// picture to outFile and returns what Split needs. An old record beside outFile is
// removed before the picture is replaced, so that no failure leaves a record beside a
// picture it does not describe. Any failure raises before the record is returned.
SplitRecord CombineFiles(const std::vector<std::string>& files, const std::string& outFile,
                         const StandardColorTable& colors, const ColourOptions& options,
                         IProgress* progress = nullptr);

// Loads the combined picture and writes each frame to folder + its recorded name
// (an empty folder is the working folder). Nothing is written when the picture
// cannot be loaded or is too small; frames written before a later failure stay written.
void SplitFile(const std::string& combinedFile, const SplitRecord& record, const std::string& folder,
               const StandardColorTable& colors, int tolerance, const ColourOptions& options,
               IProgress* progress = nullptr);

// Each file: load, delete, save. Files saved before a failure stay changed.
void DeleteShadowsInFiles(const std::vector<std::string>& files, const StandardColorTable& colors,
                          IProgress* progress = nullptr);

// Pairs sources and targets in case-insensitive order of their names and copies each
// pair into its target file; "Different number of pictures" when the lists differ in
// size. All pictures are loaded and checked before the first target is written, so an
// unreadable file, an unsupported layout or a too small source changes nothing; a failing
// save leaves the targets saved before it changed.
void CopyShadowsInFiles(const std::vector<std::string>& sources, const std::vector<std::string>& targets,
                        const StandardColorTable& colors, const ShadowCopySettings& settings,
                        IProgress* progress = nullptr);

// The record file that goes with a combined picture: its name + ".parts".
std::string SplitRecordFileName(const std::string& combinedFile);
void SaveSplitRecord(const SplitRecord& record, const std::string& fileName);
// Raises vok::Exception naming the file when it is missing, unreadable or not a record.
SplitRecord LoadSplitRecord(const std::string& fileName);
// Removes the record if there is one.
void RemoveSplitRecord(const std::string& fileName);
// Larger files are not records.
inline constexpr std::size_t kMaxSplitRecordBytes = std::size_t(16) << 20;

// A standard-colour list file in the memo's text form.
StandardColorTable LoadStandardColors(const std::string& fileName);

}  // namespace vok
