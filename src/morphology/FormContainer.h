#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kunimor {

// The word forms a user typed for a new word, one (main, alternative) pair
// per form number. A form marked unknown holds kUnknownForm; a form the word
// does not have is empty.
inline constexpr std::string_view kUnknownForm = "?";

inline bool IsKnownForm(std::string_view form) { return !form.empty() && form != kUnknownForm; }

class TFormContainer {
public:
    TFormContainer(int lang, int count);

    // Form numbers count from 1; a number outside the container reads empty.
    const std::string& GetForm(int formNo, bool alt) const;
    // Throws Error for a form number outside the container.
    void SetForm(int formNo, bool alt, std::string text);
    int FormCount() const { return static_cast<int>(FormSlots.size()); }

    // The first form that is neither empty nor unknown, by form number, main
    // before alternative; empty when there is none.
    std::string FirstKnownForm() const;

    int Lang;
    std::vector<std::pair<std::string, std::string>> FormSlots;
    std::string BestStem;
    std::string BestForms;
};

}  // namespace kunimor
