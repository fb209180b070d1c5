#include "support/Errors.h"

#include <cerrno>
#include <cstring>

namespace vok {

std::string OSErrorText(int code) {
    if (code == 0) return "A call to an OS function failed";
    return "System Error.  Code: " + std::to_string(code) + ".\r\n" + std::strerror(code);
}

void RaiseOSError(int code) { throw EOSError(code, OSErrorText(code)); }

void RaiseLastOSError() { RaiseOSError(errno); }

std::string StandardReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void RaiseOpenError(const std::string& fileName, int code) {
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(code));
}

void RaiseCreateError(const std::string& fileName, int code) {
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(code));
}

void RaiseCannotSave(const std::string& fileName, const std::string& reason) {
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
}

void RaiseNotRegularFile(const std::string& fileName) {
    throw ENotRegularFile("\"" + fileName + "\" is not a regular file");
}

void RaiseNotInteger(const std::string& text) { throw EConvertError("'" + text + "' is not a valid integer value"); }

}  // namespace vok
