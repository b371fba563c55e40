#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kunimor {

// A field value as the table store hands it out: null, an integer, a boolean
// or an 8-bit string.
class Value {
public:
    Value() = default;
    Value(int32_t v) : v_(v) {}
    Value(bool v) : v_(v) {}
    Value(std::string v) : v_(std::move(v)) {}
    Value(std::string_view v) : v_(std::string(v)) {}
    Value(const char* v) : v_(std::string(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool IsInt() const { return std::holds_alternative<int32_t>(v_); }
    bool IsBool() const { return std::holds_alternative<bool>(v_); }
    bool IsString() const { return std::holds_alternative<std::string>(v_); }

    // Conversions follow the store's rules: null reads as 0, false or "".
    int32_t AsInt() const;
    bool AsBool() const;
    std::string AsString() const;
    // The held string without a copy, or nullptr when the value is not a string.
    const std::string* StringIf() const { return std::get_if<std::string>(&v_); }

    bool operator==(const Value&) const = default;

private:
    std::variant<std::monostate, int32_t, bool, std::string> v_;
};

}  // namespace kunimor
