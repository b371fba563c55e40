#include "ground/Cp1251.h"

#include "ground/Utf8.h"

namespace kunimor {

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::size_t* badOffset) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const auto cp = DecodeUtf8(utf8, pos);
        const int byte = cp ? UnicodeToCp1251(*cp) : -1;
        if (byte < 0) {
            if (badOffset) *badOffset = start;
            return false;
        }
        out += static_cast<char>(byte);
    }
    return true;
}

}  // namespace kunimor
