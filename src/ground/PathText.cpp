#include "ground/PathText.h"

#include "ground/Cp1251.h"
#include "ground/Utf8.h"

namespace kunimor {

std::string PathText(const std::filesystem::path& path) {
    const std::string utf8 = path.string();
    std::string out;
    std::string_view rest = utf8;
    while (!rest.empty()) {
        std::string converted;
        std::size_t bad = 0;
        if (Utf8ToCp1251(rest, converted, &bad)) {
            out += converted;
            break;
        }
        out += converted;
        out += '?';
        std::size_t next = bad;
        if (!DecodeUtf8(rest, next)) next = bad + 1;  // a malformed byte: skip just it
        rest.remove_prefix(next);
    }
    return out;
}

}  // namespace kunimor
