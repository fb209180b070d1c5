#include "PngReadingArgs.h"

#include <CLI/CLI.hpp>

#include "colours/ColourFiles.h"
#include "colours/StandardColors.h"
#include "png/Png.h"

namespace vok::cli {

namespace {

void Apply(CLI::App& app) {
    PngReading reading;
    reading.alphaThreshold = app.get_option("--alpha-threshold")->as<int>();
    const std::string colors = app.get_option("--colors")->as<std::string>();
    reading.background = std::uint32_t(FirstStandardColor(colors.empty() ? DefaultStandardColors() : LoadStandardColors(colors)));
    SetPngReading(reading);
}

}  // namespace

ApplyPngReading DeclarePngReading(CLI::App& app) {
    app.add_option("--alpha-threshold", "PNG pixels with alpha below N (0 to 256) take the first standard colour, "
                                        "the others keep their colour (default: 128)")
        ->type_name("N")
        ->default_val(PngReading{}.alphaThreshold)
        ->check(CLI::Range(0, 256));
    if (!app.get_option_no_throw("--colors"))
        app.add_option("--colors", "The standard colours; the first is the background of transparent PNG pixels "
                                   "(default: the eight default colours)")
            ->type_name("FILE");
    return &Apply;
}

}  // namespace vok::cli
