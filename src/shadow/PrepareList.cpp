#include "shadow/PrepareList.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "shadow/ShadowJob.h"
#include "support/Errors.h"
#include "support/ZqSysUtils.h"
#include "voklist/VokListLines.h"

namespace vok {

namespace {

namespace fs = std::filesystem;

// The name below the output folder: the name as written, '\\' as '/'. Names that would
// leave the folder (full paths, ".." parts) cannot be kept below it.
std::string NameBelowFolder(const std::string& name) {
    std::string below = name;
    std::replace(below.begin(), below.end(), '\\', '/');
    const fs::path path(below);
    bool leaves = path.is_absolute() || below.find(':') != std::string::npos;
    for (const auto& part : path) leaves = leaves || part == "..";
    if (leaves) throw Exception("Cannot prepare \"" + name + "\": only frame names relative to the list's folder, without \"..\", can be kept below the output folder");
    return below;
}

bool Inside(const fs::path& file, const fs::path& folder) {
    std::error_code ec;
    const fs::path rel = fs::weakly_canonical(file, ec).lexically_relative(folder);
    return !rel.empty() && *rel.begin() != "..";
}

// The list's text with every frame name's extension made ".bmp", all else as it was.
std::string ListWithBmpNames(const std::string& listFile, const TShadowList& list) {
    std::string text = WithCrLf(ReadFileText(listFile));
    for (std::size_t row = list.Names.size(); row-- > 0;) {
        if (list.NameOffsets[row] == std::string::npos) continue;
        const std::string& name = list.Names[row];
        text.replace(list.NameOffsets[row], name.size(), ChangeFileExt(name, ".bmp"));
    }
    return text;
}

}  // namespace

PrepareSummary PrepareList(const std::string& listFile, const std::string& folder, const StandardColorTable& colors,
                           PrepareSettings settings, IProgress* progress) {
    const TShadowList list = ReadShadowList(listFile);
    const std::string listFolder = ListFolder(listFile);
    const std::string outFolder = IncludeTrailingPathDelimiter(folder);
    std::error_code ec;
    const fs::path out = fs::weakly_canonical(fs::absolute(folder), ec);

    PrepareSummary summary;
    std::vector<std::string> sources, targets;
    std::map<std::string, std::string> targetOf;  // target -> source
    for (const std::string& name : list.Names) {
        if (name.empty()) continue;
        ++summary.frames;
        const std::string source = ResolveFrameName(name, listFolder);
        if (std::find(sources.begin(), sources.end(), source) != sources.end()) continue;
        const std::string target = outFolder + ChangeFileExt(NameBelowFolder(name), ".bmp");
        if (const auto [it, fresh] = targetOf.emplace(target, source); !fresh)
            throw Exception("Cannot prepare \"" + it->second + "\" and \"" + source + "\": both would be written to \"" + target + "\"");
        if (Inside(source, out)) throw Exception("The output folder \"" + folder + "\" holds the frame \"" + source + "\"; choose another folder");
        sources.push_back(source);
        targets.push_back(target);
    }
    if (Inside(listFile, out)) throw Exception("The output folder \"" + folder + "\" holds the list \"" + listFile + "\"; choose another folder");
    summary.distinctFrames = int(sources.size());

    settings.reduce.reserve = kGeneratorSpecialPositions;
    settings.reduce.extension = ".bmp";
    const std::string listText = ListWithBmpNames(listFile, list);
    std::tie(summary.colorsUsed, summary.freePositions) = ReduceFilesTo(sources, targets, colors, settings.reduce, progress);

    const std::string listCopy = outFolder + ExtractFileName(listFile);
    WriteFileSafely(listCopy, listText.data(), listText.size());
    TShadowJob job;
    job.Open(listCopy);
    summary.baseLineSource = list.HasBaseLine ? "read from the list" : "found from the frames";
    if (settings.baseLine != kUnset) {
        job.SetBaseLine(settings.baseLine);
        summary.baseLineSource = "given";
    }
    job.Save(progress);
    summary.baseLine = job.BaseLine();
    summary.kind = job.Kind();
    summary.written = targets;
    summary.written.push_back(listCopy);
    return summary;
}

std::string PrepareSummaryText(const PrepareSummary& s) {
    std::string text = std::to_string(s.frames) + " frames, " + std::to_string(s.distinctFrames) + " distinct\n";
    text += std::to_string(s.colorsUsed) + " colours used of " + std::to_string(s.freePositions) + " free positions\n";
    text += "base line " + std::to_string(s.baseLine) + " (" + s.baseLineSource + ")\n";
    text += std::string(s.kind == ShadowKind::Creature ? "creature shadows with selection outlines" : "slanted shadows") + "\n";
    text += std::to_string(s.written.size()) + " files written:\n";
    for (const std::string& file : s.written) text += "  " + file + "\n";
    return text;
}

}  // namespace vok
