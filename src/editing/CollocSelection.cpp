#include "editing/CollocSelection.h"

namespace kunimor {

std::string CollocFilterExpression(int kind, bool onlyModified) {
    std::string expression;
    if (kind >= 0) expression = "(Kind = '" + std::to_string(kind) + "')";
    if (onlyModified) expression += (expression.empty() ? "" : " AND ") + std::string("(Modif =  True)");
    return expression;
}

TCollocSelection::TCollocSelection(TBelEditModule& module, int lang) : module_(module), lang_(lang == 1 ? 1 : 0) {}

void TCollocSelection::Select(int kind, bool onlyModified) {
    Table& collocs = module_.CollocTable(lang_);
    const Index& order = collocs.IndexAt(collocs.FindIndex("No12Ind"));
    rows_.clear();
    const std::string expression = CollocFilterExpression(kind, onlyModified);
    if (expression.empty()) {
        rows_.assign(order.refs.begin(), order.refs.end());
    } else {
        collocs.SetFilterText(expression);
        collocs.SetFiltered(true);
        for (const Record* r : order.refs)
            if (collocs.Accepts(*r)) rows_.push_back(r);
        // The editing operations must see the whole table.
        collocs.SetFiltered(false);
    }
    generation_ = collocs.Generation();
}

int32_t TCollocSelection::NoAt(int row) const { return Field(row, CollocField::No).AsInt(); }
int32_t TCollocSelection::FirstWordAt(int row) const { return Field(row, CollocField::SlotNo(1)).AsInt(); }

int TCollocSelection::KindAt(int row) const {
    const Value kind = Field(row, CollocField::Kind);
    return kind.IsNull() ? -1 : kind.AsInt();
}

int16_t TCollocSelection::TagAt(int row) const { return static_cast<int16_t>(Field(row, CollocField::Tag).AsInt()); }

std::string TCollocSelection::WordAt(int row, int k) {
    const Value no = Field(row, CollocField::SlotNo(k));
    if (no.IsNull() || no.AsInt() <= 0) return {};
    module_.LoadWord(lang_, no.AsInt());
    return module_.ComputeLemma(lang_, module_.WordsTable(lang_));
}

std::string TCollocSelection::DelimAt(int row, int k) const { return Field(row, CollocField::SlotDelim(k)).AsString(); }

int TCollocSelection::RowOfNo(int32_t no) const {
    for (int row = 0; row < Size(); ++row)
        if (NoAt(row) == no) return row;
    return -1;
}

}  // namespace kunimor
