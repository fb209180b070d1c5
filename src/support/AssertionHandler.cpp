#include <string>

#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {

void AssertionFailedHandler(std::string_view message, std::string_view fileName, int lineNumber) {
    const std::string text = message.empty() ? std::string("Assertion failed") : std::string(message);
    const auto slash = fileName.find_last_of("/\\");
    const std::string_view bare = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    throw EAssertionFailed(text + " (" + std::string(bare) + ", line " + std::to_string(lineNumber) + ")");
}

}  // namespace vok
