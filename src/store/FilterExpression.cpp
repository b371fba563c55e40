#include "store/FilterExpression.h"

#include "store/Collation.h"
#include "ground/Error.h"
#include "store/FieldName.h"
#include "store/Value.h"

#include <cctype>
#include <string>

namespace kunimor {

enum class FilterOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, And, Or, Not };

struct FilterExpression::Node {
    FilterOp op = FilterOp::Equal;
    // comparison
    const FieldDef* field = nullptr;
    Value constant;
    // logic
    std::unique_ptr<Node> left, right;
};

namespace {

class Parser {
public:
    Parser(std::string_view text, const std::vector<FieldDef>& fields) : s_(text), fields_(fields) {}

    std::unique_ptr<FilterExpression::Node> Parse() {
        auto n = ParseOr();
        SkipSpace();
        if (p_ != s_.size()) Fail("unexpected text");
        return n;
    }

private:
    using NodePtr = std::unique_ptr<FilterExpression::Node>;

    [[noreturn]] void Fail(const std::string& what) const {
        throw Error("Filter expression \"" + std::string(s_) + "\": " + what + " at position " +
                    std::to_string(p_ + 1));
    }

    void SkipSpace() {
        while (p_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[p_]))) ++p_;
    }

    bool Keyword(std::string_view word) {
        SkipSpace();
        if (p_ + word.size() > s_.size() || !SameFieldName(s_.substr(p_, word.size()), word)) return false;
        const size_t end = p_ + word.size();
        if (end < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[end])) || s_[end] == '_')) return false;
        p_ = end;
        return true;
    }

    NodePtr Combine(FilterOp op, NodePtr l, NodePtr r) {
        auto n = std::make_unique<FilterExpression::Node>();
        n->op = op;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }

    NodePtr ParseOr() {
        NodePtr l = ParseAnd();
        while (Keyword("OR")) l = Combine(FilterOp::Or, std::move(l), ParseAnd());
        return l;
    }

    NodePtr ParseAnd() {
        NodePtr l = ParseFactor();
        while (Keyword("AND")) l = Combine(FilterOp::And, std::move(l), ParseFactor());
        return l;
    }

    NodePtr ParseFactor() {
        SkipSpace();
        if (p_ < s_.size() && s_[p_] == '(') {
            ++p_;
            NodePtr n = ParseOr();
            SkipSpace();
            if (p_ >= s_.size() || s_[p_] != ')') Fail("')' expected");
            ++p_;
            return n;
        }
        if (Keyword("NOT")) return Combine(FilterOp::Not, ParseFactor(), nullptr);
        return ParseComparison();
    }

    NodePtr ParseComparison() {
        SkipSpace();
        const size_t start = p_;
        while (p_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[p_])) || s_[p_] == '_')) ++p_;
        if (p_ == start) Fail("field name expected");
        const std::string_view name = s_.substr(start, p_ - start);
        const FieldDef* field = nullptr;
        for (const FieldDef& f : fields_)
            if (SameFieldName(f.name, name)) field = &f;
        if (!field) Fail("unknown field " + std::string(name));

        auto n = std::make_unique<FilterExpression::Node>();
        n->field = field;
        n->op = ParseOperator();
        n->constant = ParseConstant(*field);
        return n;
    }

    FilterOp ParseOperator() {
        SkipSpace();
        auto next = [&](std::string_view op) {
            if (s_.substr(p_, op.size()) != op) return false;
            p_ += op.size();
            return true;
        };
        if (next("<>")) return FilterOp::NotEqual;
        if (next("<=")) return FilterOp::LessEqual;
        if (next(">=")) return FilterOp::GreaterEqual;
        if (next("=")) return FilterOp::Equal;
        if (next("<")) return FilterOp::Less;
        if (next(">")) return FilterOp::Greater;
        Fail("comparison operator expected");
    }

    Value ParseConstant(const FieldDef& field) {
        SkipSpace();
        std::string text;
        if (p_ < s_.size() && s_[p_] == '\'') {
            ++p_;
            for (;;) {
                if (p_ >= s_.size()) Fail("unterminated quoted text");
                if (s_[p_] == '\'') {
                    if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
                        text += '\'';
                        p_ += 2;
                        continue;
                    }
                    ++p_;
                    break;
                }
                text += s_[p_++];
            }
        } else if (Keyword("True")) {
            text = "True";
        } else if (Keyword("False")) {
            text = "False";
        } else {
            const size_t start = p_;
            if (p_ < s_.size() && s_[p_] == '-') ++p_;
            while (p_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p_]))) ++p_;
            if (p_ == start) Fail("constant expected");
            text = std::string(s_.substr(start, p_ - start));
        }
        try {
            switch (field.type) {
            case FieldType::Integer:
            case FieldType::Smallint:
                return Value(Value(text).AsInt());
            case FieldType::Boolean:
                return Value(Value(text).AsBool());
            case FieldType::String:
            case FieldType::Memo:
                return Value(text);
            }
        } catch (const Error& e) {
            Fail(e.what());
        }
        return {};
    }

    std::string_view s_;
    const std::vector<FieldDef>& fields_;
    size_t p_ = 0;
};

bool Evaluate(const FilterExpression::Node& n, const Record& r) {
    switch (n.op) {
    case FilterOp::And:
        return Evaluate(*n.left, r) && Evaluate(*n.right, r);
    case FilterOp::Or:
        return Evaluate(*n.left, r) || Evaluate(*n.right, r);
    case FilterOp::Not:
        return !Evaluate(*n.left, r);
    default:
        break;
    }
    const FieldDef& f = *n.field;
    int c;
    if (f.IsText()) {
        c = CompareStrings(r.strings[f.slot], n.constant.AsString(), Collation::Locale);
    } else {
        const int32_t a = r.ints[f.slot], b = n.constant.AsInt();
        c = a < b ? -1 : (a > b ? 1 : 0);
    }
    switch (n.op) {
    case FilterOp::Equal: return c == 0;
    case FilterOp::NotEqual: return c != 0;
    case FilterOp::Less: return c < 0;
    case FilterOp::Greater: return c > 0;
    case FilterOp::LessEqual: return c <= 0;
    case FilterOp::GreaterEqual: return c >= 0;
    default: return false;
    }
}

}  // namespace

FilterExpression::FilterExpression(std::string_view text, const std::vector<FieldDef>& fields)
    : root_(Parser(text, fields).Parse()) {}
FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression&&) noexcept = default;
FilterExpression& FilterExpression::operator=(FilterExpression&&) noexcept = default;

bool FilterExpression::Matches(const Record& r) const { return Evaluate(*root_, r); }

}  // namespace kunimor
