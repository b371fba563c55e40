#pragma once

#include "store/FieldDef.h"
#include "store/Index.h"
#include "store/Table.h"

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

// Field positions, so that hot paths need no lookups by name.
namespace WFormsField { enum : int { Lang, Kind, No, Alt, Info, Quest }; }
namespace EtalonField { enum : int { No, Osnova, Kind, Forms, RodChislo, Modif }; }
namespace TransField { enum : int { RusNo, BelNo, Tag }; }
namespace WordsField { enum : int { No, Osnova, EtalonNo, Tag, Modif, Lemma }; }
namespace StemField { enum : int { Stem, WordNo }; }
namespace CollocField {
enum : int { No, Kind, MainPar, Tag, Modif = 4 + 4 * kCollocSlots, Word1 };
// The four fields of word slot k (1-based).
constexpr int SlotNo(int k) { return 4 + 4 * (k - 1); }
constexpr int SlotFrm(int k) { return SlotNo(k) + 1; }
constexpr int SlotAlt(int k) { return SlotNo(k) + 2; }
constexpr int SlotDelim(int k) { return SlotNo(k) + 3; }
}  // namespace CollocField
namespace AbbrField { enum : int { No, Bel, Rus, Modif }; }
namespace GlossaryField { enum : int { No, Lang, Title, Text, Modif }; }
namespace ThemeField { enum : int { No, Group, RusAbbr, Rus, BelAbbr, Bel, Selected }; }

// In load order; TableSpecs()[static_cast<int>(id)] is the table id.
const std::vector<TableSpec>& TableSpecs();
const TableSpec& SpecOf(TableId id);
const TableSpec* FindSpecByBaseName(const std::string& baseName);

// The file names of the thirteen tables ("WForms.kmr", ...), in load order.
std::vector<std::string> DictionaryFileNames();

// An empty, open table with the schema's fields and indexes, set to its active index.
std::unique_ptr<Table> CreateTable(const TableSpec& spec);

}  // namespace kunimor
