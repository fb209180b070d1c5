#pragma once
// Frames of any depth to 8-bit frames sharing one palette, in one step: what Combine,
// a colour reduction and Split give, without the combined picture. Standard-colour
// pixels land exactly at their positions and are never merged with picture colours;
// the picture colours are reduced to the positions the standard colours leave free.
#include <array>
#include <string>
#include <vector>

#include "colours/ColourCounts.h"
#include "colours/ColourOptions.h"
#include "colours/Combine.h"
#include "colours/NearestColor.h"
#include "colours/Split.h"
#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"
#include "support/Progress.h"

namespace vok {

struct ReduceSettings {
    ColourOptions options;
    bool dither = false;  // Floyd-Steinberg error diffusion over the picture colours
    // ".bmp", ".pcx" or ".png": each frame is written under its name with this extension,
    // in that format; empty: under its own name.
    std::string extension;
    // Palette positions kept free of picture colours (empty ones stay black).
    std::vector<int> reserve;
};

// Which positions the standard colours hold and which are left to the pictures.
struct PaletteLayout {
    Palette256 palette{};                     // the standard colours at their positions, black elsewhere
    std::vector<std::uint8_t> freePositions;  // ascending
    // Colours that keep their position, as 0x00BBGGRR -> position (the lowest one when a
    // colour stands at several): every set position normally, the background only with
    // "No Standard Colors" (unless "No Background" is on), none otherwise.
    std::vector<std::pair<std::uint32_t, std::uint8_t>> special;
};
PaletteLayout ReduceLayout(const StandardColorTable& colors, const ColourOptions& options);

class FrameReducer {
public:
    // Counts the colours of the frames and makes the shared palette. Raises
    // vok::Exception when the frames have picture colours but no position is free.
    FrameReducer(const std::vector<Bitmap>& frames, const StandardColorTable& colors, const ReduceSettings& settings);
    // The same for frames that need not all be in memory at once: frame(k, holder) gives
    // frame k of `count`, one held elsewhere or one it loads into `holder`, which is freed
    // as soon as its colours are counted. It may be called from several threads at once.
    FrameReducer(std::size_t count, const FrameSource& frame, const StandardColorTable& colors,
                 const ReduceSettings& settings);

    const Palette256& palette() const { return layout_.palette; }
    // Picture colours the palette holds, and the positions they could take.
    int pictureColors() const { return int(reduced_.size()); }
    int freePositions() const { return int(layout_.freePositions.size()); }
    // One of the frames given to the constructor as an 8-bit picture with the palette. A
    // colour the frames did not have (the frame changed since) goes to the nearest entry.
    Bitmap reduce(const Bitmap& frame) const;

private:
    void reduceRow(const std::uint32_t* colors, int width, std::uint8_t* out) const;
    void ditherRow(const std::uint32_t* colors, int width, std::uint8_t* out, std::vector<int>& here,
                   std::vector<int>& below) const;

    // The palette position of a standard colour that keeps its place, else -1.
    int specialPosition(std::uint32_t color) const;
    // Where a colour goes, as the table below holds it.
    std::uint32_t place(std::uint32_t color) const;
    std::uint32_t target(std::uint32_t color) const;

    static constexpr std::uint32_t kSpecial = 0x100, kKnown = 0x200;
    ReduceSettings settings_;
    PaletteLayout layout_;
    std::vector<std::uint32_t> reduced_;  // the picture colours, in free-position order
    // colour -> position, kSpecial set for standard colours, kKnown for every colour counted
    ColourCounts positions_;
    std::array<int, 256> reducedIndex_{};  // position -> index into reduced_
    NearestColor nearest_{std::vector<std::uint32_t>{}};
};

// The colours of row y as 0x00BBGGRR, whatever the picture's layout.
void ReadRowColors(const Bitmap& picture, int y, std::uint32_t* out);

// Loads every frame before writing any, and again when it reduces it, so the frames are
// never all held at once; writes each as an 8-bit picture to folder + its name (with the
// settings' extension), or beside itself when the folder is empty. Frames written before
// a failing save stay written.
void ReduceFiles(const std::vector<std::string>& files, const std::string& folder, const StandardColorTable& colors,
                 const ReduceSettings& settings,
                 IProgress* progress = nullptr);
// The same with each frame's target named: files[k] is written to targets[k]. Returns
// the picture colours used and the free positions.
std::pair<int, int> ReduceFilesTo(const std::vector<std::string>& files, const std::vector<std::string>& targets,
                   const StandardColorTable& colors, const ReduceSettings& settings, IProgress* progress = nullptr);

}  // namespace vok
