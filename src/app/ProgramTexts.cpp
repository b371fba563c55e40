#include "app/ProgramTexts.h"

#include <algorithm>
#include <array>

#include "app/Localizer.h"

namespace kunimor::app {
namespace {

constexpr std::array kTexts = {
#define KUNIMOR_TEXT_ENTRY(id, name, text) TProgramText{TMsg::name, #name, text},
    KUNIMOR_PROGRAM_TEXTS(KUNIMOR_TEXT_ENTRY)
#undef KUNIMOR_TEXT_ENTRY
};

static_assert(std::ranges::is_sorted(kTexts, {}, &TProgramText::id), "language files list the ids ascending");

}  // namespace

std::span<const TProgramText> ProgramTexts() { return kTexts; }

QString Msg(TMsg id) {
    const auto* text = std::ranges::lower_bound(kTexts, id, {}, &TProgramText::id);
    const QString builtIn = QString::fromUtf8(text->builtIn.data(), qsizetype(text->builtIn.size()));
    // A language file breaks a message's lines with CR LF, the built-in
    // texts with CR.
    return Localizer().ResourceString(static_cast<int>(id), builtIn).replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
}

}  // namespace kunimor::app
