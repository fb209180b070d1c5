#pragma once
// Every dialog the windows run (open, save, colour, message boxes) goes through one
// interface, so that the windows can be driven by a script.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "pictures/Color.h"

namespace vok {

// An open or save dialog: what it shows, and after OK what the user chose.
struct FileDialogOptions {
    std::string Title;       // empty: the platform's default title
    std::string Filter;      // "Description|*.a;*.b|Description|*.*"
    std::string DefaultExt;  // ".bmp": appended when a name is typed without extension
    std::string FileName;    // proposed name; after OK the (first) chosen name
    std::string InitialDir;
    bool MultiSelect = false;
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool OverwritePrompt = false;
    bool HideReadOnly = false;
    int FilterIndex = 1;             // 1-based, also the result
    std::vector<std::string> Files;  // after OK: every chosen name
    // The user picked another file type; FilterIndex holds the new one.
    std::function<void(FileDialogOptions&)> OnTypeChange;
};

struct ColorDialogOptions {
    ColorValue Color = 0;  // in: the starting colour; out: the chosen one
    bool FullOpen = false;  // the custom-colour part starts expanded
};

enum class MessageIcon { None, Information, Warning, Error, Question };
enum MessageButton : unsigned { mbOK = 1, mbCancel = 2, mbYes = 4, mbNo = 8 };

struct MessageOptions {
    std::string Caption;
    std::string Text;
    MessageIcon Icon = MessageIcon::None;
    unsigned Buttons = mbOK;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // True when the user confirmed.
    virtual bool OpenFile(FileDialogOptions& dialog) = 0;
    virtual bool SaveFile(FileDialogOptions& dialog) = 0;
    virtual bool PickColor(ColorDialogOptions& dialog) = 0;
    // Returns the button pressed (one of MessageButton).
    virtual MessageButton Message(const MessageOptions& message) = 0;

    // The standard report of a failed command: the message (with its full stop) in a
    // box captioned with the application title, with the error icon.
    void ShowError(const std::string& message);
};

// The real dialogs of the platform.
IDialogs& QtDialogs();

// Runs a command; a failure that leaves it ends in the standard report.
void RunReported(IDialogs& dialogs, const std::function<void()>& command);

// The application's handler for a failure that no owner caught (a timer's event, say):
// the standard report through the real dialogs, or through the ones a test sets here.
void ReportUnhandled(std::exception_ptr failure);
void SetUnhandledReportDialogs(IDialogs* dialogs);

}  // namespace vok
