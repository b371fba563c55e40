#include "ground/Transcription.h"

#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "ground/Cp1251.h"
#include "ground/LatinUtf8.h"
#include "ground/Utf8.h"

namespace kunimor {
namespace {

struct TLetterRule {
    char32_t letter;  // small letter
    const char* latin;
};

// Shared by the three transliterations; a language's own rules come first.
constexpr std::array<TLetterRule, 33> kCommonRules = {{
    {U'а', "a"},  {U'б', "b"},  {U'в', "v"},   {U'г', "g"},    {U'д', "d"},  {U'е', "e"},  {U'ё', "yo"},
    {U'ж', "zh"}, {U'з', "z"},  {U'и', "i"},   {U'й', "y"},    {U'к', "k"},  {U'л', "l"},  {U'м', "m"},
    {U'н', "n"},  {U'о', "o"},  {U'п', "p"},   {U'р', "r"},    {U'с', "s"},  {U'т', "t"},  {U'у', "u"},
    {U'ф', "f"},  {U'х', "kh"}, {U'ц', "ts"},  {U'ч', "ch"},   {U'ш', "sh"}, {U'щ', "shch"}, {U'ъ', "\""},
    {U'ы', "y"},  {U'ь', "'"},  {U'э', "e"},   {U'ю', "yu"},   {U'я', "ya"},
}};

constexpr std::array<TLetterRule, 4> kBelarusianRules = {{{U'г', "h"}, {U'ґ', "g"}, {U'і', "i"}, {U'ў', "w"}}};
constexpr std::array<TLetterRule, 6> kUkrainianRules = {
    {{U'г', "h"}, {U'ґ', "g"}, {U'и', "y"}, {U'і', "i"}, {U'ї', "yi"}, {U'є', "ye"}}};

template <std::size_t N>
const char* Find(const std::array<TLetterRule, N>& rules, char32_t small) {
    for (const TLetterRule& rule : rules)
        if (rule.letter == small) return rule.latin;
    return nullptr;
}

// The small letter of a Cyrillic capital, or the letter itself.
char32_t Small(char32_t c) {
    if (c >= U'А' && c <= U'Я') return c + 0x20;
    if (c >= U'Ѐ' && c <= U'Џ') return c + 0x50;
    if (c == U'Ґ') return U'ґ';
    return c;
}

const char* Translit(char32_t small, TTranscription how) {
    const char* own = nullptr;
    switch (how) {
        case TTranscription::BelarusianTranslit: own = Find(kBelarusianRules, small); break;
        case TTranscription::UkrainianTranslit: own = Find(kUkrainianRules, small); break;
        case TTranscription::RussianTranslit:
        case TTranscription::BelarusianLatin: break;
    }
    return own ? own : Find(kCommonRules, small);
}

bool IsCapital(char32_t c) { return Small(c) != c; }

std::string Transliterate(std::string_view utf8, TTranscription how) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = DecodeUtf8(utf8, pos);
        if (!c) {
            out += utf8[pos++];
            continue;
        }
        const char* latin = Translit(Small(*c), how);
        if (!latin) {
            out.append(utf8.substr(start, pos - start));
            continue;
        }
        std::string written = latin;
        if (IsCapital(*c)) {
            // "Ж" is "Zh" before a small letter and "ZH" in a word of capitals.
            std::size_t next = pos;
            const std::optional<char32_t> after = next < utf8.size() ? DecodeUtf8(utf8, next) : std::nullopt;
            const bool allCapitals = after && IsCapital(*after);
            for (std::size_t i = 0; i < written.size(); ++i)
                if (i == 0 || allCapitals) written[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(written[i])));
        }
        out += written;
    }
    return out;
}

// The Latin script works on Windows-1251 text: runs that Windows-1251 can
// hold go through it, the rest is copied.
std::string ToBelarusianLatin(std::string_view utf8) {
    std::string out;
    std::string run;  // Windows-1251
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = DecodeUtf8(utf8, pos);
        const int byte = c ? UnicodeToCp1251(*c) : -1;
        if (byte >= 0) {
            run += static_cast<char>(byte);
            continue;
        }
        out += CyrillicToLatinUtf8(run, false);
        run.clear();
        if (!c) ++pos;
        out.append(utf8.substr(start, pos - start));
    }
    return out + CyrillicToLatinUtf8(run, false);
}

}  // namespace

std::string Transcribe(std::string_view utf8, TTranscription how) {
    return how == TTranscription::BelarusianLatin ? ToBelarusianLatin(utf8) : Transliterate(utf8, how);
}

}  // namespace kunimor
