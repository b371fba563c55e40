#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kunimor {

// UTF-8 and UTF-16 texts as engine text (Windows-1251) and back. Reading
// never fails: what Windows-1251 cannot take becomes kReplacementChar, as
// the Windows conversion functions have it, and the first such spot can be
// reported to callers that must not lose text silently.

inline constexpr char kReplacementChar = '?';

// A spot of a text that reading had to replace.
struct TReadProblem {
    std::size_t offset = 0;  // bytes from the start of the text
    std::string what;        // English, e.g. "invalid UTF-8"
};

// Keeps the first problem: one is noted only while *problem is empty, and
// not at all when problem is null.
void NoteReadProblem(std::optional<TReadProblem>* problem, std::size_t offset, std::string what);

// The Windows-1251 byte of a code point read at offset; kReplacementChar,
// noted as a problem, when Windows-1251 lacks it.
char Cp1251OrReplacement(char32_t codePoint, std::size_t offset, std::optional<TReadProblem>* problem);

// Reads UTF-8 character by character. A byte-order mark at the start is no
// part of the text and is skipped.
class TUtf8Reader {
public:
    TUtf8Reader(std::string_view utf8, std::optional<TReadProblem>* problem);

    bool AtEnd() const { return pos_ >= utf8_.size(); }
    // Where the character Next returns starts.
    std::size_t Offset() const { return pos_; }
    // The next character; nullopt for a malformed sequence, which is noted as
    // a problem and skipped with the continuation bytes after its first byte.
    std::optional<char32_t> Next();

private:
    std::string_view utf8_;
    std::size_t pos_ = 0;
    std::optional<TReadProblem>* problem_;
};

std::string Utf8TextToCp1251(std::string_view utf8, std::optional<TReadProblem>* problem = nullptr);

// Little-endian UTF-16, with or without the byte-order mark FF FE. Zero code
// units are characters like any other; an odd byte at the end and lone
// surrogates are replaced.
std::string Utf16TextToCp1251(std::string_view bytes, std::optional<TReadProblem>* problem = nullptr);

// Little-endian UTF-16 behind the byte-order mark FF FE.
std::string Cp1251ToUtf16Text(std::string_view cp1251);

}  // namespace kunimor
