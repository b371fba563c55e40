#pragma once

#include "store/ScrambledStream.h"
#include "store/Table.h"

#include <memory>
#include <string>
#include <vector>

namespace kunimor {

// The dictionary file format ("knm6"): positional records in the order of the
// table's current (active) index, the leading key delta-coded, then the order
// of every other enabled index, so that loading never sorts.
class KunimorStreamFormat : public TableFormat {
public:
    static constexpr char kMagic[4] = {'k', 'n', 'm', '6'};
    static constexpr unsigned char kLabelData = kScrambleKey0 & 0xFF;    // start of the record data
    static constexpr unsigned char kLabelRecord = kScrambleKey0 >> 8;    // start of one record
    static constexpr unsigned char kLabelIndex = 0x14;                   // start of one index block
    static constexpr unsigned char kLabelEnd = 0xEB;                     // end of the file

    // Invisible fields (the words' Lemma) stay out of the files.
    bool includeInvisibleFields = false;

    void BeforeSave(Table& t, const std::string& path) override;
    void SaveData(Table& t) override;
    void AfterSave(Table& t) override;
    void BeforeLoad(Table& t, const std::string& path) override;
    void LoadData(Table& t) override;
    void AfterLoad(Table& t) override;

    // Throws Error naming the record and field when a value cannot be stored.
    void CheckStorable(const Table& t) const;

private:
    struct Layout {
        std::vector<int> fields;  // stored fields in schema order
        int deltaField = -1;
        int activeIndex = 0;
    };
    Layout MakeLayout(const Table& t) const;
    const std::vector<Record*>& WriteOrder(const Table& t) const;
    void WriteField(const Table& t, const Record& r, int field, int64_t& prevNumber, std::string& prevText);
    void ReadField(const Table& t, Record& r, int field, int64_t& prevNumber, std::string& prevText);
    void ReadIndexBlock(Table& t, int index);
    [[noreturn]] void Damaged(const std::string& what) const;

    Layout layout_;
    std::string path_;
    std::unique_ptr<ScrambledWriter> writer_;
    std::unique_ptr<ScrambledReader> reader_;
    std::vector<Record*> written_;
    size_t recordsRead_ = 0;
};

}  // namespace kunimor
