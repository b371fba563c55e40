#include "app/IniFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "ground/Error.h"
#include "ground/PathText.h"
#include "ground/Cp1251.h"
#include "ground/Utf8.h"

namespace kunimor::app {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();)
        if (!DecodeUtf8(bytes, pos)) return false;
    return true;
}

}  // namespace

TIniFile TIniFile::Load(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(PathText(path) + ": cannot be read");
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(bytes);
}

TIniFile TIniFile::Parse(std::string_view bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    const std::string text = IsUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);

    TIniFile ini;
    TSection* current = nullptr;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = Trim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            current = &ini.SectionFor(Trim(line.substr(1, close == std::string_view::npos ? close : close - 1)));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !current) continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty() || ini.Find(current->name, key)) continue;  // the first of repeated keys counts
        current->entries.push_back({std::string(key), std::string(Trim(line.substr(eq + 1)))});
    }
    return ini;
}

std::string TIniFile::Text() const {
    std::string out;
    for (const TSection& section : sections_) {
        if (!out.empty()) out += '\n';
        out += '[' + section.name + "]\n";
        for (const TEntry& entry : section.entries) out += entry.key + '=' + entry.value + '\n';
    }
    return out;
}

void TIniFile::Save(const std::filesystem::path& path) const {
    const std::string text = Text();
    const std::filesystem::path temp = path.string() + ".tmp" + std::to_string(::getpid());
    auto fail = [&](const std::string& what) {
        const std::string reason = std::strerror(errno);
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw Error(PathText(path) + ": " + what + ": " + reason);
    };
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) fail("cannot be written");
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0 &&
                         ::fsync(::fileno(file)) == 0;
    if (std::fclose(file) != 0 || !written) fail("cannot be written");
    if (std::rename(temp.c_str(), path.c_str()) != 0) fail("cannot be replaced");
}

const TIniFile::TEntry* TIniFile::Find(std::string_view section, std::string_view key) const {
    for (const TSection& s : sections_) {
        if (!SameName(s.name, section)) continue;
        for (const TEntry& entry : s.entries)
            if (SameName(entry.key, key)) return &entry;
    }
    return nullptr;
}

TIniFile::TSection& TIniFile::SectionFor(std::string_view section) {
    for (TSection& s : sections_)
        if (SameName(s.name, section)) return s;
    return sections_.emplace_back(TSection{std::string(section), {}});
}

bool TIniFile::Has(std::string_view section, std::string_view key) const { return Find(section, key) != nullptr; }

std::string TIniFile::ReadString(std::string_view section, std::string_view key, const std::string& fallback) const {
    const TEntry* entry = Find(section, key);
    return entry ? entry->value : fallback;
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback, int min, int max) const {
    const TEntry* entry = Find(section, key);
    if (!entry) return fallback;
    int value = 0;
    const char* first = entry->value.data();
    const char* last = first + entry->value.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < min || value > max) return fallback;
    return value;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    const TEntry* entry = Find(section, key);
    if (!entry) return fallback;
    long long value = 0;
    const char* first = entry->value.data();
    const char* last = first + entry->value.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return fallback;
    return value != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, const std::string& text) {
    // A line break would start a line of its own when the file is read back.
    std::string value = text;
    std::ranges::replace_if(value, [](char c) { return c == '\n' || c == '\r'; }, ' ');
    TSection& s = SectionFor(section);
    for (TEntry& entry : s.entries)
        if (SameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    s.entries.push_back({std::string(key), value});
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace kunimor::app
