#include "colours/ColourFiles.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

#include "colours/ColourListText.h"
#include "colours/Combine.h"
#include "colours/Split.h"
#include "pcx/PictureFiles.h"
#include "pictures/QPix.h"
#include "support/Errors.h"
#include "support/FileNameOrder.h"
#include "support/ZqSysUtils.h"

namespace vok {

SplitRecord CombineFiles(const std::vector<std::string>& files, const std::string& outFile,
                         const StandardColorTable& colors, const ColourOptions& options, IProgress* progress) {
    const std::vector<std::string> sorted = CombineOrder(files);
    const int total = int(sorted.size());
    SplitRecord record;
    std::vector<Bitmap> frames;
    frames.reserve(sorted.size());
    for (const std::string& file : sorted) {
        CheckProgress(progress, int(frames.size()), total);
        frames.push_back(LoadPicture(file));
        record.PartNames.push_back(ExtractFileName(file));
        record.PartWidths.push_back(frames.back().width());
        record.PartHeights.push_back(frames.back().height());
    }
    CheckProgress(progress, total, total);
    const Bitmap combined = CombinePictures(frames, colors, options);
    frames = {};
    // An old record must never stand beside the new picture: it goes first, and the
    // caller writes the new one after the picture is in place.
    RemoveSplitRecord(SplitRecordFileName(outFile));
    SavePicture(combined, outFile);
    return record;
}

void SplitFile(const std::string& combinedFile, const SplitRecord& record, const std::string& folder,
               const StandardColorTable& colors, int tolerance, const ColourOptions& options,
               IProgress* progress) {
    const Bitmap combined = LoadPicture(combinedFile);
    CheckCombinedSize(combined, record, combinedFile);
    const SplitMode mode = ChooseSplitMode(combined, colors, options);
    SplitPalette palette;
    if (mode != SplitMode::PlainCut) palette = BuildSplitPalette(FullPalette(combined), colors, tolerance, mode);
    const std::string prefix = folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder);
    int x = 0;
    for (std::size_t k = 0; k < record.size(); ++k) {
        CheckProgress(progress, int(k), int(record.size()));
        const Bitmap frame = CutFrame(combined, x, record.PartWidths[k], record.PartHeights[k],
                                      mode == SplitMode::PlainCut ? nullptr : &palette);
        SavePicture(frame, prefix + record.PartNames[k]);
        x += record.PartWidths[k];
    }
    FinishProgress(progress, int(record.size()));
}

void DeleteShadowsInFiles(const std::vector<std::string>& files, const StandardColorTable& colors,
                          IProgress* progress) {
    for (std::size_t k = 0; k < files.size(); ++k) {
        CheckProgress(progress, int(k), int(files.size()));
        const std::string& file = files[k];
        Bitmap picture = LoadPicture(file);
        DeleteShadows(picture, colors);
        SavePicture(picture, file);
    }
    FinishProgress(progress, int(files.size()));
}

void CopyShadowsInFiles(const std::vector<std::string>& sources, const std::vector<std::string>& targets,
                        const StandardColorTable& colors, const ShadowCopySettings& settings,
                        IProgress* progress) {
    if (sources.size() != targets.size()) throw Exception("Different number of pictures");
    std::vector<std::string> sortedSources = sources, sortedTargets = targets;
    SortFileNames(sortedSources);
    SortFileNames(sortedTargets);

    struct Pair {
        Bitmap target, source;
    };
    std::vector<Pair> pairs;
    pairs.reserve(sortedTargets.size());
    for (std::size_t k = 0; k < sortedTargets.size(); ++k) {
        Pair pair{LoadPicture(sortedTargets[k]), LoadPicture(sortedSources[k])};
        CheckCopySource(pair.target, pair.source, sortedTargets[k], sortedSources[k]);
        // Both layouts must suit the pixel accessor before anything is written.
        TQuickPixels check(&pair.target);
        check.Attach(pair.source, false);
        pairs.push_back(std::move(pair));
    }
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        CheckProgress(progress, int(k), int(pairs.size()));
        CopyShadows(pairs[k].target, pairs[k].source, colors, settings);
        SavePicture(pairs[k].target, sortedTargets[k]);
        pairs[k] = Pair{};  // release the pictures once saved
    }
    FinishProgress(progress, int(pairs.size()));
}

std::string SplitRecordFileName(const std::string& combinedFile) { return combinedFile + ".parts"; }

void SaveSplitRecord(const SplitRecord& record, const std::string& fileName) {
    const std::string text = FormatSplitRecord(record);
    WriteFileSafely(fileName, text.data(), text.size());
}

SplitRecord LoadSplitRecord(const std::string& fileName) {
    std::string text;
    try {
        text = ReadFileText(fileName, kMaxSplitRecordBytes);
    } catch (const EOSError& e) {
        if (e.code() == ENOENT)
            throw Exception("\"" + fileName + "\" does not exist: Split needs the record that Combine writes beside the combined picture");
        if (e.code() == EFBIG) throw Exception("\"" + fileName + "\" is too large for a record of a Combine");
        RaiseOpenError(fileName, e.code());
    }
    return ParseSplitRecord(text, fileName);
}

void RemoveSplitRecord(const std::string& fileName) {
    if (::unlink(ToNativePath(fileName).c_str()) != 0 && errno != ENOENT)
        throw Exception("Cannot delete file \"" + fileName + "\". " + std::strerror(errno));
}

StandardColorTable LoadStandardColors(const std::string& fileName) {
    try {
        return StandardColorsFromText(ReadFileText(fileName, kMaxSplitRecordBytes));
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

}  // namespace vok
