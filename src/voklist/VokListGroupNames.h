#pragma once
// The names of the groups of a VokList, as the editor labels them, and the settings
// template of a new list, each held in a string holder.
#include "controls/ZqStringer.h"

namespace vok {

// Creature groups 0 to 21; "Turn Left" and "Turn Right" each stand twice.
const TZqStringer& Groups42();
// Hero groups 0 to 9.
const TZqStringer& Groups44();
// Every other type has one group.
const TZqStringer& GroupsOther();
// The 14 lines of the settings block of a new list.
const TZqStringer& ZqStringer1();

}  // namespace vok
