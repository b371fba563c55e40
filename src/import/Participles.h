#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::import {

// The data files a participle under its verb (удалить<vblex><perf><pp><pasv>...);
// the dictionary makes each participle of a verb an adjective-kind word of
// its own, linked to the participle of the same type of every translation of
// the verb.

// "pp pasv", "pprs pasv", "pp actv" or "pprs actv" for the forms of a
// participle, nothing for other verb forms. The participles of the Russian
// reflexive half (использовавшийся) are left out: they have no counterpart.
std::optional<std::string> ParticipleType(const std::vector<std::string>& tags);

// The key a participle word is indexed under: verb lemma, verb kind and
// participle type; no dictionary form can look like it.
std::string ParticipleLemma(const std::string& verbLemma, int verbKind, std::string_view type);

}  // namespace kunimor::import
