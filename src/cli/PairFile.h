#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace kunimor::cli {

// The word pairs that dict add and dict remove read: UTF-8 text, one pair a
// line, "Russian<TAB>Belarusian[<TAB>kind]" with kind one of noun,
// adjective, perfective, imperfective, unchangeable (none: guessed). Blanks
// around fields, empty lines, "#" comments and a leading byte-order mark are
// passed over.
struct PairLine {
    int number = 0;
    std::string typed[2];  // as in the file (UTF-8)
    std::string word[2];   // as the dictionary spells it
    int kind = 0;          // 0: guess
};

// A line that cannot be a pair, and why.
struct Refusal {
    int line;
    std::string reason;
};

// Reads and checks every line; refusals name the line and why, and the
// pairs on other lines are kept.
std::vector<PairLine> ReadPairs(std::istream& in, std::vector<Refusal>& refused);
// The same from a file; raises Error when it cannot be read.
std::vector<PairLine> ReadPairs(const std::filesystem::path& file, std::vector<Refusal>& refused);

}  // namespace kunimor::cli
