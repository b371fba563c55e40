#include "dictionary/TranslationLinks.h"

#include "ground/Language.h"
#include "dictionary/Schema.h"

namespace kunimor {

std::vector<TransLink> LinksOf(Table& trans, int sourceLang, int32_t sourceNo) {
    const bool belSource = sourceLang == kBelarusian;
    const int sourceField = belSource ? TransField::BelNo : TransField::RusNo;
    const int targetField = belSource ? TransField::RusNo : TransField::BelNo;
    trans.SetIndexFieldNames(belSource ? "BelNo" : "RusNo");
    std::vector<TransLink> links;
    if (!trans.FindKey({Value(sourceNo)})) return links;
    for (; !trans.Eof() && trans.GetInt(sourceField) == sourceNo; trans.Next())
        links.push_back({trans.GetInt(targetField), static_cast<int16_t>(trans.GetInt(TransField::Tag))});
    return links;
}

}  // namespace kunimor
