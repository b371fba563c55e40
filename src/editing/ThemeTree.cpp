#include "editing/ThemeTree.h"

namespace kunimor {

namespace {

constexpr int kRootNo = 200;

}  // namespace

TThemeTree::TThemeTree(TBelModule& module, int lang) {
    const Table& themes = module.tblTheme();
    const Index& order = themes.IndexAt(themes.FindIndex(lang == 1 ? "BelInd" : "RusInd"));
    int root = -1, group = -1;
    for (const Record* r : order.refs) {
        TThemeNode node;
        node.No = themes.FieldValue(*r, ThemeField::No).AsInt();
        node.Name = themes.FieldValue(*r, lang == 1 ? ThemeField::Bel : ThemeField::Rus).AsString();
        if (node.No == kRootNo) {
            root = static_cast<int>(nodes_.size());
        } else if (node.No > kRootNo) {
            node.Parent = root;
            group = static_cast<int>(nodes_.size());
        } else {
            if (node.No == 0) continue;  // "no theme" is no choice for a text
            node.Parent = group;
            node.State = themes.FieldValue(*r, ThemeField::Selected).AsBool() ? TThemeState::Checked
                                                                               : TThemeState::Unchecked;
        }
        nodes_.push_back(node);
    }
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i)
        if (nodes_[i].No > kRootNo) Recount(i);
}

void TThemeTree::Recount(int group) {
    int children = 0, checked = 0;
    for (const TThemeNode& n : nodes_)
        if (n.Parent == group) {
            ++children;
            checked += n.State == TThemeState::Checked;
        }
    nodes_[group].State = checked == 0              ? TThemeState::Unchecked
                          : checked == children ? TThemeState::Checked
                                                : TThemeState::Partly;
}

void TThemeTree::Click(int node) {
    TThemeNode& n = nodes_[node];
    if (n.No < kRootNo) {
        n.State = n.State == TThemeState::Checked ? TThemeState::Unchecked : TThemeState::Checked;
        if (n.Parent >= 0 && nodes_[n.Parent].No > kRootNo) Recount(n.Parent);
        return;
    }
    n.State = n.State == TThemeState::Checked ? TThemeState::Unchecked : TThemeState::Checked;
    for (TThemeNode& child : nodes_)
        if (child.Parent == node) child.State = n.State;
}

void TThemeTree::Store(TBelModule& module) const {
    Table& themes = module.tblTheme();
    for (const TThemeNode& n : nodes_) {
        if (n.No >= kRootNo || !themes.Locate("No", {Value(int32_t{n.No})})) continue;
        const bool selected = n.State == TThemeState::Checked;
        if (themes.GetBool(ThemeField::Selected) == selected) continue;
        themes.Edit();
        themes.Set(ThemeField::Selected, Value(selected));
        themes.Post();
    }
}

}  // namespace kunimor
