#include "morphology/FormContainer.h"

#include "ground/Error.h"

namespace kunimor {

TFormContainer::TFormContainer(int lang, int count)
    : Lang(lang), FormSlots(static_cast<std::size_t>(count > 0 ? count : 0)) {}

const std::string& TFormContainer::GetForm(int formNo, bool alt) const {
    static const std::string kNone;
    if (formNo < 1 || formNo > FormCount()) return kNone;
    const auto& slot = FormSlots[static_cast<std::size_t>(formNo - 1)];
    return alt ? slot.second : slot.first;
}

void TFormContainer::SetForm(int formNo, bool alt, std::string text) {
    if (formNo < 1 || formNo > FormCount()) {
        throw Error("Form number " + std::to_string(formNo) + " out of range");
    }
    auto& slot = FormSlots[static_cast<std::size_t>(formNo - 1)];
    (alt ? slot.second : slot.first) = std::move(text);
}

std::string TFormContainer::FirstKnownForm() const {
    for (const auto& [main, alt] : FormSlots) {
        if (IsKnownForm(main)) return main;
        if (IsKnownForm(alt)) return alt;
    }
    return {};
}

}  // namespace kunimor
