#pragma once

#include <string_view>

namespace kunimor::import {

// Russian and Belarusian verbs that look like cognates but mean different
// things (устать "get tired" / устаць "stand up"): spelling induction must
// never pair them. Windows-1251, lower case.
bool IsVerbFalseFriend(std::string_view ru, std::string_view be);

}  // namespace kunimor::import
