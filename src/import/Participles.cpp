#include "import/Participles.h"

#include <algorithm>

namespace kunimor::import {

namespace {

bool Has(const std::vector<std::string>& tags, std::string_view tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

}  // namespace

std::optional<std::string> ParticipleType(const std::vector<std::string>& tags) {
    const bool active = Has(tags, "actv"), passive = Has(tags, "pasv");
    if (!active && !passive) return std::nullopt;
    if (Has(tags, "pass") || Has(tags, "adv")) return std::nullopt;
    const char* tense = Has(tags, "pprs") ? "pprs" : Has(tags, "pp") ? "pp" : nullptr;
    if (tense == nullptr) return std::nullopt;
    return std::string(tense) + (active ? " actv" : " pasv");
}

std::string ParticipleLemma(const std::string& verbLemma, int verbKind, std::string_view type) {
    std::string key = verbLemma;
    key += '\x02';
    key += static_cast<char>('0' + verbKind);
    key += type;
    return key;
}

}  // namespace kunimor::import
