#pragma once
// The frame list of the Move Monster command: the chosen pictures and the frames
// of the chosen VokLists, in one list.
#include <functional>
#include <string>
#include <vector>

namespace vok {

// Appends the frame names of one VokList file to a list.
using FrameNameReader = std::function<void(const std::string& listFileName, std::vector<std::string>& list)>;

// The chosen names in the one file-name order (a name chosen twice counts
// once); each ".txl" file is replaced in place by its frame names. A frame name
// that is not a full path is taken relative to the folder of its list; "\" in
// frame names separates folders.
std::vector<std::string> BuildMoveFrameList(const std::vector<std::string>& chosen, const FrameNameReader& readFrames);
// The same, reading the VokList files from disk.
std::vector<std::string> BuildMoveFrameList(const std::vector<std::string>& chosen);

}  // namespace vok
