#pragma once
// The temporary files of the saves in progress (several threads may save at once),
// removed when the program is stopped by SIGINT, SIGTERM or SIGHUP before their saves end.
#include <string>

namespace vok {

// Marks the temporary file of a save now starting; installs the signal handlers on
// first use. Returns the mark for ReleaseTemporaryFile (-1 when every mark is taken
// or the name is too long: that file is then not removed).
int HoldTemporaryFile(const std::string& path);
// The save ended: the file is gone or renamed.
void ReleaseTemporaryFile(int mark);

}  // namespace vok
