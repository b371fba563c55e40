#pragma once

#include "dictionary/Schema.h"
#include "store/Table.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace kunimor {

// A table as UTF-8 tab-separated text, for reviewing and diffing: a header
// row of the stored field names, then one row per record in the table's
// current order. Integers are decimal, booleans 0/1, a number cell is never
// empty (a null is written as 0, as a dictionary file keeps it); text escapes
// tab, newline, carriage return and backslash as \t \n \r \\. Errors name
// the line and the 1-based column of the cell.
//
// The order of records with equal keys in a secondary index is data (the
// order of a word's translations). Where it is not the order of the rows,
// a column "#<IndexName>" gives each row's 0-based rank among the records
// with its key in that index.

void WriteTableText(const Table& t, std::ostream& out);

// Builds a table of the schema from text; source names the text in the
// "source:line: what is wrong" messages of the Errors it throws.
std::unique_ptr<Table> ReadTableText(const TableSpec& spec, std::string_view text, const std::string& source);

constexpr const char* kTableTextExtension = ".tsv";
constexpr char kRankColumnMark = '#';

}  // namespace kunimor
