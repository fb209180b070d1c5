#pragma once
// Single-byte texts of the program's files are Windows-1252 when shown.
#include <QString>
#include <string_view>

namespace vok {

QString FromWindows1252(std::string_view text);

}  // namespace vok
