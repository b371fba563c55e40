#pragma once

#include "store/FieldDef.h"
#include "store/Record.h"

#include <memory>
#include <string_view>
#include <vector>

namespace kunimor {

// A record filter such as `(Kind = '3') AND (Modif =  True)` or
// `((No1 = 7) OR (No2 = 7)) AND (No <> 5000001)`: comparisons of a field
// with a constant (decimal integer, quoted text, True or False), combined
// with AND, OR, NOT and parentheses. Field names match case-insensitively.
class FilterExpression {
public:
    // Throws Error for bad syntax or an unknown field.
    FilterExpression(std::string_view text, const std::vector<FieldDef>& fields);
    ~FilterExpression();
    FilterExpression(FilterExpression&&) noexcept;
    FilterExpression& operator=(FilterExpression&&) noexcept;

    bool Matches(const Record& r) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

}  // namespace kunimor
