#include "editing/AbbreviationCheck.h"

#include "editing/EntryFieldInput.h"
#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"

#include <string_view>

namespace kunimor {

namespace {

constexpr int kMaxFirstWord = 6;
constexpr int kMinLength = 3;

// The letters the abbreviation checks count, whichever the language.
constexpr CharSet kAbbreviationLetters = CharSet("'ўіё"_cp1251).AddRange(0xE0, 0xFF);

void ReduceBlanks(std::string& text) {
    for (size_t at; (at = text.find("  ")) != std::string::npos;) text.erase(at, 1);
    const size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> CheckAbbreviationField(int lang, std::string& text, bool& noDelimiter) {
    std::optional<std::string> refused = CheckWordChars(lang, text, true, true);
    ReduceBlanks(text);
    if (refused) return refused;
    if (text.empty() || !kAbbreviationLetters.Contains(text.front()))
        return std::string("Сокращение должно начинаться с буквы!"_cp1251);
    size_t letters = 0;
    while (letters < text.size() && kAbbreviationLetters.Contains(text[letters])) ++letters;
    if (letters == text.size()) {
        if (noDelimiter)
            return FormatText(
                "По крайней мере одно из сокращений должно содержать\rхотя бы один разделитель из списка \"%s\" !"_cp1251,
                {" ,-:./"});
        noDelimiter = true;
        return std::nullopt;
    }
    if (letters > static_cast<size_t>(kMaxFirstWord))
        return FormatText("Первое слово \"%s\" в сокращении не должно быть длиннее %d букв"_cp1251,
                          {std::string_view(text).substr(0, letters), std::to_string(kMaxFirstWord)});
    if (text.size() < static_cast<size_t>(kMinLength))
        return FormatText("Сокращение не должно быть короче %d букв!"_cp1251, {std::to_string(kMinLength)});
    return std::nullopt;
}

}  // namespace kunimor
