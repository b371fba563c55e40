#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// A paradigm Forms text in Windows-1251 from (form number, UTF-8 entry)
// pairs; form numbers not listed get empty entries.
std::string MakeForms(std::initializer_list<std::pair<int, std::string_view>> entries);
