#include "dictionary/SeekCache.h"

#include "store/Table.h"

namespace kunimor {
namespace {

// A text's distinct word forms rarely come near this; past it the results
// start over, which keeps memory bounded on any input.
constexpr std::size_t kMaxResults = 1 << 16;

}  // namespace

TSeekStamp SeekStamp(const Table& words, const Table& stems, const Table& etalons) {
    return {words.Generation(), stems.Generation(), etalons.Generation()};
}

TSeekCache::TLanguage& TSeekCache::Language(int lang, const TSeekStamp& stamp) {
    TLanguage& l = languages_[lang == 1 ? 1 : 0];
    if (l.stamp != stamp) {
        l.results.clear();
        l.stamp = stamp;
    }
    return l;
}

std::shared_ptr<const TSeekCache::TResult> TSeekCache::Find(int lang, std::string_view surface,
                                                            const TSeekStamp& stamp) {
    TLanguage& l = Language(lang, stamp);
    const auto it = l.results.find(surface);
    return it == l.results.end() ? nullptr : it->second;
}

void TSeekCache::Remember(int lang, std::string_view surface, const TSeekStamp& stamp,
                          std::shared_ptr<const TResult> result) {
    TLanguage& l = Language(lang, stamp);
    if (l.results.size() >= kMaxResults) l.results.clear();
    l.results.insert_or_assign(std::string(surface), std::move(result));
}

}  // namespace kunimor
