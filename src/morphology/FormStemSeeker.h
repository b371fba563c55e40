#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "morphology/FormContainer.h"

namespace kunimor {

// Finds how a new word inflects from its forms by running the modification
// rules backwards to propose stems and forwards to check them.
class TStemSeeker : public TFormContainer {
public:
    TStemSeeker(int lang, int count);

    // Finds the stem and the Forms text with the fewest ending letters and
    // rule codes that produce exactly the container's forms (unknown ones
    // produce nothing). With stems (comma-separated) only those are tried.
    // On success BestStem and BestForms hold the result.
    bool FindStemAndForms(std::optional<std::string_view> stems = std::nullopt);

    // The comma-separated stems with which paradigmForms reproduces every
    // known form of the container.
    bool ExtractStems(std::string_view paradigmForms, std::string& stems) const;

    // For verbs: false at the first reflexive form (formNo, alt) that is not
    // the reflexive counterpart of its plain form; suggestion is what it
    // should read.
    bool CheckReflexiveForms(int& formNo, bool& alt, std::string& suggestion) const;

private:
    std::optional<std::string> BuildFormsText(const std::string& stem, int bound) const;
    std::optional<std::string> FindEntry(const std::string& stem, const std::string& form) const;
    bool Reproduces(const std::string& stem, std::string_view paradigmForms) const;
};

// Lower is better: ten per ending letter (and per penalty point for many
// rule-3 or rule-4 codes) plus one per rule code.
int FormsTextCost(std::string_view text);

}  // namespace kunimor
