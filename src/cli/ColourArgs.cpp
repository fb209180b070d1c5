#include "ColourArgs.h"

#include "colours/ColourFiles.h"

namespace vok::cli {

bool ColourArgs::take(const std::string& option, ArgReader& reader, bool withModes) {
    if (option == "--colors") colorsFile = reader.value(option);
    else if (withModes && option == "--no-standard-colors") options.noStandardColors = true;
    else if (withModes && option == "--no-background") options.noBackground = true;
    else return false;
    return true;
}

void ColourArgs::readAll(ArgReader& reader, bool withModes, const FileTaker& file, const OptionTaker& command) {
    while (!reader.done()) {
        if (!reader.atOption()) {
            file(reader.next());
            continue;
        }
        const std::string option = reader.next();
        if (command && command(option, reader)) continue;
        if (!take(option, reader, withModes)) throw UsageError("unknown option " + option);
    }
}

StandardColorTable ColourArgs::colors() const {
    return colorsFile.empty() ? DefaultStandardColors() : LoadStandardColors(colorsFile);
}

}  // namespace vok::cli
