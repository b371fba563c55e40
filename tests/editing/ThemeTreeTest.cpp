#include "editing/ThemeTree.h"

#include "editing/EditedDictionary.h"
#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

class ThemeTree : public EditedDictionary {
protected:
    void SetUp() override {
        EditedDictionary::SetUp();
        Table& t = m.tblTheme();
        // No, group code, Russian label and name; the fixture's theme 1 "лит." joins group 201.
        for (auto [no, group, abbr, name] : {std::tuple{200, "", "", "Все"}, std::tuple{201, "Л", "", "Гуманитарные"},
                                             std::tuple{2, "Л", "ист.", "История"}}) {
            t.Insert();
            t.Set(ThemeField::No, Value(int32_t{no}));
            t.Set(ThemeField::Group, Value(W(group)));
            t.Set(ThemeField::RusAbbr, Value(W(abbr)));
            t.Set(ThemeField::Rus, Value(W(name)));
            t.Set(ThemeField::Selected, Value(false));
            t.Post();
        }
    }
    static std::vector<TThemeState> States(const TThemeTree& tree) {
        std::vector<TThemeState> states;
        for (const TThemeNode& n : tree.Nodes()) states.push_back(n.State);
        return states;
    }
    static int NodeOf(const TThemeTree& tree, int no) {
        for (size_t i = 0; i < tree.Nodes().size(); ++i)
            if (tree.Nodes()[i].No == no) return static_cast<int>(i);
        return -1;
    }
};

TEST_F(ThemeTree, GroupsFollowTheirThemesAndAGroupClickSetsThemAll) {
    using S = TThemeState;
    TThemeTree tree(m, 0);
    const int group = NodeOf(tree, 201), literature = NodeOf(tree, 1), history = NodeOf(tree, 2);
    ASSERT_GE(group, 0);
    ASSERT_GE(literature, 0);
    EXPECT_EQ(tree.Nodes()[literature].Parent, group);
    EXPECT_EQ(tree.Nodes()[group].Parent, NodeOf(tree, 200));
    EXPECT_EQ(tree.Nodes()[group].State, S::Unchecked);

    tree.Click(literature);
    EXPECT_EQ(tree.Nodes()[group].State, S::Partly);
    tree.Click(history);
    EXPECT_EQ(tree.Nodes()[group].State, S::Checked);
    tree.Click(history);
    EXPECT_EQ(tree.Nodes()[group].State, S::Partly);
    tree.Click(group);  // partly checked: checks it and all its themes
    EXPECT_EQ(tree.Nodes()[history].State, S::Checked);
    tree.Click(group);  // checked: unchecks them all
    EXPECT_EQ(tree.Nodes()[literature].State, S::Unchecked);
    EXPECT_EQ(tree.Nodes()[history].State, S::Unchecked);

    tree.Click(history);
    tree.Store(m);
    TThemeTree again(m, 0);
    EXPECT_EQ(States(again), States(tree));
}

}  // namespace
