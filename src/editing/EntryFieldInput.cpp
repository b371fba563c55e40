#include "editing/EntryFieldInput.h"

#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"

#include <string_view>

namespace kunimor {

namespace {

// The Russian layout: per key, the unshifted and the shifted character.
struct TKeyCaps {
    int key;
    char usPlain, usShifted;
    std::string_view ruPlain, ruShifted;  // one Windows-1251 character each
};

const TKeyCaps kLayout[] = {
    {'Q', 'q', 'Q', "й"_cp1251, "Й"_cp1251}, {'W', 'w', 'W', "ц"_cp1251, "Ц"_cp1251},
    {'E', 'e', 'E', "у"_cp1251, "У"_cp1251}, {'R', 'r', 'R', "к"_cp1251, "К"_cp1251},
    {'T', 't', 'T', "е"_cp1251, "Е"_cp1251}, {'Y', 'y', 'Y', "н"_cp1251, "Н"_cp1251},
    {'U', 'u', 'U', "г"_cp1251, "Г"_cp1251}, {'I', 'i', 'I', "ш"_cp1251, "Ш"_cp1251},
    {'O', 'o', 'O', "щ"_cp1251, "Щ"_cp1251}, {'P', 'p', 'P', "з"_cp1251, "З"_cp1251},
    {'A', 'a', 'A', "ф"_cp1251, "Ф"_cp1251}, {'S', 's', 'S', "ы"_cp1251, "Ы"_cp1251},
    {'D', 'd', 'D', "в"_cp1251, "В"_cp1251}, {'F', 'f', 'F', "а"_cp1251, "А"_cp1251},
    {'G', 'g', 'G', "п"_cp1251, "П"_cp1251}, {'H', 'h', 'H', "р"_cp1251, "Р"_cp1251},
    {'J', 'j', 'J', "о"_cp1251, "О"_cp1251}, {'K', 'k', 'K', "л"_cp1251, "Л"_cp1251},
    {'L', 'l', 'L', "д"_cp1251, "Д"_cp1251}, {'Z', 'z', 'Z', "я"_cp1251, "Я"_cp1251},
    {'X', 'x', 'X', "ч"_cp1251, "Ч"_cp1251}, {'C', 'c', 'C', "с"_cp1251, "С"_cp1251},
    {'V', 'v', 'V', "м"_cp1251, "М"_cp1251}, {'B', 'b', 'B', "и"_cp1251, "И"_cp1251},
    {'N', 'n', 'N', "т"_cp1251, "Т"_cp1251}, {'M', 'm', 'M', "ь"_cp1251, "Ь"_cp1251},
    {'1', '1', '!', "1", "!"}, {'2', '2', '@', "2", "\""}, {'3', '3', '#', "3", "\xB9"},
    {'4', '4', '$', "4", ";"}, {'5', '5', '%', "5", "%"}, {'6', '6', '^', "6", ":"},
    {'7', '7', '&', "7", "?"}, {'8', '8', '*', "8", "*"}, {'9', '9', '(', "9", "("},
    {'0', '0', ')', "0", ")"},
    {0xBA, ';', ':', "ж"_cp1251, "Ж"_cp1251}, {0xBB, '=', '+', "=", "+"},
    {0xBC, ',', '<', "б"_cp1251, "Б"_cp1251}, {0xBD, '-', '_', "-", "_"},
    {0xBE, '.', '>', "ю"_cp1251, "Ю"_cp1251}, {0xBF, '/', '?', ".", ","},
    {0xC0, '`', '~', "ё"_cp1251, "Ё"_cp1251}, {0xDB, '[', '{', "х"_cp1251, "Х"_cp1251},
    {0xDC, '\\', '|', "\\", "/"}, {0xDD, ']', '}', "ъ"_cp1251, "Ъ"_cp1251},
    {0xDE, '\'', '"', "э"_cp1251, "Э"_cp1251},
};

// The Belarusian layout's own letters on the keys of и, щ and ъ.
char Belarusian(char c) {
    static const std::string_view from = "ИиЩщЪъ"_cp1251;
    static const std::string_view to = "ІіЎў''"_cp1251;
    const size_t at = from.find(c);
    return at == std::string_view::npos ? c : to[at];
}

}  // namespace

char MapKeyToLetter(int lang, int key, char typed, TKeyShift shift) {
    if (key < 48 || key > 255 || shift.alt || shift.ctrl) return typed;
    for (const TKeyCaps& caps : kLayout) {
        if (caps.key != key) continue;
        const char c = (shift.shift ? caps.ruShifted : caps.ruPlain)[0];
        return lang == kBelarusian ? Belarusian(c) : c;
    }
    return typed;
}

int KeyOfTypedChar(char c, bool& shift) {
    for (const TKeyCaps& caps : kLayout) {
        for (bool shifted : {false, true}) {
            const char us = shifted ? caps.usShifted : caps.usPlain;
            const char ru = (shifted ? caps.ruShifted : caps.ruPlain)[0];
            if (c == us || c == ru || (ru != Belarusian(ru) && c == Belarusian(ru) && c != '\'')) {
                shift = shifted;
                return caps.key;
            }
        }
    }
    return 0;
}

std::pair<char, bool> MapTypedChar(int lang, char typed) {
    if (LettersOf(lang).letters.Contains(typed)) return {typed, false};
    bool shift = false;
    const int key = KeyOfTypedChar(typed, shift);
    if (key == 0) return {typed, false};
    const char mapped = MapKeyToLetter(lang, key, typed, {.shift = shift});
    return {mapped, mapped != typed};
}

std::string NormalizeEditText(int lang, std::string_view text) {
    std::string result = LowerCaseCyr(text);
    NormalizeWord(lang, result);
    return result;
}

std::optional<std::string> CheckWordChars(int lang, std::string& text, bool abbreviation, bool extra) {
    static constexpr std::string_view kLatin = "acehkmoptxyu`i";
    static constexpr std::string_view kCyrillic = "асенкмортхуи'і"_cp1251;
    for (char& c : text)
        if (const size_t at = kLatin.find(c); at != std::string_view::npos) c = kCyrillic[at];
    CharSet allowed = LettersOf(lang).lower;
    if (extra) allowed.Add(" ,-/:_");
    if (abbreviation) allowed.Add('.');
    for (char c : text)
        if (!allowed.Contains(c))
            return FormatText("В строке \"%s\" обнаружен\rсимвол \"%s\", не входящий в алфавит языка!"_cp1251,
                              {text, std::string_view(&c, 1)});
    return std::nullopt;
}

}  // namespace kunimor
