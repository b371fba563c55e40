#include "ground/Error.h"
#include "store/KunimorStreamFormat.h"
#include "dictionary/Schema.h"
#include "dictionary/TagCodes.h"
#include "support/TempDir.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace kunimor;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& b) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void AddRow(Table& t, std::initializer_list<std::pair<const char*, Value>> values) {
    t.Insert();
    for (const auto& [field, value] : values) t.Set(field, value);
    t.Post();
}

void Save(Table& t, const std::string& path) {
    KunimorStreamFormat f;
    t.SaveToFile(path, f);
}

std::unique_ptr<Table> Load(TableId id, const std::string& path) {
    auto t = CreateTable(SpecOf(id));
    KunimorStreamFormat f;
    t->LoadFromFile(path, f);
    return t;
}

std::vector<int32_t> Column(Table& t, const char* field) {
    std::vector<int32_t> values;
    const int f = t.FieldIndex(field);
    for (t.First(); !t.Eof(); t.Next()) values.push_back(t.GetInt(f));
    return values;
}

class StreamFormatTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = dir.File("table.kmr");
};

}  // namespace

TEST_F(StreamFormatTest, EmptyTableBytes) {
    auto trans = CreateTable(SpecOf(TableId::Trans));
    Save(*trans, file);
    // magic, label 0, count 0 (scrambled), the IndBelNo block (label, count 0,
    // width 1, terminator), end label
    const Bytes expected = {'k', 'n', 'm', '6', 0x9A, 0x9A, 0x3D, 0x9B, 0x3D, 0x14,
                            0x9C, 0x3D, 0x9D, 0x3D, 0x01, 0xFF, 0xEB};
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(Load(TableId::Trans, file)->RecordCount(), 0);
}

TEST_F(StreamFormatTest, LinksAreDeltaCodedAndScrambled) {
    auto trans = CreateTable(SpecOf(TableId::Trans));
    AddRow(*trans, {{"RusNo", 300}, {"BelNo", 2}, {"Tag", 0x1A}});
    AddRow(*trans, {{"RusNo", 5}, {"BelNo", 7}, {"Tag", 10}});
    Save(*trans, file);
    const Bytes expected = {
        'k', 'n', 'm', '6', 0x9A, 0x98, 0x3D, 0x9B, 0x3D,   // header, 2 records
        0x3D, 0x05, 0x9B, 0x3D, 0x00, 0x0A,                 // RusNo +5, BelNo 7, Tag 10
        0x3D, 0xFF, 0xBA, 0x3C, 0x00, 0x9C, 0x3D, 0x00, 0x1A,  // RusNo +295 in 3 bytes, BelNo 2
        0x14, 0x9D, 0x3D, 0xA0, 0x3D, 0x01, 0x01, 0x00, 0xFF,  // IndBelNo: record 1, then 0
        0xEB};
    EXPECT_EQ(ReadBytes(file), expected);

    auto loaded = Load(TableId::Trans, file);
    EXPECT_EQ(Column(*loaded, "RusNo"), (std::vector<int32_t>{5, 300}));
    loaded->SetIndexName("IndBelNo");
    EXPECT_EQ(Column(*loaded, "BelNo"), (std::vector<int32_t>{2, 7}));
}

TEST_F(StreamFormatTest, StemsArePrefixCompressed) {
    auto words = CreateTable(SpecOf(TableId::WordsB));
    AddRow(*words, {{"No", 2}, {"Osnova", W("рукав")}, {"EtalonNo", 3}, {"Tag", 0}, {"Modif", false}});
    AddRow(*words, {{"No", 1}, {"Osnova", W("рука")}, {"EtalonNo", 3}, {"Tag", 0}, {"Modif", false}});
    Save(*words, file);
    const Bytes expected = {
        'k', 'n', 'm', '6', 0x9A, 0x98, 0x3D, 0x9B, 0x3D,
        // рука: No 1, lengths 4 and 4, the four letters, EtalonNo 3, Tag 0, Modif
        0x3D, 0x9D, 0x3D, 0x00, 0x04, 0x04, 0x6D, 0xCE, 0x74, 0xDD, 0x9C, 0x3D, 0xA0, 0x3D, 0x00,
        // рукав: No 2, lengths 5 and 1, the letter в
        0x3D, 0xA3, 0x3D, 0x00, 0x05, 0x01, 0xE2, 0xA1, 0x3D, 0xA3, 0x3D, 0x00,
        // NoInd: record 0, then 1
        0x14, 0xA6, 0x3D, 0xA5, 0x3D, 0x01, 0x00, 0x01, 0xFF, 0xEB};
    EXPECT_EQ(ReadBytes(file), expected);
}

TEST_F(StreamFormatTest, EveryTableRoundTrips) {
    for (const TableSpec& spec : TableSpecs()) {
        SCOPED_TRACE(spec.baseName);
        auto t = CreateTable(spec);
        // Three records with distinct values in every stored field, inserted
        // against the active order.
        for (int n : {3, 1, 2}) {
            t->Insert();
            for (size_t i = 0; i < spec.fields.size(); ++i) {
                const FieldDef& f = spec.fields[i];
                if (f.kind != FieldKind::Data || !f.visible) continue;
                const bool collocNo = f.name == "No" && (spec.id == TableId::CollocB || spec.id == TableId::CollocR);
                const int v = collocNo ? kFirstCollocNo + n : n;
                if (f.type == FieldType::Boolean) t->Set(static_cast<int>(i), n == 2);
                else if (f.IsText()) t->Set(static_cast<int>(i), std::string(f.size > 0 ? std::min(n, f.size) : n, 'x'));
                else t->Set(static_cast<int>(i), v);
            }
            t->Post();
        }
        Save(*t, file);
        auto loaded = Load(spec.id, file);
        ASSERT_EQ(loaded->RecordCount(), 3);
        for (int i = 0; i < t->IndexCount(); ++i) {
            t->SetIndexName(t->IndexAt(i).name == "@RecordOrder" ? spec.activeIndex : t->IndexAt(i).name);
            loaded->SetIndexName(t->CurrentIndex().name);
            for (t->First(), loaded->First(); !t->Eof(); t->Next(), loaded->Next()) {
                for (size_t f = 0; f < spec.fields.size(); ++f) {
                    if (spec.fields[f].kind != FieldKind::Data || !spec.fields[f].visible) continue;
                    EXPECT_EQ(t->Get(static_cast<int>(f)), loaded->Get(static_cast<int>(f)))
                        << "index " << t->CurrentIndex().name << " field " << spec.fields[f].name;
                }
            }
            EXPECT_TRUE(loaded->Eof());
        }
        // A second save of the loaded table gives the same bytes.
        const Bytes first = ReadBytes(file);
        loaded->SetIndexName(spec.activeIndex);
        Save(*loaded, file);
        EXPECT_EQ(ReadBytes(file), first);
    }
}

TEST_F(StreamFormatTest, NumbersKeepTheirValues) {
    // A Tag with a theme of 128 or more is negative as a 16-bit value.
    const int16_t themed = static_cast<int16_t>(0x8305);
    struct Case {
        const char* field;
        int32_t value;
    } cases[] = {{"Kind", -1}, {"Kind", 200}, {"MainPar", -1}, {"Tag", themed}, {"Tag", -1}, {"Tag", 32767}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + std::to_string(c.value));
        auto colloc = CreateTable(SpecOf(TableId::CollocR));
        AddRow(*colloc, {{"No", kFirstCollocNo + 1}, {c.field, c.value}});
        Save(*colloc, file);
        auto loaded = Load(TableId::CollocR, file);
        EXPECT_EQ(loaded->Get(c.field).AsInt(), c.value);
    }
}

TEST_F(StreamFormatTest, KeyStepsTakeOneOrFourBytes) {
    auto sizeWithSecondKey = [&](int32_t second) {
        auto colloc = CreateTable(SpecOf(TableId::CollocB));
        AddRow(*colloc, {{"No", 5000001}});
        AddRow(*colloc, {{"No", second}});
        Save(*colloc, file);
        EXPECT_EQ(Column(*Load(TableId::CollocB, file), "No"), (std::vector<int32_t>{5000001, second}));
        return ReadBytes(file).size();
    };
    EXPECT_EQ(sizeWithSecondKey(5000001 + 255), sizeWithSecondKey(5000001 + 254) + 3);
    EXPECT_EQ(sizeWithSecondKey(5000300), sizeWithSecondKey(5000001 + 254) + 3);
}

TEST_F(StreamFormatTest, IndexEntryWidthGrowsPast255Records) {
    for (int count : {255, 256}) {
        auto trans = CreateTable(SpecOf(TableId::Trans));
        for (int i = 0; i < count; ++i) AddRow(*trans, {{"RusNo", i + 1}, {"BelNo", count - i}, {"Tag", 10}});
        Save(*trans, file);
        const Bytes b = ReadBytes(file);
        const size_t width = count < 256 ? 1 : 2;
        const size_t block = b.size() - 1 - width * (count + 1) - 1 - 4 - 1;
        EXPECT_EQ(b[block], 0x14) << count;
        EXPECT_EQ(b[block + 5], width) << count;
        auto loaded = Load(TableId::Trans, file);
        loaded->SetIndexName("IndBelNo");
        loaded->First();
        EXPECT_EQ(loaded->Get("RusNo").AsInt(), count);
    }
}

TEST_F(StreamFormatTest, MissingIndexBlockIsRebuilt) {
    auto trans = CreateTable(SpecOf(TableId::Trans));
    AddRow(*trans, {{"RusNo", 1}, {"BelNo", 9}, {"Tag", 10}});
    AddRow(*trans, {{"RusNo", 2}, {"BelNo", 4}, {"Tag", 10}});
    Save(*trans, file);
    Bytes b = ReadBytes(file);
    const size_t blockSize = 1 + 4 + 1 + 3;
    b.erase(b.end() - 1 - static_cast<long>(blockSize), b.end() - 1);
    WriteBytes(file, b);
    auto loaded = Load(TableId::Trans, file);
    loaded->SetIndexName("IndBelNo");
    EXPECT_EQ(Column(*loaded, "BelNo"), (std::vector<int32_t>{4, 9}));
}

TEST_F(StreamFormatTest, RecordsOutOfKeyOrderAreSortedOnLoad) {
    // Written in record order (2 before 1), read with the paradigm-number order active.
    auto etalons = CreateTable(SpecOf(TableId::EtalonR));
    etalons->EnableIndex(etalons->FindIndex("KindInd"), false);
    AddRow(*etalons, {{"No", 2}, {"Kind", 1}, {"Forms", "a"}});
    AddRow(*etalons, {{"No", 1}, {"Kind", 2}, {"Forms", "b"}});
    etalons->SetIndexName("@RecordOrder");
    Save(*etalons, file);

    auto loaded = Load(TableId::EtalonR, file);
    EXPECT_EQ(Column(*loaded, "No"), (std::vector<int32_t>{1, 2}));
    ASSERT_TRUE(loaded->FindKey({Value(int32_t{2})}));
    EXPECT_EQ(loaded->Get("Forms").AsString(), "a");
}

TEST_F(StreamFormatTest, DuplicateUniqueKeysAreRefused) {
    auto etalons = CreateTable(SpecOf(TableId::EtalonB));
    etalons->EnableIndex(etalons->FindIndex("NoInd"), false);
    AddRow(*etalons, {{"No", 7}, {"Kind", 1}});
    AddRow(*etalons, {{"No", 7}, {"Kind", 2}});
    etalons->SetIndexName("@RecordOrder");
    Save(*etalons, file);
    EXPECT_THROW(Load(TableId::EtalonB, file), Error);
}

TEST_F(StreamFormatTest, UnstorableValuesFailBeforeTheFileIsTouched) {
    auto good = CreateTable(SpecOf(TableId::EtalonB));
    AddRow(*good, {{"No", 1}, {"Kind", 1}, {"Forms", "a"}});
    Save(*good, file);
    const Bytes before = ReadBytes(file);

    struct Case {
        TableId table;
        const char* field;
        Value value;
        const char* message;
    } cases[] = {
        {TableId::EtalonB, "Forms", Value(std::string(70000, 'a')), "longer than a dictionary file holds"},
        {TableId::WordsB, "No", Value(int32_t{20000000}), "does not fit in 3 bytes"},
        {TableId::WordsB, "No", Value(int32_t{-5}), "does not fit in 3 bytes"},
        {TableId::Trans, "RusNo", Value(int32_t{-3}), "negative step"},
        {TableId::CollocB, "Kind", Value(int32_t{300}), "does not fit in one byte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto t = CreateTable(SpecOf(c.table));
        AddRow(*t, {{c.field, c.value}});
        try {
            Save(*t, file);
            ADD_FAILURE() << "saved";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(file), before);
    }
}

TEST_F(StreamFormatTest, LoadReplacesWhatTheTableHeld) {
    auto trans = CreateTable(SpecOf(TableId::Trans));
    AddRow(*trans, {{"RusNo", 1}, {"BelNo", 1}, {"Tag", 10}});
    Save(*trans, file);
    AddRow(*trans, {{"RusNo", 2}, {"BelNo", 2}, {"Tag", 10}});
    KunimorStreamFormat f;
    trans->LoadFromFile(file, f);
    EXPECT_EQ(Column(*trans, "RusNo"), (std::vector<int32_t>{1}));
    EXPECT_FALSE(trans->Modified());
}

// ---------------------------------------------------------------- damaged files

class DamagedFileTest : public StreamFormatTest {
protected:
    void SetUp() override {
        auto words = CreateTable(SpecOf(TableId::WordsR));
        AddRow(*words, {{"No", 1}, {"Osnova", W("рук")}, {"EtalonNo", 3}, {"Tag", 0x0305}});
        AddRow(*words, {{"No", 2}, {"Osnova", W("рукав")}, {"EtalonNo", -1}, {"Tag", 0}});
        AddRow(*words, {{"No", 300}, {"Osnova", W("стол")}, {"EtalonNo", 4}, {"Tag", 0}, {"Modif", true}});
        Save(*words, file);
        good = ReadBytes(file);
    }

    // The load fails with an Error and leaves the table empty and closed.
    void ExpectRefused(const Bytes& damaged, const std::string& what) {
        SCOPED_TRACE(what);
        WriteBytes(file, damaged);
        auto t = CreateTable(SpecOf(TableId::WordsR));
        KunimorStreamFormat f;
        EXPECT_THROW(t->LoadFromFile(file, f), Error);
        EXPECT_EQ(t->RecordOrder().size(), 0u);
        EXPECT_FALSE(t->Active());
    }

    Bytes good;
};

TEST_F(DamagedFileTest, TruncatedAnywhere) {
    for (size_t size = 0; size < good.size(); ++size)
        ExpectRefused(Bytes(good.begin(), good.begin() + static_cast<long>(size)), "cut at " + std::to_string(size));
}

TEST_F(DamagedFileTest, WrongLabelsAndCounts) {
    struct Case {
        size_t offset;
        unsigned char value;
        const char* what;
    } cases[] = {
        {0, 'K', "magic"},
        {4, 0x00, "data label"},
        {5, 0x9C, "record count too large"},
        {5, 0x9B, "record count too small"},
        {8, 0xBD, "record count absurd"},
        {9, 0x3E, "first record label"},
        {good.size() - 1, 0x00, "end label"},
    };
    for (const Case& c : cases) {
        Bytes b = good;
        b[c.offset] = c.value;
        ExpectRefused(b, c.what);
    }
    Bytes trailing = good;
    trailing.push_back(0);
    ExpectRefused(trailing, "data after the end label");
}

TEST_F(DamagedFileTest, AbsurdLengthsAndPositions) {
    // Record 1 starts at offset 9: label, No (3 bytes), then the stem's total
    // and tail lengths.
    struct Case {
        size_t offset;
        unsigned char value;
        const char* what;
    } cases[] = {
        {13, 0xF0, "stem longer than its field"},
        {14, 0x05, "tail longer than the stem"},
        {good.size() - 4, 0x07, "index entry beyond the records"},
        {good.size() - 3, 0x00, "index entry repeated"},
        {good.size() - 2, 0x00, "missing index terminator"},
        {good.size() - 6, 0x02, "wrong index entry width"},
    };
    for (const Case& c : cases) {
        Bytes b = good;
        b[c.offset] = c.value;
        ExpectRefused(b, c.what);
    }
}

TEST_F(DamagedFileTest, AnyFlippedByteLoadsConsistentlyOrFails) {
    for (size_t i = 0; i < good.size(); ++i) {
        Bytes b = good;
        b[i] ^= 0xFF;
        WriteBytes(file, b);
        auto t = CreateTable(SpecOf(TableId::WordsR));
        KunimorStreamFormat f;
        try {
            t->LoadFromFile(file, f);
        } catch (const Error&) {
            continue;
        }
        // A flip inside a value goes unnoticed, but the table is whole.
        EXPECT_EQ(t->RecordOrder().size(), 3u) << "flip at " << i;
        for (int k = 1; k < t->IndexCount(); ++k) EXPECT_TRUE(t->IndexAt(k).IsSorted()) << "flip at " << i;
    }
}
