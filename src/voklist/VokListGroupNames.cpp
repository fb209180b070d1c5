#include "voklist/VokListGroupNames.h"

namespace vok {

const TZqStringer& Groups42() {
    static const TZqStringer names({
        "Moving",          "Mouse Over",      "Standing",        "Getting Hit",           "Defend",
        "Death",           "Unused Death",    "Turn Left",       "Turn Right",            "Turn Left",
        "Turn Right",      "Attack Up",       "Attack Straight", "Attack Down",           "Shoot Up",
        "Shoot Straight",  "Shoot Down",      "2-Hex Attack Up", "2-Hex Attack Straight", "2-Hex Attack Down",
        "Start Moving",    "Stop Moving",
    });
    return names;
}

const TZqStringer& Groups44() {
    static const TZqStringer names({
        "Looking Up", "Looking Up-Right", "Looking Right", "Looking Down-Right", "Looking Down",
        "Move Up",    "Move Up-Right",    "Move Right",    "Move Down-Right",    "Move Down",
    });
    return names;
}

const TZqStringer& GroupsOther() {
    static const TZqStringer names({"Group"});
    return names;
}

const TZqStringer& ZqStringer1() {
    static const TZqStringer lines({
        "", "Temp.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE", "FALSE", "Auto", "Auto",
    });
    return lines;
}

}  // namespace vok
