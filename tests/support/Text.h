#pragma once

#include <string>
#include <string_view>

// Test sources are UTF-8 while the engine works in Windows-1251.

// A UTF-8 literal in Windows-1251; fails the running test when it cannot be converted.
std::string W(std::string_view utf8);

// Windows-1251 text back in UTF-8, for readable failure messages.
std::string U(std::string_view cp1251);
