#include "app/LanguageFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "ground/Utf8.h"

namespace kunimor::app {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsUtf8(std::string_view line) {
    for (std::size_t pos = 0; pos < line.size();)
        if (!DecodeUtf8(line, pos)) return false;
    return true;
}

void AppendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x10000) {
        AppendUtf8(out, cp);
        return;
    }
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// Surrogate pairs join; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        const bool pair = cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                          units[i + 1] < 0xE000;
        if (pair) cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00u);
        else if (cp >= 0xD800 && cp < 0xE000) cp = 0xFFFD;
        AppendCodePoint(out, cp);
    }
    return out;
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
    if (what.empty()) return;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

struct TOptions {
    bool humanize = false;
    std::string cr = "\\", crlf = "\\", lf = "\\";
};

TOptions ReadOptions(const std::vector<std::string_view>& lines) {
    auto option = [&](std::string_view name) -> std::optional<std::string> {
        for (std::string_view line : lines) {
            const std::size_t eq = line.find('=');
            if (eq != std::string_view::npos && EqualsIgnoringCase(line.substr(0, eq), name))
                return std::string(line.substr(eq + 1));
        }
        return std::nullopt;
    };
    TOptions options;
    const std::optional<std::string> humanize = option("Humanize");
    if (!humanize) return options;
    options.humanize = *humanize == "1";
    if (auto divider = option("HumanizeDivider")) options.cr = options.crlf = *divider;
    if (auto cr = option("HumanizedCR")) options.cr = *cr;
    if (auto crlf = option("HumanizedCRLF")) options.crlf = *crlf;
    if (auto lf = option("HumanizedLF")) options.lf = *lf;
    return options;
}

std::string Humanized(std::string value, const TOptions& options, std::string_view lineBreak) {
    if (options.cr == options.crlf) {
        ReplaceAll(value, options.cr, lineBreak);
    } else {
        ReplaceAll(value, options.cr, "\r");
        ReplaceAll(value, options.crlf, "\r\n");
    }
    ReplaceAll(value, options.lf, "\n");
    return value;
}

// Quoted runs and #codes; nullopt when the value is malformed.
std::optional<std::string> Quoted(std::string_view value) {
    std::u16string units;
    std::size_t pos = 0;
    bool piece = false;  // a piece was read, so another character breaks the line
    while (pos < value.size()) {
        const char c = value[pos];
        if (c == '\'') {
            ++pos;
            for (;;) {
                if (pos >= value.size()) return std::nullopt;  // unterminated
                if (value[pos] == '\'') {
                    if (pos + 1 < value.size() && value[pos + 1] == '\'') {
                        units += u'\'';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                std::size_t at = pos;
                const std::optional<char32_t> cp = DecodeUtf8(value, at);
                if (!cp) return std::nullopt;
                if (*cp >= 0x10000) {
                    units += static_cast<char16_t>(0xD800 + ((*cp - 0x10000) >> 10));
                    units += static_cast<char16_t>(0xDC00 + ((*cp - 0x10000) & 0x3FF));
                } else {
                    units += static_cast<char16_t>(*cp);
                }
                pos = at;
            }
            piece = true;
        } else if (c == '#') {
            ++pos;
            const std::size_t start = pos;
            while (pos < value.size() && std::isdigit(static_cast<unsigned char>(value[pos]))) ++pos;
            unsigned code = 0;
            const auto [end, error] = std::from_chars(value.data() + start, value.data() + pos, code);
            if (pos == start || error != std::errc() || end != value.data() + pos || code > 0xFFFF) return std::nullopt;
            units += static_cast<char16_t>(code);
            piece = true;
        } else if (!piece) {
            break;  // no quote or code at the start of a line: the rest is empty
        } else {
            // A separator: what came so far is a line of its own. A loop, not
            // a call per line, so that no value can run the stack out.
            units += u'\r';
            value.remove_prefix(pos + 1);
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
            pos = 0;
            piece = false;
        }
    }
    return Utf16ToUtf8(units);
}

}  // namespace

const TResForm* TLanguageFile::Form(std::string_view className) const {
    const auto it = std::ranges::find_if(forms, [&](const TResForm& f) { return f.className == className; });
    return it == forms.end() ? nullptr : &*it;
}

TLanguageFile ReadLanguageFile(std::string_view bytes) {
    TLanguageFile file;
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.empty() || lines.front() != kLanguageSignature) {
        file.errors.push_back(lines.empty() ? "empty file" : "no signature");
        return file;
    }
    const TOptions options = ReadOptions(lines);
    auto fail = [&](std::size_t n, std::string what) {
        file.errors.push_back("line " + std::to_string(n + 1) + ": " + std::move(what));
    };
    auto decode = [&](std::string_view value, std::string_view lineBreak) {
        return options.humanize ? std::optional<std::string>(Humanized(std::string(value), options, lineBreak))
                                : Quoted(value);
    };
    enum { None, Form, Strings } section = None;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (section == Strings) file.resourceSectionComplete = true;
            if (EqualsIgnoringCase(line, "[RESOURCESTRINGS]")) {
                section = Strings;
                file.resourceStrings.emplace();
                file.resourceSectionComplete = false;
            } else if (line.substr(1, 3) == "(x)") {
                fail(n, "deleted form");
                return file;
            } else {
                section = Form;
                file.forms.push_back({std::string(line.substr(1, line.size() >= 2 ? line.size() - 2 : 0)), {}, {}});
            }
            continue;
        }
        if (section == None) continue;
        if (!IsUtf8(line)) {
            fail(n, "not UTF-8");
            continue;
        }
        if (line.front() == '(') {
            if (line.starts_with("(x)")) fail(n, "obsolete entry");
            if (line.starts_with("(!)")) fail(n, "untranslated entry");
            continue;
        }
        if (section == Form) {
            const std::size_t eq = line.find('=');
            const std::string_view key = line.substr(0, eq);
            const std::string_view path = key.substr(0, key.find('{'));
            const std::optional<std::string> value =
                decode(eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1), "\r");
            if (!value) {
                fail(n, "malformed value");
                return file;
            }
            if (path.empty()) {
                fail(n, "empty property path");
                return file;
            }
            file.forms.back().paths.emplace_back(path);
            file.forms.back().values.push_back(*value);
        } else {
            const std::size_t underscore = line.find('_');
            const std::string_view idText = line.substr(0, underscore);
            int id = 0;
            const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
            if (underscore == std::string_view::npos || idText.empty() || error != std::errc() ||
                end != idText.data() + idText.size()) {
                fail(n, "bad resource id");
                continue;
            }
            const std::string_view rest = line.substr(underscore + 1);
            const std::size_t eq = rest.find('=');
            const std::optional<std::string> value =
                decode(eq == std::string_view::npos ? std::string_view() : rest.substr(eq + 1), "\r\n");
            if (!value) {
                fail(n, "malformed value");
                return file;
            }
            file.resourceStrings->push_back({id, *value});
        }
    }
    if (section == Strings) file.resourceSectionComplete = true;
    file.complete = true;
    return file;
}

const std::string* FindResourceString(const std::vector<TResString>& table, int id) {
    if (table.empty()) return nullptr;
    std::size_t low = 0, high = table.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (table[middle].id < id) low = middle + 1;
        else high = middle;
    }
    return table[low].id == id ? &table[low].text : nullptr;
}

}  // namespace kunimor::app
