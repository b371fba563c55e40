#include "support/Baltic.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "ground/Utf8.h"

namespace {

struct BalticLetter {
    unsigned char byte;
    char32_t codePoint;
};

// Ŭ ŭ first, so that 0xDB and 0xFB show as they are meant.
constexpr BalticLetter kLetters[] = {
    {0xDB, U'Ŭ'}, {0xFB, U'ŭ'}, {0xDB, U'Ū'}, {0xFB, U'ū'}, {0xC3, U'Ć'}, {0xE3, U'ć'},
    {0xC8, U'Č'}, {0xE8, U'č'}, {0xCA, U'Ź'}, {0xEA, U'ź'}, {0xD0, U'Š'}, {0xF0, U'š'},
    {0xD1, U'Ń'}, {0xF1, U'ń'}, {0xD9, U'Ł'}, {0xF9, U'ł'}, {0xDA, U'Ś'}, {0xFA, U'ś'},
    {0xDE, U'Ž'}, {0xFE, U'ž'},
};

}  // namespace

std::string Baltic(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto codePoint = kunimor::DecodeUtf8(utf8, pos);
        if (codePoint && *codePoint < 0x80) {
            out += static_cast<char>(*codePoint);
            continue;
        }
        const BalticLetter* letter = nullptr;
        for (const BalticLetter& l : kLetters) {
            if (codePoint && l.codePoint == *codePoint) letter = &l;
        }
        if (!letter) {
            ADD_FAILURE() << "test literal \"" << utf8 << "\" is not Latin-script text";
            throw std::invalid_argument("bad test literal");
        }
        out += static_cast<char>(letter->byte);
    }
    return out;
}

std::string FromBaltic(std::string_view cp1257) {
    std::string out;
    for (const char c : cp1257) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
            continue;
        }
        const BalticLetter* letter = nullptr;
        for (const BalticLetter& l : kLetters) {
            if (!letter && l.byte == byte) letter = &l;
        }
        if (letter) {
            kunimor::AppendUtf8(out, letter->codePoint);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", byte);
            out += hex;
        }
    }
    return out;
}
