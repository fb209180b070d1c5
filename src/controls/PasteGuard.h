#pragma once
// One guard over every text field of the program (line edits, spin edits, plain and rich
// text edits, the fields of the dialogs): a paste by Ctrl+V, Shift+Insert or the middle
// button whose clipboard holds no text does nothing (the toolkit release our users run
// crashes on a paste of data without formats), and text pasted into a multi-line field
// keeps one line per line, as typed.
#include <QString>

namespace vok {

// Installs the guard on the application, once; every window calls it when it is made.
void InstallPasteGuard();

// Text as a multi-line field takes it from the clipboard: CR LF, a lone CR and the line and
// paragraph separators each end one line; other control characters but the tab are dropped.
QString PastedLines(const QString& text);

}  // namespace vok
