#include "dictionary/TableText.h"

#include "ground/Error.h"
#include "ground/Cp1251.h"
#include "ground/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <numeric>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kunimor {

namespace {

// Exactly the fields a dictionary file holds, in schema order.
std::vector<int> StoredFields(const Table& t) {
    std::vector<int> fields;
    for (size_t i = 0; i < t.Fields().size(); ++i) {
        const FieldDef& f = t.Fields()[i];
        if (f.kind == FieldKind::Data && f.visible) fields.push_back(static_cast<int>(i));
    }
    return fields;
}

// ---------------------------------------------------------------- cells

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

// A dictionary file holds no null number: a null is written as the 0 a saved
// file would hold, so that the text never has an empty number cell.
std::string Cell(const FieldDef& f, const Value& v) {
    if (v.IsNull()) return f.IsText() ? std::string() : "0";
    if (v.IsBool()) return v.AsBool() ? "1" : "0";
    if (v.IsInt()) return std::to_string(v.AsInt());
    return Escape(Cp1251ToUtf8(v.AsString()));
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// A cell that does not hold a value of its field.
struct BadCell {
    std::string what;
};

std::string Unescape(std::string_view cell) {
    std::string out;
    out.reserve(cell.size());
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            out += cell[i];
            continue;
        }
        if (++i == cell.size()) throw BadCell{"a lone backslash ends the text"};
        switch (cell[i]) {
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: throw BadCell{"unknown escape \\" + std::string(1, cell[i])};
        }
    }
    return out;
}

std::string Hex(char32_t cp) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(cp), 16).ptr;
    std::string hex(digits, end);
    std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return c >= 'a' ? c - 'a' + 'A' : c; });
    return std::string(hex.size() < 4 ? 4 - hex.size() : 0, '0') + hex;
}

std::string TextValue(const FieldDef& f, std::string_view cell) {
    const std::string utf8 = Unescape(cell);
    std::string text;
    size_t bad = 0;
    if (!Utf8ToCp1251(utf8, text, &bad)) {
        const auto cp = DecodeUtf8(utf8, bad);
        if (!cp) throw BadCell{"invalid UTF-8"};
        throw BadCell{"U+" + Hex(*cp) + " has no Windows-1251 code"};
    }
    // Longer memos would not fit the two-byte length of a dictionary file.
    const size_t max = f.type == FieldType::String ? static_cast<size_t>(f.size) : 0xFFFE;
    if (text.size() > max)
        throw BadCell{"text of " + std::to_string(text.size()) + " characters is longer than the field's " +
                      std::to_string(max)};
    return text;
}

// The values a field keeps through a dictionary file, where a number whose
// bytes are all 0xFF reads back as -1.
std::pair<int64_t, int64_t> StorableRange(const FieldDef& f) {
    if (f.type == FieldType::Boolean) return {0, 1};
    const int width = f.fileWidth > 0 ? f.fileWidth : f.type == FieldType::Smallint ? 2 : 4;
    if (f.type == FieldType::Smallint)
        return width == 1 ? std::pair<int64_t, int64_t>{-1, 0xFE}
                          : std::pair<int64_t, int64_t>{INT16_MIN, INT16_MAX};
    if (width >= 4) return {INT32_MIN, INT32_MAX};
    return {-1, (int64_t{1} << (8 * width)) - 2};
}

int64_t Number(std::string_view cell) {
    int64_t n = 0;
    const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), n);
    if (ec != std::errc() || end != cell.data() + cell.size())
        throw BadCell{Quoted(cell) + " is not a number"};
    return n;
}

Value ParseCell(const FieldDef& f, std::string_view cell) {
    if (f.IsText()) return Value(TextValue(f, cell));
    if (cell.empty()) throw BadCell{"an empty cell where a number is due"};
    const int64_t n = Number(cell);
    const auto [low, high] = StorableRange(f);
    if (n < low || n > high) {
        if (f.type == FieldType::Boolean) throw BadCell{Quoted(cell) + " is not 0 or 1"};
        throw BadCell{std::to_string(n) + " is out of range (" + std::to_string(low) + " to " +
                      std::to_string(high) + ")"};
    }
    if (f.type == FieldType::Boolean) return Value(n != 0);
    return Value(static_cast<int32_t>(n));
}

std::vector<std::string_view> SplitCells(std::string_view line) {
    std::vector<std::string_view> cells;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

// ---------------------------------------------------------------- writing

// Each row's rank among the records with its key in idx, or nothing when
// those records already follow the rows' order.
std::vector<int> TieRanks(const Index& idx, const std::unordered_map<const Record*, size_t>& rowOf) {
    std::vector<int> ranks(rowOf.size());
    bool rowOrder = true;
    int rank = 0;
    for (size_t k = 0; k < idx.refs.size(); ++k) {
        const Record* r = idx.refs[k];
        if (k > 0 && idx.Compare(*idx.refs[k - 1], *r) == 0) {
            ++rank;
            if (rowOf.at(idx.refs[k - 1]) > rowOf.at(r)) rowOrder = false;
        } else {
            rank = 0;
        }
        ranks[rowOf.at(r)] = rank;
    }
    if (rowOrder) ranks.clear();
    return ranks;
}

// ---------------------------------------------------------------- reading

class TableTextReader {
public:
    TableTextReader(const TableSpec& spec, const std::string& source) : table_(CreateTable(spec)), source_(source) {}

    std::unique_ptr<Table> Read(std::string_view text);

private:
    // A column holds a stored field or the tie ranks of an index.
    struct Column {
        int field = -1;
        int index = -1;
        std::vector<int64_t> ranks;
    };

    [[noreturn]] void Fail(size_t line, const std::string& what) const {
        throw Error(source_ + ":" + std::to_string(line) + ": " + what);
    }
    void ReadHeader(std::string_view line);
    void ReadRow(std::string_view line);
    void OrderTies(const Column& c) const;

    std::unique_ptr<Table> table_;
    std::string source_;
    std::vector<Column> columns_;
    std::vector<size_t> rowLines_;
    size_t lineNo_ = 0;
};

std::unique_ptr<Table> TableTextReader::Read(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    bool header = true;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNo_;
        if (line.ends_with('\r')) line.remove_suffix(1);  // written on Windows; cells escape their own CRs
        if (header) {
            ReadHeader(line);
            header = false;
        } else if (!line.empty()) {
            ReadRow(line);
        }
    }
    if (header) Fail(1, "no header row");
    for (const Column& c : columns_)
        if (c.index >= 0) OrderTies(c);
    return std::move(table_);
}

void TableTextReader::ReadHeader(std::string_view line) {
    const Table& t = *table_;
    std::vector<bool> seen(t.Fields().size());
    const std::vector<int> stored = StoredFields(t);
    for (std::string_view name : SplitCells(line)) {
        Column c;
        if (name.starts_with(kRankColumnMark)) {
            c.index = t.FindIndex(name.substr(1));
            if (c.index <= 0 || c.index == t.CurrentIndexPosition())
                Fail(lineNo_, Quoted(name) + " names no secondary index of " + t.Name());
        } else {
            c.field = t.FindField(name);
            if (c.field < 0 || std::find(stored.begin(), stored.end(), c.field) == stored.end())
                Fail(lineNo_, "unknown column " + Quoted(name));
            if (seen[c.field]) Fail(lineNo_, "column " + std::string(name) + " appears twice");
            seen[c.field] = true;
        }
        columns_.push_back(std::move(c));
    }
    for (int f : stored)
        if (!seen[f]) Fail(lineNo_, "column " + t.Fields()[f].name + " is missing");
}

void TableTextReader::ReadRow(std::string_view line) {
    const std::vector<std::string_view> cells = SplitCells(line);
    if (cells.size() != columns_.size())
        Fail(lineNo_, std::to_string(cells.size()) + " cells instead of " + std::to_string(columns_.size()));
    Table& t = *table_;
    t.Insert();
    for (size_t k = 0; k < cells.size(); ++k) {
        Column& c = columns_[k];
        try {
            if (c.field >= 0) {
                t.Set(c.field, ParseCell(t.Fields()[c.field], cells[k]));
            } else {
                const int64_t rank = Number(cells[k]);
                if (rank < 0) throw BadCell{"a rank cannot be negative"};
                c.ranks.push_back(rank);
            }
        } catch (const BadCell& bad) {
            Fail(lineNo_, "column " + std::to_string(k + 1) + ", " +
                              (c.field >= 0 ? "field " + t.Fields()[c.field].name
                                            : std::string(1, kRankColumnMark) + t.IndexAt(c.index).name) +
                              ": " + bad.what);
        }
    }
    try {
        t.Post();
    } catch (const Error& e) {
        Fail(lineNo_, e.what());
    }
    rowLines_.push_back(lineNo_);
}

// Within each key the ranks must be 0, 1, 2, ...; they then set the order.
void TableTextReader::OrderTies(const Column& c) const {
    Table& t = *table_;
    const Index& idx = t.IndexAt(c.index);
    const std::vector<Record*>& records = t.RecordOrder();  // the rows, in text order
    std::vector<size_t> rows(records.size());
    std::iota(rows.begin(), rows.end(), size_t{0});
    std::stable_sort(rows.begin(), rows.end(), [&](size_t a, size_t b) {
        const int order = idx.Compare(*records[a], *records[b]);
        return order != 0 ? order < 0 : c.ranks[a] < c.ranks[b];
    });
    std::vector<Record*> refs;
    refs.reserve(rows.size());
    int64_t expected = 0;
    for (size_t k = 0; k < rows.size(); ++k) {
        if (k > 0 && idx.Compare(*records[rows[k - 1]], *records[rows[k]]) != 0) expected = 0;
        if (c.ranks[rows[k]] != expected)
            Fail(rowLines_[rows[k]], "column " + std::string(1, kRankColumnMark) + idx.name + ": rank " +
                                         std::to_string(c.ranks[rows[k]]) + " where " + std::to_string(expected) +
                                         " was due among the records with this key");
        ++expected;
        refs.push_back(records[rows[k]]);
    }
    t.AssignIndex(c.index, std::move(refs));
}

}  // namespace

void WriteTableText(const Table& t, std::ostream& out) {
    const std::vector<int> fields = StoredFields(t);
    const std::vector<Record*>& rows = t.CurrentIndex().refs;
    std::unordered_map<const Record*, size_t> rowOf;
    for (size_t n = 0; n < rows.size(); ++n) rowOf.emplace(rows[n], n);

    std::vector<std::string> header;
    for (int f : fields) header.push_back(t.Fields()[f].name);
    std::vector<std::vector<int>> rankColumns;
    for (int i = 1; i < t.IndexCount(); ++i) {
        const Index& idx = t.IndexAt(i);
        if (i == t.CurrentIndexPosition() || !idx.enabled) continue;
        std::vector<int> ranks = TieRanks(idx, rowOf);
        if (ranks.empty()) continue;
        header.push_back(kRankColumnMark + idx.name);
        rankColumns.push_back(std::move(ranks));
    }

    auto writeLine = [&out](const std::vector<std::string>& cells) {
        for (size_t k = 0; k < cells.size(); ++k) out << (k > 0 ? "\t" : "") << cells[k];
        out << '\n';
    };
    writeLine(header);
    std::vector<std::string> cells;
    for (size_t n = 0; n < rows.size(); ++n) {
        cells.clear();
        for (int f : fields) cells.push_back(Cell(t.Fields()[f], t.FieldValue(*rows[n], f)));
        for (const std::vector<int>& ranks : rankColumns) cells.push_back(std::to_string(ranks[n]));
        writeLine(cells);
    }
}

std::unique_ptr<Table> ReadTableText(const TableSpec& spec, std::string_view text, const std::string& source) {
    return TableTextReader(spec, source).Read(text);
}

}  // namespace kunimor
