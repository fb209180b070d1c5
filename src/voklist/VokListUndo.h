#pragma once
// What undo keeps of a change in the VokList editor: the groups the change touched,
// as they were and as they became, the Vok Type and the group on show on either side.
#include <array>
#include <utility>
#include <vector>

#include "voklist/VokListEdit.h"

namespace vok {

// The editor's document as the user sees it: every group, the names on show included.
struct TVokListSnapshot {
    std::array<TMyStrArray, kVokGroupCount> Groups;
    int TypeIndex = kCreatureTypeIndex;
    int CurrentGroup = 0;
};

TVokListSnapshot SnapshotOf(const TVokListEdit& edit);

class TVokListChange {
public:
    static TVokListChange Between(const TVokListSnapshot& before, const TVokListSnapshot& after);

    // True when the document did not change (stepping to another group is no change).
    bool Empty() const;
    // Puts the editor back as it was before the change, showing the group it was on
    // then; Redo makes the change again. Groups the change did not touch keep what
    // they hold now.
    void Undo(TVokListEdit& edit) const { Apply(edit, before_); }
    void Redo(TVokListEdit& edit) const { Apply(edit, after_); }

private:
    struct Side {
        int TypeIndex = kCreatureTypeIndex;
        int CurrentGroup = 0;
        std::vector<std::pair<int, TMyStrArray>> Groups;  // only the touched ones
    };
    static void Apply(TVokListEdit& edit, const Side& side);

    Side before_, after_;
};

}  // namespace vok
