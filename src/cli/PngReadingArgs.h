#pragma once
// How every vokcli command reads transparent PNG pixels: --alpha-threshold N, and the
// background from --colors FILE (declared here for the commands that have no colours).

namespace CLI {
class App;
}

namespace vok::cli {

// Declares the options on a command after its own; the returned call sets the reading
// from the parsed options and must run before the command loads pictures.
using ApplyPngReading = void (*)(CLI::App&);
ApplyPngReading DeclarePngReading(CLI::App& app);

}  // namespace vok::cli
