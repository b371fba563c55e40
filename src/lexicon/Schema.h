#pragma once

#include "lexicon/FieldDef.h"
#include "lexicon/Index.h"
#include "lexicon/Table.h"

#include <memory>
#include <string>
#include <vector>

namespace kunimor {

// The thirteen dictionary tables, in load order.
enum class TableId { WForms, EtalonB, EtalonR, Trans, WordsB, WordsR, StemB, StemR, CollocB, CollocR, Abbr, Glossary, Theme };
constexpr int kTableCount = 13;

struct IndexSpec {
    std::string name;
    std::string fields;
    IndexOptions options;
};

struct TableSpec {
    TableId id;
    std::string baseName;  // also the dictionary file's name without ".kmr"
    std::vector<FieldDef> fields;
    std::vector<IndexSpec> indexes;
    std::string activeIndex;  // the order the file is written and read in

    std::string ComponentName() const { return "tbl" + baseName; }
};

constexpr const char* kDictionaryExtension = ".kmr";
constexpr int kCollocSlots = 5;

// In load order; TableSpecs()[static_cast<int>(id)] is the table id.
const std::vector<TableSpec>& TableSpecs();
const TableSpec& SpecOf(TableId id);
const TableSpec* FindSpecByBaseName(const std::string& baseName);

// An empty, open table with the schema's fields and indexes, set to its active index.
std::unique_ptr<Table> CreateTable(const TableSpec& spec);

}  // namespace kunimor
