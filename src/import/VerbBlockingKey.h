#pragma once

#include <string>
#include <string_view>

namespace kunimor::import {

// A cheap key that a Russian verb and its Belarusian cognate nearly always
// share, so that only verbs with equal keys need a full spelling comparison:
// the first consonants of the stem (the infinitive ending cut off), with
// vowels, soft and hard signs, в/ў/й dropped and the letters that regularly
// replace each other merged (т/ц, з/с, щ/шч, дз/д). Windows-1251, lower case.
std::string VerbBlockingKey(std::string_view infinitive, bool russian);

}  // namespace kunimor::import
