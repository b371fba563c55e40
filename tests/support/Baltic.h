#pragma once

#include <string>
#include <string_view>

// The engine holds Belarusian in the Latin script as Windows-1257, with "ŭ"
// written as "ū" (0xFB); test sources write it as UTF-8.

// UTF-8 Latin-script text in Windows-1257; "ŭ" and "ū" both give 0xFB. Fails
// the running test on a character outside the script.
std::string Baltic(std::string_view utf8);

// Windows-1257 Latin-script text back in UTF-8 for readable failure messages;
// 0xFB shows as "ŭ", other bytes outside the script as "<XX>".
std::string FromBaltic(std::string_view cp1257);
