#pragma once
// Applying one key of a language file to the objects of a window.
#include <string>
#include <string_view>

#include "lang/LangNode.h"

namespace vok {

// Resolves the dotted path from root and sets the property it ends in. False when the
// key cannot be applied (unknown name, wrong kind, "Name", bad character set, a failure
// while setting); the objects are then unchanged.
bool ApplyPath(TZqLangNode& root, std::string_view key, const std::string& value);

// Sets the character set of the fonts of root and of the components root owns:
// with editsOnly, of the edit controls only; without, of everything else.
// Objects reached twice are walked once.
void WalkCharset(TZqLangNode& root, int charset, bool editsOnly);

}  // namespace vok
