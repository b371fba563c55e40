#pragma once

#include "dictionary/BelModule.h"

#include <string>
#include <vector>

namespace kunimor {

enum class TThemeState { Unchecked, Checked, Partly };

struct TThemeNode {
    int No = 0;          // Theme.No: 200 the root, above 200 a group, below a theme
    std::string Name;    // the full name in the tree's language (Windows-1251)
    int Parent = -1;     // index of the parent node, -1 at the top
    TThemeState State = TThemeState::Unchecked;
};

// The multiple-choice tree of the themes of the text: the root (200), the
// groups under it (above 200) and the themes under the group listed last,
// in the language's theme order; a group is checked when all its themes
// are, partly checked when some are.
class TThemeTree {
public:
    TThemeTree(TBelModule& module, int lang);

    const std::vector<TThemeNode>& Nodes() const { return nodes_; }
    // A click on a node's state image: a theme toggles, a group (or the root)
    // that was checked unchecks itself and its direct children, otherwise
    // checks them.
    void Click(int node);
    // Writes every theme's Selected flag from its node.
    void Store(TBelModule& module) const;

private:
    void Recount(int group);
    std::vector<TThemeNode> nodes_;
};

}  // namespace kunimor
