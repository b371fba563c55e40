#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace kunimor {
class TBelEditModule;
}

namespace kunimor::app {

// Where the dictionary browsers hand over to the word editors: the word
// article editor (on a word or collocation number of lang), the new-entry
// flow (text in Windows-1251, the flow's mode flags; returns the new entry's
// number or -1) and the collocation editor (on collocation no, which it sets
// to the number the saved collocation got; true when saved). Unset hooks
// leave those actions doing nothing.
struct TBrowserHooks {
    std::function<void(QWidget* parent, TBelEditModule& module, int lang, int32_t no)> OpenArticle;
    std::function<int32_t(QWidget* parent, TBelEditModule& module, int lang, const std::string& text, int flags)>
        AddNewEntry;
    std::function<bool(QWidget* parent, TBelEditModule& module, int lang, int32_t& no)> EditCollocation;
};

// The program's hooks, set once at start-up.
TBrowserHooks& BrowserHooks();

}  // namespace kunimor::app
