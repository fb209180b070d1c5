#pragma once
// The pictures on the VokList editor's tool buttons.
#include <QIcon>

namespace vok {

enum class VokListGlyph { New, Open, Save, Add };

// A 16 by 16 glyph drawn in code.
QIcon DrawVokListGlyph(VokListGlyph glyph);

}  // namespace vok
