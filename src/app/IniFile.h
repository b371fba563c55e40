#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// An INI file held in memory: sections of key=value lines, names compared
// without regard to ASCII case, values kept as written (UTF-8). Read as
// UTF-8 when the file is valid UTF-8, else as Windows-1251; written as
// UTF-8 through a temporary file renamed over the old one, so a failed
// write never leaves half a file behind.
class TIniFile {
public:
    TIniFile() = default;
    // A missing file reads as empty; one that exists but cannot be read raises.
    static TIniFile Load(const std::filesystem::path& path);
    static TIniFile Parse(std::string_view bytes);

    // Raises kunimor::Error when the file cannot be written.
    void Save(const std::filesystem::path& path) const;
    std::string Text() const;

    bool Has(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;
    // A value that is no decimal integer in [min, max] gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback, int min, int max) const;
    // Any integer other than 0 reads as true; a value that is no integer gives the fallback.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    void WriteString(std::string_view section, std::string_view key, const std::string& value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    struct TEntry {
        std::string key;
        std::string value;
    };
    struct TSection {
        std::string name;
        std::vector<TEntry> entries;
    };

    const TEntry* Find(std::string_view section, std::string_view key) const;
    TSection& SectionFor(std::string_view section);

    std::vector<TSection> sections_;
};

}  // namespace kunimor::app
