#include "dictionary/Schema.h"

namespace kunimor {

namespace {

FieldDef Num(const char* name, FieldType type, int fileWidth) {
    FieldDef f;
    f.name = name;
    f.type = type;
    f.fileWidth = fileWidth;
    return f;
}
FieldDef Integer(const char* name, int fileWidth) { return Num(name, FieldType::Integer, fileWidth); }
FieldDef Smallint(const char* name, int fileWidth) { return Num(name, FieldType::Smallint, fileWidth); }
FieldDef Boolean(const char* name) { return Num(name, FieldType::Boolean, 1); }
FieldDef String(const std::string& name, int size) {
    FieldDef f;
    f.name = name;
    f.type = FieldType::String;
    f.size = size;
    return f;
}
FieldDef Memo(const char* name) {
    FieldDef f;
    f.name = name;
    f.type = FieldType::Memo;
    return f;
}
FieldDef Invisible(FieldDef f) {
    f.visible = false;
    return f;
}
FieldDef Calculated(FieldDef f) {
    f.kind = FieldKind::Calculated;
    return f;
}

constexpr IndexOptions kPrimaryUnique{true, true};
constexpr IndexOptions kPrimary{true, false};
constexpr IndexOptions kUnique{false, true};

std::vector<FieldDef> CollocFields() {
    std::vector<FieldDef> f = {Integer("No", 3), Smallint("Kind", 1), Smallint("MainPar", 1), Smallint("Tag", 2)};
    for (int k = 1; k <= kCollocSlots; ++k) {
        const char n = static_cast<char>('0' + k);
        f.push_back(Integer((std::string("No") + n).c_str(), 3));
        f.push_back(Smallint((std::string("Frm") + n).c_str(), 1));
        f.push_back(Boolean((std::string("Alt") + n).c_str()));
        f.push_back(String(std::string("Delim") + n, 1));
    }
    f.push_back(Boolean("Modif"));
    for (int k = 1; k <= kCollocSlots; ++k)
        f.push_back(Calculated(String(std::string("Word") + static_cast<char>('0' + k), 255)));
    return f;
}

std::vector<TableSpec> MakeSpecs() {
    const std::vector<FieldDef> etalon = {Smallint("No", 2), String("Osnova", 30), Smallint("Kind", 1),
                                          Memo("Forms"),     Smallint("RodChislo", 1), Boolean("Modif")};
    const std::vector<IndexSpec> etalonIdx = {{"NoInd", "No", kPrimaryUnique}, {"KindInd", "Kind", {}}};
    const std::vector<FieldDef> words = {Integer("No", 3),   String("Osnova", 30), Smallint("EtalonNo", 2),
                                         Smallint("Tag", 2), Boolean("Modif"),     Invisible(String("Lemma", 30))};
    const std::vector<IndexSpec> wordsIdx = {{"NoInd", "No", kPrimaryUnique}, {"OsnovaInd", "Osnova:L", {}}};
    const std::vector<FieldDef> stem = {String("Stem", 30), Integer("WordNo", 4)};
    const std::vector<IndexSpec> stemIdx = {{"StemInd", "Stem:L", {}}};
    const std::vector<IndexSpec> collocIdx = {{"NoInd", "No", kPrimaryUnique}, {"No12Ind", "No1;No2", {}}};

    return {
        {TableId::WForms, "WForms",
         {Smallint("Lang", 2), Smallint("Kind", 1), Smallint("No", 1), Boolean("Alt"), Memo("Info"), Memo("Quest")},
         {{"PrimaryInd", "Lang;Kind;No;Alt", kPrimaryUnique}},
         "PrimaryInd"},
        {TableId::EtalonB, "EtalonB", etalon, etalonIdx, "NoInd"},
        {TableId::EtalonR, "EtalonR", etalon, etalonIdx, "NoInd"},
        {TableId::Trans, "Trans",
         {Integer("RusNo", 3), Integer("BelNo", 3), Smallint("Tag", 1)},
         {{"IndRusNo", "RusNo", kPrimary}, {"IndBelNo", "BelNo", {}}},
         "IndRusNo"},
        {TableId::WordsB, "WordsB", words, wordsIdx, "OsnovaInd"},
        {TableId::WordsR, "WordsR", words, wordsIdx, "OsnovaInd"},
        {TableId::StemB, "StemB", stem, stemIdx, "StemInd"},
        {TableId::StemR, "StemR", stem, stemIdx, "StemInd"},
        {TableId::CollocB, "CollocB", CollocFields(), collocIdx, "NoInd"},
        {TableId::CollocR, "CollocR", CollocFields(), collocIdx, "NoInd"},
        {TableId::Abbr, "Abbr",
         {Integer("No", 4), String("Bel", 30), String("Rus", 30), Boolean("Modif")},
         {{"NoInd", "No", kPrimaryUnique}, {"BelInd", "Bel:L", kUnique}, {"RusInd", "Rus:L", kUnique}},
         "NoInd"},
        {TableId::Glossary, "Glossary",
         {Integer("No", 4), Smallint("Lang", 2), String("Title", 30), Memo("Text"), Boolean("Modif")},
         {{"NoInd", "No", kPrimaryUnique}, {"LangTitleInd", "Lang;Title:L", {}}},
         "LangTitleInd"},
        {TableId::Theme, "Theme",
         {Smallint("No", 2), String("Group", 1), String("RusAbbr", 10), String("Rus", 50), String("BelAbbr", 10),
          String("Bel", 50), Boolean("Selected")},
         {{"NoInd", "No", kPrimaryUnique},
          {"BelInd", "Group;BelAbbr", {}},
          {"RusInd", "Group;RusAbbr", {}},
          {"SelectedInd", "Selected", {}}},
         "NoInd"},
    };
}

}  // namespace

const std::vector<TableSpec>& TableSpecs() {
    static const std::vector<TableSpec> specs = MakeSpecs();
    return specs;
}

const TableSpec& SpecOf(TableId id) { return TableSpecs()[static_cast<size_t>(id)]; }

const TableSpec* FindSpecByBaseName(const std::string& baseName) {
    for (const TableSpec& s : TableSpecs())
        if (s.baseName == baseName) return &s;
    return nullptr;
}

std::unique_ptr<Table> CreateTable(const TableSpec& spec) {
    auto t = std::make_unique<Table>(spec.ComponentName(), spec.fields);
    for (const IndexSpec& i : spec.indexes) t->AddIndex(i.name, i.fields, i.options);
    t->SetIndexName(spec.activeIndex);
    t->Open();
    t->ResetModified();
    return t;
}

std::vector<std::string> DictionaryFileNames() {
    std::vector<std::string> names;
    for (const TableSpec& spec : TableSpecs()) names.push_back(spec.baseName + kDictionaryExtension);
    return names;
}

}  // namespace kunimor
