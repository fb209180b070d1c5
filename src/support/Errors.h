#pragma once
// Exceptions of the program. Each carries the exact text the user sees.
#include <stdexcept>
#include <string>

namespace vok {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // The file the failure concerns, when the message itself may not name it; the
    // command line puts it before the message. The innermost name given stays.
    const std::string& file() const { return file_; }
    void nameFile(const std::string& fileName) {
        if (file_.empty()) file_ = fileName;
    }

private:
    std::string file_;
};

// An operating-system call failed: "System Error.  Code: %d.\r\n%s".
class EOSError : public Exception {
public:
    EOSError(int code, const std::string& message) : Exception(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// A failed check: "%s (%s, line %d)".
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

// A file is not a picture we can read: "Bitmap image is not valid".
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// "Cannot open file "%s". %s"
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// "Cannot create file "%s". %s"
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// A pipe, socket or the like where a file was expected: "\"%s\" is not a regular file".
class ENotRegularFile : public Exception {
public:
    using Exception::Exception;
};

// "'%s' is not a valid integer value"
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The text of an operating-system error: "System Error.  Code: %d.\r\n%s",
// or "A call to an OS function failed" for code 0.
std::string OSErrorText(int code);

// Raises EOSError for the given errno value (0: "A call to an OS function failed").
[[noreturn]] void RaiseOSError(int code);
// Raises EOSError for the current errno.
[[noreturn]] void RaiseLastOSError();

// The standard report appends a full stop when the last character sorts after '.'.
std::string StandardReportText(const std::string& message);

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s" with the system's reason.
[[noreturn]] void RaiseOpenError(const std::string& fileName, int code);
[[noreturn]] void RaiseCreateError(const std::string& fileName, int code);
// "Cannot create file "%s". %s" with the reason the program refuses to write it.
[[noreturn]] void RaiseCannotSave(const std::string& fileName, const std::string& reason);

// "\"%s\" is not a regular file"
[[noreturn]] void RaiseNotRegularFile(const std::string& fileName);

// "'%s' is not a valid integer value"
[[noreturn]] void RaiseNotInteger(const std::string& text);

}  // namespace vok
