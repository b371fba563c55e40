#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/WordFormProc.h"

namespace kunimor {

class Table;

// The state of the tables stem seeking reads for one language (words, stems,
// paradigms), as their generations.
using TSeekStamp = std::array<uint64_t, 3>;

TSeekStamp SeekStamp(const Table& words, const Table& stems, const Table& etalons);

// What stem seeking reported for the surface words of a text, so that a
// word repeated in a text is sought once. A language's results are all
// forgotten the moment its stamp differs from the one they were found
// under, so a word is never answered from tables that have changed since.
class TSeekCache {
public:
    struct TResult {
        bool found = false;
        std::vector<TWordFormArgs> reports;  // in the order they were made
    };

    // The result remembered for surface under stamp, or null.
    std::shared_ptr<const TResult> Find(int lang, std::string_view surface, const TSeekStamp& stamp);
    void Remember(int lang, std::string_view surface, const TSeekStamp& stamp, std::shared_ptr<const TResult> result);

private:
    // Heterogeneous lookup: a string_view finds its entry without a copy.
    struct THash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    struct TLanguage {
        TSeekStamp stamp{};
        std::unordered_map<std::string, std::shared_ptr<const TResult>, THash, std::equal_to<>> results;
    };
    TLanguage& Language(int lang, const TSeekStamp& stamp);

    std::array<TLanguage, 2> languages_;
};

}  // namespace kunimor
