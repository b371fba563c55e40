#include "ground/HtmlText.h"

#include <cctype>

namespace kunimor {
namespace {

bool OpensTag(std::string_view html, std::size_t pos) {
    if (pos + 1 >= html.size()) return false;
    const auto next = static_cast<unsigned char>(html[pos + 1]);
    return std::isalpha(next) || next == '/' || next == '!' || next == '?';
}

// Where the markup starting at pos ends (one past its last byte).
std::size_t MarkupEnd(std::string_view html, std::size_t pos) {
    if (html.substr(pos).starts_with("<!--")) {
        const std::size_t end = html.find("-->", pos + 4);
        return end == std::string_view::npos ? html.size() : end + 3;
    }
    // A ">" inside a quoted attribute value does not close the tag.
    char quote = 0;
    for (std::size_t i = pos + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return html.size();
}

std::string LowerAscii(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The element whose contents are no text to transform, when the tag opens one.
std::string_view RawTextElement(std::string_view tag) {
    const std::string lower = LowerAscii(tag.substr(0, 8));
    for (const std::string_view name : {"script", "style"}) {
        if (lower.size() > name.size() + 1 && lower.compare(1, name.size(), name) == 0) {
            const char after = lower[name.size() + 1];
            if (after == '>' || after == '/' || std::isspace(static_cast<unsigned char>(after))) return name;
        }
    }
    return {};
}

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

}  // namespace

std::string TransformHtmlText(std::string_view html, const std::function<std::string(std::string_view)>& transform) {
    std::string out;
    out.reserve(html.size());
    std::size_t textStart = 0;
    auto passText = [&](std::size_t end) {
        const std::string_view text = html.substr(textStart, end - textStart);
        out += IsBlank(text) ? std::string(text) : transform(text);
    };
    std::size_t pos = 0;
    while (pos < html.size()) {
        if (html[pos] != '<' || !OpensTag(html, pos)) {
            ++pos;
            continue;
        }
        passText(pos);
        std::size_t end = MarkupEnd(html, pos);
        if (const std::string_view raw = RawTextElement(html.substr(pos, end - pos)); !raw.empty()) {
            // Up to the element's end tag, kept whole.
            const std::size_t close = LowerAscii(html.substr(end)).find("</" + std::string(raw));
            end = close == std::string::npos ? html.size() : MarkupEnd(html, end + close);
        }
        out += html.substr(pos, end - pos);
        pos = textStart = end;
    }
    passText(html.size());
    return out;
}

}  // namespace kunimor
