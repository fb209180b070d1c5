#pragma once
// Files dropped on a window from a file manager or from the program's own browser.
#include <string>
#include <vector>

class QDropEvent;
class QMimeData;

namespace vok {

// The local files a drag carries, in order; addresses of other kinds are left out.
std::vector<std::string> LocalFilesOf(const QMimeData& data);

// Takes a drag or drop as a copy: the dragged files stay where they are, whatever
// the file manager proposed.
void AcceptAsCopy(QDropEvent* event);

}  // namespace vok
