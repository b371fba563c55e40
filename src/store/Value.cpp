#include "store/Value.h"

#include "ground/Error.h"

#include <charconv>

namespace kunimor {

int32_t Value::AsInt() const {
    if (auto* i = std::get_if<int32_t>(&v_)) return *i;
    if (auto* b = std::get_if<bool>(&v_)) return *b ? 1 : 0;
    if (auto* s = std::get_if<std::string>(&v_)) {
        if (s->empty()) return 0;
        int32_t r = 0;
        auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), r);
        if (ec != std::errc() || end != s->data() + s->size())
            throw Error("'" + *s + "' is not a valid integer value");
        return r;
    }
    return 0;
}

bool Value::AsBool() const {
    if (auto* b = std::get_if<bool>(&v_)) return *b;
    if (auto* i = std::get_if<int32_t>(&v_)) return *i != 0;
    if (auto* s = std::get_if<std::string>(&v_)) {
        if (*s == "True" || *s == "true" || *s == "1") return true;
        if (s->empty() || *s == "False" || *s == "false" || *s == "0") return false;
        throw Error("'" + *s + "' is not a valid boolean value");
    }
    return false;
}

std::string Value::AsString() const {
    if (auto* s = std::get_if<std::string>(&v_)) return *s;
    if (auto* i = std::get_if<int32_t>(&v_)) return std::to_string(*i);
    if (auto* b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
    return {};
}

}  // namespace kunimor
