#pragma once

#include "store/FieldDef.h"
#include "store/FilterExpression.h"
#include "store/Index.h"
#include "store/Record.h"
#include "store/Value.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kunimor {

class TableFormat;

struct LocateOptions {
    bool partialKey = false;       // the last field matches as a prefix
    bool caseInsensitive = false;
};

// Remembers a record so the cursor can return to it.
struct Bookmark {
    const Record* record = nullptr;
    uint32_t id = 0;
};

// An in-memory table: typed fields, named indexes, a cursor over the current
// index, filters and pluggable file formats. Index 0 is the record order.
class Table {
public:
    Table(std::string name, std::vector<FieldDef> fields);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& Name() const { return name_; }

    // --- life cycle and state
    void Open() { active_ = true; }
    void Close();
    bool Active() const { return active_; }
    int RecordCount() const;  // records the filter accepts
    bool IsEmpty() const { return RecordCount() == 0; }
    bool Modified() const { return modified_; }
    void ResetModified() { modified_ = false; }
    // A stamp that changes whenever the records, an index's order or the
    // filter change. Stamps are unique across every table of the process, so
    // a cache that keeps one never takes a reloaded or another table's state
    // for the one it remembered.
    uint64_t Generation() const { return generation_; }
    // Percentage reports of long loads and saves.
    std::function<void(int percent)> onProgress;
    void DisableControls() { ++controlsDisabled_; }
    void EnableControls() { if (controlsDisabled_ > 0) --controlsDisabled_; }
    bool ControlsDisabled() const { return controlsDisabled_ > 0; }

    // --- fields
    const std::vector<FieldDef>& Fields() const { return fields_; }
    FieldDef& FieldAt(int field) { return fields_[field]; }
    int FindField(std::string_view name) const;  // -1 when absent
    int FieldIndex(std::string_view name) const; // throws when absent

    // --- cursor
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance);  // returns how far it moved
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool HasRecord() const { return current_ != nullptr; }
    Bookmark GetBookmark() const;
    bool GotoBookmark(const Bookmark& b);
    void Refresh();

    // --- field access on the current record (or the edit buffer while editing)
    Value Get(std::string_view field) const { return Get(FieldIndex(field)); }
    Value Get(int field) const;
    int32_t GetInt(int field) const;
    bool GetBool(int field) const { return GetInt(field) != 0; }
    const std::string& GetString(int field) const;
    bool IsNull(int field) const;
    void Set(std::string_view field, const Value& v) { Set(FieldIndex(field), v); }
    void Set(int field, const Value& v);

    // Values of any record, for filters, calculation callbacks and formats.
    Value FieldValue(const Record& r, int field) const;

    // --- editing
    enum class State { Browse, Edit, Insert };
    State EditState() const { return state_; }
    void Edit();
    void Insert();
    void Append() { Insert(); }
    void Post();
    void Cancel();
    void Delete();
    // Called by Post while the edit buffer can still be changed, and by
    // Delete while the record is still current; an exception stops the post
    // or delete with the table unchanged.
    std::function<void(Table&)> beforePost;
    std::function<void(Table&)> beforeDelete;
    // Removes every record.
    void EmptyTable();

    // --- indexes
    void AddIndex(const std::string& name, const std::string& fieldList, IndexOptions options = {});
    void SetIndexName(std::string_view name);
    // Reuses an index with exactly this field list, or creates one.
    void SetIndexFieldNames(std::string_view fieldList);
    int IndexCount() const { return static_cast<int>(indexes_.size()); }
    const Index& IndexAt(int i) const { return *indexes_[i]; }
    int FindIndex(std::string_view name) const;  // -1 when absent
    const Index& CurrentIndex() const { return *indexes_[currentIndex_]; }
    int CurrentIndexPosition() const { return currentIndex_; }
    void EnableIndex(int i, bool enabled);

    // --- searching on the current index
    bool FindKey(const std::vector<Value>& key);
    void FindNearest(const std::vector<Value>& key);
    bool Locate(std::string_view fields, const std::vector<Value>& values, LocateOptions options = {});
    Value Lookup(std::string_view keyFields, const std::vector<Value>& values, std::string_view resultField) const;
    // The first record of the named index whose leading key fields equal key.
    Value IndexLookup(std::string_view index, const std::vector<Value>& key, std::string_view resultField) const;

    // --- filtering
    void SetFilterText(std::string_view expression);
    void SetFiltered(bool on);
    bool Filtered() const { return filtered_; }
    const std::string& FilterText() const { return filterText_; }
    void SetFilterCallback(std::function<bool(const Table&, const Record&)> accept);
    bool Accepts(const Record& r) const;

    // --- calculated fields
    std::function<void(Table&, Record&)> onCalcFields;
    bool recalcOnFetch = false;
    void Recalculate(Record& r);

    // --- files
    void LoadFromFile(const std::string& path, TableFormat& format);
    void SaveToFile(const std::string& path, TableFormat& format);

    // --- services for file formats
    const std::vector<Record*>& RecordOrder() const { return indexes_[0]->refs; }
    std::unique_ptr<Record> NewRecord();
    void ReserveRecords(size_t n);
    // Adds a record to the record order only; indexes are set afterwards.
    void AppendUnindexed(std::unique_ptr<Record> r);
    // Takes refs as index i's order (a permutation of the records).
    void AssignIndex(int i, std::vector<Record*> refs);
    void RebuildIndex(int i);
    // Fails with Error when a unique index holds two equal keys.
    void CheckUnique(int i) const;

private:
    const std::vector<Record*>& View() const { return indexes_[currentIndex_]->refs; }
    void Fetch();  // current_ := View()[pos_], recalculating when asked
    void Land(long pos);
    long Scan(long from, int step) const;  // next accepted position, or -1
    void CheckBrowseMode();  // posts a pending edit before the cursor moves
    void RequireActive() const;
    void RequireRecord() const;
    Record& Buffer();
    const Record& Reading() const;
    void CheckUniqueFor(const Record& r, const Record* self) const;
    std::vector<KeyField> ParseFieldList(std::string_view fieldList) const;
    // ParseFieldList remembered: a table is searched by the same few lists.
    const std::vector<KeyField>& KeysOf(std::string_view fieldList) const;
    // The first record in current index order whose fields equal values.
    Record* FirstMatch(const std::vector<KeyField>& keys, const std::vector<Value>& values,
                       LocateOptions options) const;
    void Changed();  // draws a new Generation

    std::string name_;
    std::vector<FieldDef> fields_;
    int intSlots_ = 0, stringSlots_ = 0;
    std::vector<std::unique_ptr<Record>> owned_;
    std::vector<std::unique_ptr<Index>> indexes_;
    int currentIndex_ = 0;
    long pos_ = -1;
    Record* current_ = nullptr;
    bool eof_ = true, bof_ = true;
    bool active_ = false;
    bool modified_ = false;
    int controlsDisabled_ = 0;
    uint32_t nextId_ = 1;
    uint64_t generation_ = 0;
    mutable std::vector<std::pair<std::string, std::vector<KeyField>>> parsedLists_;

    State state_ = State::Browse;
    std::unique_ptr<Record> buffer_;
    Record* editing_ = nullptr;  // the record an Edit changes

    std::string filterText_;
    std::optional<FilterExpression> filterExpr_;
    std::function<bool(const Table&, const Record&)> filterCallback_;
    bool filtered_ = false;
};

// The hooks a file format plugs into a table's load and save.
class TableFormat {
public:
    virtual ~TableFormat() = default;
    virtual void BeforeSave(Table& t, const std::string& path) = 0;
    virtual void SaveData(Table& t) = 0;
    virtual void AfterSave(Table& t) = 0;
    virtual void BeforeLoad(Table& t, const std::string& path) = 0;
    virtual void LoadData(Table& t) = 0;
    virtual void AfterLoad(Table& t) = 0;
};

}  // namespace kunimor
