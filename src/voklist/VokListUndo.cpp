#include "voklist/VokListUndo.h"

namespace vok {

TVokListSnapshot SnapshotOf(const TVokListEdit& edit) {
    TVokListSnapshot snapshot{edit.Doc.Groups, edit.Doc.TypeIndex, edit.CurrentGroup};
    snapshot.Groups[std::size_t(edit.CurrentGroup)] = edit.Names;
    return snapshot;
}

TVokListChange TVokListChange::Between(const TVokListSnapshot& before, const TVokListSnapshot& after) {
    TVokListChange change;
    change.before_ = Side{before.TypeIndex, before.CurrentGroup, {}};
    change.after_ = Side{after.TypeIndex, after.CurrentGroup, {}};
    for (int g = 0; g < kVokGroupCount; ++g) {
        const auto& was = before.Groups[std::size_t(g)];
        const auto& is = after.Groups[std::size_t(g)];
        if (was == is) continue;
        change.before_.Groups.emplace_back(g, was);
        change.after_.Groups.emplace_back(g, is);
    }
    return change;
}

bool TVokListChange::Empty() const { return before_.Groups.empty() && before_.TypeIndex == after_.TypeIndex; }

void TVokListChange::Apply(TVokListEdit& edit, const Side& side) {
    // The names on show go back into their group before the touched groups are set.
    edit.Doc.Groups[std::size_t(edit.CurrentGroup)] = edit.Names;
    for (const auto& [group, names] : side.Groups) edit.Doc.Groups[std::size_t(group)] = names;
    edit.Doc.TypeIndex = side.TypeIndex;
    edit.CurrentGroup = side.CurrentGroup;
    edit.Names = edit.Doc.Groups[std::size_t(edit.CurrentGroup)];
    edit.Modified = true;
}

}  // namespace vok
