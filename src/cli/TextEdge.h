#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::cli {

// A stretch of input as engine text. Read from UTF-8 or UTF-16, every
// character Windows-1251 cannot hold (and every undecodable byte) is
// replaced by a stand-in byte (translator/StandInChars.h) and its input
// bytes are set aside, in order, to be put back into the output.
struct TEdgeText {
    std::string text;
    std::vector<std::string> setAside;
};

// Converts text between a code page of the system (CodePages.h index) and
// the engine. The 8-bit code pages convert byte for byte and set nothing
// aside.
class TTextEdge {
public:
    explicit TTextEdge(int codePage);

    // Bytes per code unit: 2 for UTF-16, else 1.
    std::size_t UnitSize() const { return unitSize_; }
    // The byte-order mark a text in this code page may start with; dropped
    // on input.
    std::string_view ByteOrderMark() const;
    // What output in this code page starts with: the mark for UTF-16 only.
    std::string_view OutputPreamble() const;

    // Whether reading sets characters aside (UTF-8 and UTF-16); only then
    // do stand-in bytes of the engine text stand for anything.
    bool SetsCharactersAside() const { return unicode_; }

    TEdgeText ToEngine(std::string_view bytes) const;

    // Engine text as bytes of the code page; each stand-in takes the next
    // set-aside entry from *next on. Nothing when the stand-ins outnumber
    // the entries.
    std::optional<std::string> FromEngine(std::string_view engine, const std::vector<std::string>& setAside,
                                          std::size_t& next) const;

private:
    int codePage_;
    bool unicode_;
    std::size_t unitSize_;
};

}  // namespace kunimor::cli
