#include "ColourArgs.h"

#include "app/ColourFiles.h"

namespace vok::cli {

bool ColourArgs::take(const std::string& option, ArgReader& reader, bool withModes) {
    if (option == "--colors") colorsFile = reader.value(option);
    else if (withModes && option == "--no-standard-colors") options.noStandardColors = true;
    else if (withModes && option == "--no-background") options.noBackground = true;
    else return false;
    return true;
}

StandardColorTable ColourArgs::colors() const {
    return colorsFile.empty() ? DefaultStandardColors() : LoadStandardColors(colorsFile);
}

}  // namespace vok::cli
