#include "cli/LineReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kunimor::cli {
namespace {

// Every part the reader gives for bytes read from a file.
std::vector<std::string> PartsOf(const std::string& bytes, std::size_t unit, std::size_t maxLine) {
    TempDir dir;
    const std::string file = dir.File("input");
    std::ofstream(file, std::ios::binary) << bytes;
    const int fd = ::open(file.c_str(), O_RDONLY);
    std::vector<std::string> parts;
    {
        TLineReader reader(fd, unit, maxLine, nullptr);
        std::string line;
        while (reader.Next(line) && parts.size() <= bytes.size()) parts.push_back(line);
    }
    ::close(fd);
    return parts;
}

struct LongLine {
    const char* why;
    std::string bytes;
    std::size_t unit, maxLine;
};

// Inputs that once gave a part over the limit or no progress at all.
TEST(LineReader, PartsStayWithinTheLimitAndAlwaysAdvance) {
    const std::string surrogates = [] {
        std::string s;
        for (int i = 0; i < 8; ++i) s += "\x3D\xD8\x00\xDE";  // U+1F600 in UTF-16LE
        return s;
    }();
    const LongLine cases[] = {
        {"a limit that falls on a read boundary", std::string(300 * 1024, 'x'), 1, 256 * 1024},
        {"a limit on a read boundary, UTF-16", std::string(300 * 1024, 'x'), 2, 128 * 1024},
        {"surrogate pairs under a one-unit limit", surrogates, 2, 2},
        {"surrogate pairs under a two-unit limit", surrogates, 2, 4},
        {"UTF-8 under a one-byte limit", "\xD0\xB0\xD0\xB1\xD0\xB2", 1, 1},
        {"a limit of nothing", "abc\ndef", 1, 0},
        {"an odd limit in UTF-16", std::string(40, 'y'), 2, 7},
    };
    for (const LongLine& c : cases) {
        const std::vector<std::string> parts = PartsOf(c.bytes, c.unit, c.maxLine);
        std::string joined;
        for (const std::string& part : parts) {
            EXPECT_FALSE(part.empty()) << c.why;
            EXPECT_LE(part.size(), std::max(c.maxLine, c.unit) + c.unit) << c.why;  // the line feed may follow
            joined += part;
        }
        EXPECT_EQ(joined, c.bytes) << c.why;
    }
    // The part of a long line without spaces is the limit exactly.
    EXPECT_EQ(PartsOf(std::string(300 * 1024, 'x'), 1, 256 * 1024).front().size(), 256u * 1024);
}

}  // namespace
}  // namespace kunimor::cli
