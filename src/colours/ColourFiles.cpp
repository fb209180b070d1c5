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
#include "support/WorkPool.h"
#include "support/ZqSysUtils.h"

namespace vok {

SplitRecord CombineFiles(const std::vector<std::string>& files, const std::string& outFile,
                         const StandardColorTable& colors, const ColourOptions& options, IProgress* progress) {
    const std::vector<std::string> sorted = CombineOrder(files);
    // Every frame is loaded once to learn its size, so that nothing is written unless all
    // load; each is loaded again when it is drawn, so the frames are never all held beside
    // the combined picture.
    std::vector<FrameSize> sizes(sorted.size());
    ParallelFor(sorted.size(), [&](const WorkItem& item) {
        const Bitmap frame = LoadPicture(sorted[item.index()]);
        sizes[item.index()] = {frame.width(), frame.height()};
    }, progress);
    // A stop after the last frame loaded still comes before the picture is written.
    CheckProgress(progress, int(sorted.size()), int(sorted.size()));
    SplitRecord record;
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        record.PartNames.push_back(ExtractFileName(sorted[k]));
        record.PartWidths.push_back(sizes[k].width);
        record.PartHeights.push_back(sizes[k].height);
    }
    const Bitmap combined = CombinePictures(
        sizes, [&](std::size_t k, Bitmap& holder) -> const Bitmap& { return holder = LoadPicture(sorted[k]); }, colors,
        options);
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
    std::vector<int> left(record.size() + 1, 0);
    for (std::size_t k = 0; k < record.size(); ++k) left[k + 1] = left[k] + record.PartWidths[k];
    ParallelFor(
        record.size(),
        [&](const WorkItem& item) {
            const std::size_t k = item.index();
            const Bitmap frame = CutFrame(combined, left[k], record.PartWidths[k], record.PartHeights[k],
                                          mode == SplitMode::PlainCut ? nullptr : &palette);
            if (item.readyToWrite()) SavePicture(frame, prefix + record.PartNames[k]);
        },
        progress);
}

void DeleteShadowsInFiles(const std::vector<std::string>& files, const StandardColorTable& colors,
                          IProgress* progress) {
    ParallelFor(
        files.size(),
        [&](const WorkItem& item) {
            const std::string& file = files[item.index()];
            Bitmap picture = LoadPicture(file);
            DeleteShadows(picture, colors);
            if (item.readyToWrite()) SavePicture(picture, file);
        },
        progress);
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
    std::vector<Pair> pairs(sortedTargets.size());
    ParallelFor(pairs.size(), [&](const WorkItem& item) {
        const std::size_t k = item.index();
        Pair pair{LoadPicture(sortedTargets[k]), LoadPicture(sortedSources[k])};
        CheckCopySource(pair.target, pair.source, sortedTargets[k], sortedSources[k]);
        // Both layouts must suit the pixel accessor before anything is written.
        TQuickPixels check(&pair.target);
        check.Attach(pair.source, false);
        pairs[k] = std::move(pair);
    });
    ParallelFor(
        pairs.size(),
        [&](const WorkItem& item) {
            const std::size_t k = item.index();
            CopyShadows(pairs[k].target, pairs[k].source, colors, settings);
            if (item.readyToWrite()) SavePicture(pairs[k].target, sortedTargets[k]);
            pairs[k] = Pair{};  // release the pictures once saved
        },
        progress);
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
