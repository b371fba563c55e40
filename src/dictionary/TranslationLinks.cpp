#include "dictionary/TranslationLinks.h"

#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "store/IndexedRecords.h"

namespace kunimor {

std::vector<TransLink> LinksOf(Table& trans, int sourceLang, int32_t sourceNo) {
    const bool belSource = sourceLang == kBelarusian;
    const int sourceField = belSource ? TransField::BelNo : TransField::RusNo;
    const int targetField = belSource ? TransField::RusNo : TransField::BelNo;
    const std::string_view indexName = belSource ? "IndBelNo" : "IndRusNo";
    if (trans.FindIndex(indexName) != trans.CurrentIndexPosition()) trans.SetIndexName(indexName);
    // Read from the index, not through the cursor: this runs for every word translated.
    const TIndexedRecords records(trans, indexName);
    std::vector<TransLink> links;
    for (std::size_t p = records.LowerBound(sourceNo); const Record* r = records.At(p); ++p) {
        if (records.Number(*r, sourceField) != sourceNo) break;
        if (records.Accepts(*r))
            links.push_back({records.Number(*r, targetField), static_cast<int16_t>(records.Number(*r, TransField::Tag))});
    }
    return links;
}

}  // namespace kunimor
