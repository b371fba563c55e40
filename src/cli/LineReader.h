#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kunimor::cli {

// Reads a file descriptor (or a text in memory) line by line, in code units of one or two bytes
// (UTF-16 little-endian), without ever holding more than one long line.
class TLineReader {
public:
    // beforeWait runs before each read that may block, so that a caller can
    // pass on what it has made of the input so far.
    TLineReader(int fd, std::size_t unitSize, std::size_t maxLine, std::function<void()> beforeWait);
    // Reads text already in memory, cut into lines the same way.
    TLineReader(std::string text, std::size_t unitSize, std::size_t maxLine);

    // The next line with its line feed; a line longer than maxLine comes in
    // parts without one, each cut after a space where the part has one and
    // never inside a character unless the part can hold nothing else (a limit
    // below one character); never longer than maxLine, never empty. False at
    // the end of the input.
    bool Next(std::string& line);

    // Drops prefix from the start of the input if the input starts with it.
    void SkipPrefix(std::string_view prefix);

private:
    bool Fill();  // false at the end of the input
    // Where to cut a line part of length bytes that goes on after them.
    std::size_t CutPoint(std::size_t length) const;

    int fd_;
    std::size_t unit_;
    std::size_t maxLine_;
    std::function<void()> beforeWait_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool atEnd_ = false;
};

}  // namespace kunimor::cli
