#pragma once
// The temporary file of the save in progress, removed when the program is stopped by
// SIGINT, SIGTERM or SIGHUP before the save ends.
#include <string>

namespace vok {

// Marks the temporary file of the save now starting; installs the signal handlers on
// first use. Only one save runs at a time.
void HoldTemporaryFile(const std::string& path);
// The save ended: the file is gone or renamed.
void ReleaseTemporaryFile();

}  // namespace vok
