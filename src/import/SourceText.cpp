#include "import/SourceText.h"

#include "ground/Language.h"
#include "ground/Cp1251.h"
#include "ground/LetterCase.h"
#include "ground/Utf8.h"

#include <vector>

namespace kunimor::import {

namespace {

bool IsCyrillic(char32_t c) { return c >= 0x0400 && c <= 0x04FF; }

// Latin letters that look like Cyrillic ones, as the data mixes them in.
char32_t CyrillicLookAlike(char32_t c) {
    switch (c) {
        case U'a': return U'а'; case U'c': return U'с'; case U'e': return U'е'; case U'o': return U'о';
        case U'p': return U'р'; case U'x': return U'х'; case U'y': return U'у'; case U'k': return U'к';
        case U'i': return U'і'; case U'A': return U'А'; case U'B': return U'В'; case U'C': return U'С';
        case U'E': return U'Е'; case U'H': return U'Н'; case U'K': return U'К'; case U'M': return U'М';
        case U'O': return U'О'; case U'P': return U'Р'; case U'T': return U'Т'; case U'X': return U'Х';
        case U'I': return U'І';
        default: return 0;
    }
}

bool IsMark(char32_t c) {
    return c == 0x00B9 || c == 0x00B2 || c == 0x00B3 || c == 0x0301 || c == 0x0300 || c == 0x207B;
}

}  // namespace

std::optional<std::string> DictionaryText(int lang, std::string_view utf8, TImportReport& report) {
    std::vector<char32_t> chars;
    bool cyrillic = false;
    for (size_t pos = 0; pos < utf8.size();) {
        const auto c = DecodeUtf8(utf8, pos);
        if (!c) {
            report.Count("dropped", "malformed UTF-8");
            return std::nullopt;
        }
        if (IsMark(*c)) {
            report.Count("repaired", "homonym or stress mark removed");
            continue;
        }
        // The generators mark words whose form follows the next word's sound
        // (~к, ~из); the translator makes those choices itself.
        if (*c == U'~') {
            report.Count("repaired", "mark of a form chosen by the next word removed");
            continue;
        }
        cyrillic = cyrillic || IsCyrillic(*c);
        chars.push_back(*c);
    }
    std::string out;
    out.reserve(chars.size());
    bool latinReplaced = false;
    for (char32_t c : chars) {
        if (cyrillic && CyrillicLookAlike(c) != 0) {
            // Russian has no "і": a Latin i in a Russian word stands for "и".
            c = (lang == kRussian && (c == U'i' || c == U'I')) ? (c == U'i' ? U'и' : U'И') : CyrillicLookAlike(c);
            latinReplaced = true;
        }
        if (lang == kRussian && (c == U'ё' || c == U'Ё')) c = c == U'ё' ? U'е' : U'Е';
        if (c == U'’' || c == U'ʼ') c = U'\'';
        const int byte = UnicodeToCp1251(c);
        if (byte < 0) {
            report.Count("dropped", "character outside Windows-1251");
            return std::nullopt;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (latinReplaced) report.Count("repaired", lang == kRussian ? "Latin letters in a Russian word" : "Latin letters in a Belarusian word");
    return LowerCaseCyr(out);
}

}  // namespace kunimor::import
