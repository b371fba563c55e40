#include "support/Text.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ground/Cp1251.h"

std::string W(std::string_view utf8) {
    std::string out;
    std::size_t bad = 0;
    if (!kunimor::Utf8ToCp1251(utf8, out, &bad)) {
        // A bad literal breaks the test itself; the exception ends it, and gtest reports it.
        ADD_FAILURE() << "test literal \"" << utf8 << "\" is not Windows-1251 text (offset " << bad
                      << ")";
        throw std::invalid_argument("bad test literal");
    }
    return out;
}

std::string U(std::string_view cp1251) { return kunimor::Cp1251ToUtf8(cp1251); }
