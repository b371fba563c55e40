#include "store/Table.h"

#include "ground/Error.h"
#include "store/FieldName.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace kunimor {

namespace {

bool SameKeys(const std::vector<KeyField>& a, const std::vector<KeyField>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].field != b[i].field || (a[i].text && a[i].collation != b[i].collation)) return false;
    return true;
}

bool NoCaseEqual(std::string_view a, std::string_view b) {
    return CompareStrings(a, b, Collation::DictionaryNoCase) == 0;
}

bool NoCaseStartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && NoCaseEqual(s.substr(0, prefix.size()), prefix);
}

std::atomic<uint64_t> lastGeneration{0};

}  // namespace

Table::Table(std::string name, std::vector<FieldDef> fields) : name_(std::move(name)), fields_(std::move(fields)) {
    if (fields_.size() > 64) throw Error("Table " + name_ + " has more fields than the store supports");
    for (FieldDef& f : fields_) f.slot = f.IsText() ? stringSlots_++ : intSlots_++;
    auto order = std::make_unique<Index>();
    order->name = "@RecordOrder";
    indexes_.push_back(std::move(order));
    Changed();
}

void Table::Changed() { generation_ = ++lastGeneration; }

Table::~Table() = default;

void Table::Close() {
    EmptyTable();
    active_ = false;
    modified_ = false;
}

int Table::RecordCount() const {
    if (!filtered_) return static_cast<int>(owned_.size());
    return static_cast<int>(std::count_if(owned_.begin(), owned_.end(),
                                          [&](const std::unique_ptr<Record>& r) { return Accepts(*r); }));
}

int Table::FindField(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (SameFieldName(fields_[i].name, name)) return static_cast<int>(i);
    return -1;
}

int Table::FieldIndex(std::string_view name) const {
    const int i = FindField(name);
    if (i < 0) throw Error(name_ + ": Field '" + std::string(name) + "' not found");
    return i;
}

// ---------------------------------------------------------------- cursor

long Table::Scan(long from, int step) const {
    const auto& v = View();
    for (long p = from; p >= 0 && p < static_cast<long>(v.size()); p += step)
        if (Accepts(*v[p])) return p;
    return -1;
}

void Table::Fetch() {
    Record* r = View()[pos_];
    current_ = r;
    if (recalcOnFetch && onCalcFields) onCalcFields(*this, *r);
}

void Table::Land(long pos) {
    if (pos < 0) {
        pos_ = -1;
        current_ = nullptr;
        eof_ = bof_ = true;
        return;
    }
    pos_ = pos;
    Fetch();
    eof_ = bof_ = false;
}

void Table::First() {
    CheckBrowseMode();
    Land(Scan(0, 1));
    bof_ = true;
}

void Table::Last() {
    CheckBrowseMode();
    Land(Scan(static_cast<long>(View().size()) - 1, -1));
    eof_ = true;
}

void Table::Next() {
    CheckBrowseMode();
    if (!current_) { eof_ = true; return; }
    const long p = Scan(pos_ + 1, 1);
    if (p < 0) { eof_ = true; return; }
    pos_ = p;
    Fetch();
    eof_ = bof_ = false;
}

void Table::Prior() {
    CheckBrowseMode();
    if (!current_) { bof_ = true; return; }
    const long p = Scan(pos_ - 1, -1);
    if (p < 0) { bof_ = true; return; }
    pos_ = p;
    Fetch();
    eof_ = bof_ = false;
}

int Table::MoveBy(int distance) {
    int moved = 0;
    for (; distance > 0 && !eof_; --distance) {
        Next();
        if (!eof_) ++moved;
    }
    for (; distance < 0 && !bof_; ++distance) {
        Prior();
        if (!bof_) --moved;
    }
    return moved;
}

Bookmark Table::GetBookmark() const { return current_ ? Bookmark{current_, current_->id} : Bookmark{}; }

bool Table::GotoBookmark(const Bookmark& b) {
    CheckBrowseMode();
    if (!b.record) return false;
    // The record may be gone: find it by address before anything reads it.
    const auto& all = RecordOrder();
    if (std::find(all.begin(), all.end(), b.record) == all.end() || b.record->id != b.id) return false;
    const long p = indexes_[currentIndex_]->Position(b.record);
    if (p < 0) return false;
    Land(p);
    return true;
}

void Table::Refresh() {
    if (current_) {
        const long p = indexes_[currentIndex_]->Position(current_);
        if (p >= 0 && Accepts(*current_)) {
            Land(p);
            return;
        }
    }
    First();
}

// ---------------------------------------------------------------- fields

void Table::RequireActive() const {
    if (!active_) throw Error(name_ + ": Cannot perform this operation on a closed dataset");
}

void Table::RequireRecord() const {
    RequireActive();
    if (!current_) throw Error(name_ + ": Cannot perform this operation on an empty dataset");
}

const Record& Table::Reading() const {
    if (state_ != State::Browse) return *buffer_;
    RequireRecord();
    return *current_;
}

Record& Table::Buffer() {
    if (state_ == State::Browse) throw Error(name_ + ": Dataset not in edit or insert mode");
    return *buffer_;
}

Value Table::FieldValue(const Record& r, int field) const {
    const FieldDef& f = fields_[field];
    if (r.nulls >> field & 1) return {};
    switch (f.type) {
    case FieldType::Boolean: return Value(r.ints[f.slot] != 0);
    case FieldType::String:
    case FieldType::Memo: return Value(r.strings[f.slot]);
    default: return Value(r.ints[f.slot]);
    }
}

Value Table::Get(int field) const { return FieldValue(Reading(), field); }

int32_t Table::GetInt(int field) const {
    const FieldDef& f = fields_[field];
    if (f.IsText()) return Get(field).AsInt();
    return Reading().ints[f.slot];
}

const std::string& Table::GetString(int field) const {
    const FieldDef& f = fields_[field];
    if (!f.IsText()) throw Error(name_ + ": Field '" + f.name + "' is not a string field");
    return Reading().strings[f.slot];
}

bool Table::IsNull(int field) const { return (Reading().nulls >> field & 1) != 0; }

void Table::Set(int field, const Value& v) {
    Record& r = Buffer();
    const FieldDef& f = fields_[field];
    if (v.IsNull()) {
        r.nulls |= uint64_t{1} << field;
        if (f.IsText()) r.strings[f.slot].clear();
        else r.ints[f.slot] = 0;
        return;
    }
    switch (f.type) {
    case FieldType::String:
    case FieldType::Memo: {
        std::string s = v.AsString();
        if (f.type == FieldType::String && f.size > 0 && static_cast<int>(s.size()) > f.size)
            throw Error(name_ + ": Value of field '" + f.name + "' is longer than " + std::to_string(f.size) +
                        " characters");
        r.strings[f.slot] = std::move(s);
        break;
    }
    case FieldType::Boolean:
        r.ints[f.slot] = v.AsBool() ? 1 : 0;
        break;
    case FieldType::Smallint: {
        const int32_t i = v.AsInt();
        if (i < -32768 || i > 32767)
            throw Error(name_ + ": Value " + std::to_string(i) + " out of range for field '" + f.name + "'");
        r.ints[f.slot] = i;
        break;
    }
    case FieldType::Integer:
        r.ints[f.slot] = v.AsInt();
        break;
    }
    r.nulls &= ~(uint64_t{1} << field);
}

// ---------------------------------------------------------------- editing

std::unique_ptr<Record> Table::NewRecord() {
    auto r = std::make_unique<Record>();
    r->id = nextId_++;
    r->ints.assign(intSlots_, 0);
    r->strings.resize(stringSlots_);
    r->nulls = fields_.size() == 64 ? ~uint64_t{0} : (uint64_t{1} << fields_.size()) - 1;
    return r;
}

void Table::Edit() {
    RequireRecord();
    if (state_ != State::Browse) return;
    buffer_ = std::make_unique<Record>(*current_);
    editing_ = current_;
    state_ = State::Edit;
}

void Table::CheckBrowseMode() {
    if (state_ != State::Browse) Post();
}

void Table::Insert() {
    RequireActive();
    CheckBrowseMode();
    buffer_ = NewRecord();
    state_ = State::Insert;
}

void Table::CheckUniqueFor(const Record& r, const Record* self) const {
    for (const auto& idx : indexes_) {
        if (!idx->options.unique || !idx->enabled || idx->IsRecordOrder()) continue;
        auto first = std::partition_point(idx->refs.begin(), idx->refs.end(),
                                          [&](const Record* x) { return idx->Compare(*x, r) < 0; });
        for (auto it = first; it != idx->refs.end() && idx->Compare(**it, r) == 0; ++it)
            if (*it != self) throw Error(name_ + ": Key violation in unique index " + idx->name);
    }
}

void Table::Post() {
    if (state_ == State::Browse) return;
    if (beforePost) beforePost(*this);
    Record* posted;
    if (state_ == State::Edit) {
        Record* r = editing_;
        CheckUniqueFor(*buffer_, r);
        // Only indexes whose key changed move the record; elsewhere it keeps
        // its place among equal keys.
        std::vector<Index*> moved;
        for (size_t i = 1; i < indexes_.size(); ++i)
            if (indexes_[i]->enabled && indexes_[i]->Compare(*r, *buffer_) != 0) moved.push_back(indexes_[i].get());
        for (Index* idx : moved) idx->Remove(r);
        const uint32_t id = r->id;
        *r = std::move(*buffer_);
        r->id = id;
        for (Index* idx : moved) idx->Insert(r);
        posted = r;
    } else {
        CheckUniqueFor(*buffer_, nullptr);
        posted = buffer_.get();
        owned_.push_back(std::move(buffer_));
        for (auto& idx : indexes_)
            if (idx->enabled) idx->Insert(posted);
    }
    buffer_.reset();
    editing_ = nullptr;
    state_ = State::Browse;
    modified_ = true;
    Changed();
    Land(indexes_[currentIndex_]->Position(posted));
}

void Table::Cancel() {
    buffer_.reset();
    editing_ = nullptr;
    state_ = State::Browse;
}

void Table::Delete() {
    RequireRecord();
    Cancel();
    if (beforeDelete) beforeDelete(*this);
    Record* r = current_;
    const long pos = pos_;
    for (auto& idx : indexes_)
        if (idx->enabled) idx->Remove(r);
    owned_.erase(std::find_if(owned_.begin(), owned_.end(),
                              [&](const std::unique_ptr<Record>& p) { return p.get() == r; }));
    modified_ = true;
    Changed();
    long p = Scan(pos, 1);
    if (p < 0) p = Scan(pos - 1, -1);
    Land(p);
}

void Table::EmptyTable() {
    Cancel();
    for (auto& idx : indexes_) idx->refs.clear();
    owned_.clear();
    modified_ = true;
    Changed();
    Land(-1);
}

// ---------------------------------------------------------------- indexes

std::vector<KeyField> Table::ParseFieldList(std::string_view list) const {
    std::vector<KeyField> keys;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string_view::npos) end = list.size();
        std::string_view item = list.substr(start, end - start);
        start = end + 1;
        if (item.empty()) {
            if (end == list.size()) break;
            continue;
        }
        KeyField k;
        const size_t colon = item.find(':');
        for (char opt : item.substr(colon == std::string_view::npos ? item.size() : colon + 1)) {
            if (opt == 'L' || opt == 'l') k.collation = Collation::Dictionary;
            else if (opt == 'C' || opt == 'c') k.collation = Collation::DictionaryNoCase;
            else throw Error(name_ + ": Unknown index field option '" + std::string(1, opt) + "'");
        }
        k.field = FieldIndex(item.substr(0, colon));
        k.slot = fields_[k.field].slot;
        k.text = fields_[k.field].IsText();
        keys.push_back(k);
    }
    if (keys.empty()) throw Error(name_ + ": Empty index field list");
    return keys;
}

const std::vector<KeyField>& Table::KeysOf(std::string_view list) const {
    for (const auto& [text, keys] : parsedLists_)
        if (text == list) return keys;
    constexpr size_t kRemembered = 16;
    std::vector<KeyField> keys = ParseFieldList(list);  // first: a bad list is not remembered
    if (parsedLists_.size() == kRemembered) parsedLists_.erase(parsedLists_.begin());
    return parsedLists_.emplace_back(std::string(list), std::move(keys)).second;
}

void Table::AddIndex(const std::string& name, const std::string& fieldList, IndexOptions options) {
    if (FindIndex(name) >= 0) throw Error(name_ + ": Duplicate index name " + name);
    auto idx = std::make_unique<Index>();
    idx->name = name;
    idx->fieldList = fieldList;
    idx->options = options;
    idx->keys = ParseFieldList(fieldList);
    indexes_.push_back(std::move(idx));
    RebuildIndex(IndexCount() - 1);
}

int Table::FindIndex(std::string_view name) const {
    for (size_t i = 0; i < indexes_.size(); ++i)
        if (SameFieldName(indexes_[i]->name, name)) return static_cast<int>(i);
    return -1;
}

void Table::SetIndexName(std::string_view name) {
    const int i = FindIndex(name);
    if (i < 0) throw Error(name_ + ": Index '" + std::string(name) + "' not found");
    CheckBrowseMode();
    if (!indexes_[i]->enabled) EnableIndex(i, true);
    if (i == currentIndex_) return;
    currentIndex_ = i;
    Refresh();
}

void Table::SetIndexFieldNames(std::string_view fieldList) {
    const std::vector<KeyField>& keys = KeysOf(fieldList);
    for (size_t i = 1; i < indexes_.size(); ++i)
        if (SameKeys(indexes_[i]->keys, keys)) {
            SetIndexName(indexes_[i]->name);
            return;
        }
    std::string name = "@" + std::string(fieldList);
    AddIndex(name, std::string(fieldList));
    SetIndexName(name);
}

void Table::EnableIndex(int i, bool enabled) {
    if (i <= 0 || i >= IndexCount()) return;
    Index& idx = *indexes_[i];
    if (enabled == idx.enabled) return;
    idx.enabled = enabled;
    if (enabled) {
        if (!idx.ordered) RebuildIndex(i);
        return;
    }
    idx.refs.clear();
    idx.refs.shrink_to_fit();
    idx.ordered = false;
    Changed();
    if (currentIndex_ == i) {
        currentIndex_ = 0;
        Refresh();
    }
}

void Table::RebuildIndex(int i) {
    Index& idx = *indexes_[i];
    if (idx.IsRecordOrder()) return;
    idx.refs = RecordOrder();
    idx.ordered = false;
    idx.Sort();
    Changed();
}

void Table::AssignIndex(int i, std::vector<Record*> refs) {
    Index& idx = *indexes_[i];
    idx.refs = std::move(refs);
    idx.ordered = false;
    idx.Sort();  // a stored order that is not in key order is repaired, never trusted
    Changed();
}

void Table::CheckUnique(int i) const {
    const Index& idx = *indexes_[i];
    if (!idx.options.unique || idx.IsRecordOrder()) return;
    for (size_t k = 1; k < idx.refs.size(); ++k)
        if (idx.Compare(*idx.refs[k - 1], *idx.refs[k]) == 0)
            throw Error(name_ + ": Key violation in unique index " + idx.name);
}

void Table::ReserveRecords(size_t n) {
    owned_.reserve(n);
    indexes_[0]->refs.reserve(n);
}

void Table::AppendUnindexed(std::unique_ptr<Record> r) {
    if (r->id >= nextId_) nextId_ = r->id + 1;
    indexes_[0]->refs.push_back(r.get());
    owned_.push_back(std::move(r));
    Changed();
}

// ---------------------------------------------------------------- searching

bool Table::FindKey(const std::vector<Value>& key) {
    RequireActive();
    CheckBrowseMode();
    const Index& idx = CurrentIndex();
    if (idx.IsRecordOrder()) throw Error(name_ + ": No index currently active");
    const auto& v = idx.refs;
    const bool byNumber = key.size() == 1 && !idx.keys.front().text;
    for (size_t p = byNumber ? idx.StampedLowerBound(key.front().AsInt(), generation_) : idx.LowerBound(key);
         p < v.size() && idx.CompareKey(*v[p], key) == 0; ++p)
        if (Accepts(*v[p])) {
            Land(static_cast<long>(p));
            return true;
        }
    return false;
}

void Table::FindNearest(const std::vector<Value>& key) {
    RequireActive();
    CheckBrowseMode();
    const Index& idx = CurrentIndex();
    if (idx.IsRecordOrder()) throw Error(name_ + ": No index currently active");
    const long p = Scan(static_cast<long>(idx.LowerBound(key)), 1);
    if (p < 0) {
        Last();
        return;
    }
    Land(p);
}

Record* Table::FirstMatch(const std::vector<KeyField>& keys, const std::vector<Value>& values,
                                            LocateOptions options) const {
    if (keys.size() != values.size()) throw Error(name_ + ": Locate needs one value for each field");

    // The values converted once, without copying the strings they hold: a
    // locate runs for nearly every word of a translation.
    SlotArray<std::string_view, 4> texts;
    SlotArray<int32_t, 4> numbers;
    SlotArray<int32_t, 4> keyNumbers;  // as the index compares them
    texts.resize(keys.size());
    numbers.resize(keys.size());
    keyNumbers.resize(keys.size());
    std::vector<std::string> converted;  // reserved whole: texts keep views into it
    converted.reserve(static_cast<size_t>(std::count_if(values.begin(), values.end(), [&](const Value& v) {
        return keys[static_cast<size_t>(&v - values.data())].text && !v.StringIf();
    })));
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].text) {
            const std::string* s = values[i].StringIf();
            texts[i] = s ? std::string_view(*s) : std::string_view(converted.emplace_back(values[i].AsString()));
        } else {
            const bool boolean = fields_[keys[i].field].type == FieldType::Boolean;
            numbers[i] = boolean ? values[i].AsBool() : values[i].AsInt();
            keyNumbers[i] = boolean && values[i].IsString() ? numbers[i] : values[i].AsInt();
        }
    }
    auto matches = [&](const Record& r) {
        for (size_t i = 0; i < keys.size(); ++i) {
            const KeyField& k = keys[i];
            if (!k.text) {
                if (r.ints[k.slot] != numbers[i]) return false;
                continue;
            }
            const std::string& s = r.strings[k.slot];
            const bool prefix = options.partialKey && i + 1 == keys.size();
            if (options.caseInsensitive) {
                if (!(prefix ? NoCaseStartsWith(s, texts[i]) : NoCaseEqual(s, texts[i]))) return false;
            } else if (!(prefix ? s.starts_with(texts[i]) : s == texts[i])) {
                return false;
            }
        }
        return Accepts(r);
    };

    // The index that serves the longest run of leading locate fields; the
    // current index wins a tie, so its order needs no re-ranking.
    int best = -1;
    size_t bestRun = 0;
    for (int n = 0; n < IndexCount(); ++n) {
        const int i = n == 0 ? currentIndex_ : (n == currentIndex_ ? 0 : n);
        const Index& idx = *indexes_[i];
        if (idx.IsRecordOrder() || !idx.enabled || !idx.ordered) continue;
        size_t run = 0;
        while (run < keys.size() && run < idx.keys.size() && idx.keys[run].field == keys[run].field) {
            const KeyField& k = idx.keys[run];
            const bool prefix = options.partialKey && run + 1 == keys.size();
            if (k.text) {
                if (options.caseInsensitive && k.collation != Collation::DictionaryNoCase) break;
                // Prefixes stay together only in the character-by-character collations.
                if (prefix && k.collation == Collation::Locale) break;
            }
            ++run;
        }
        if (run > bestRun) {
            best = i;
            bestRun = run;
        }
    }

    if (best < 0) {
        for (Record* r : View())
            if (matches(*r)) return r;
        return nullptr;
    }
    const Index& idx = *indexes_[best];
    const bool partialInRun = options.partialKey && bestRun == keys.size() && keys.back().text;
    const size_t lead = bestRun - (partialInRun ? 1 : 0);
    // The index's order on its first n key fields against the converted values.
    auto compareLeading = [&](const Record& r, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            const KeyField& k = idx.keys[i];
            const int c = k.text ? CompareStrings(r.strings[k.slot], texts[i], k.collation)
                                 : (r.ints[k.slot] < keyNumbers[i] ? -1 : (r.ints[k.slot] > keyNumbers[i] ? 1 : 0));
            if (c != 0) return c;
        }
        return 0;
    };
    auto inRange = [&](const Record& r) {
        if (compareLeading(r, lead) != 0) return false;
        if (!partialInRun) return true;
        // The range follows the index's collation; matches() then applies the search's own case rule.
        const std::string& s = r.strings[keys.back().slot];
        return idx.keys[bestRun - 1].collation == Collation::DictionaryNoCase ? NoCaseStartsWith(s, texts[bestRun - 1])
                                                                              : s.starts_with(texts[bestRun - 1]);
    };
    // Among the matches the one that comes first in the current index.
    Record* first = nullptr;
    long firstPos = -1;
    const size_t from =
        bestRun == 1 && !idx.keys.front().text
            ? idx.StampedLowerBound(keyNumbers[0], generation_)
            : static_cast<size_t>(std::partition_point(idx.refs.begin(), idx.refs.end(),
                                                       [&](const Record* r) { return compareLeading(*r, bestRun) < 0; }) -
                                  idx.refs.begin());
    for (size_t p = from; p < idx.refs.size() && inRange(*idx.refs[p]); ++p) {
        Record* r = idx.refs[p];
        if (!matches(*r)) continue;
        if (best == currentIndex_) return r;
        const long pos = CurrentIndex().StampedPosition(r, generation_);
        if (pos >= 0 && (firstPos < 0 || pos < firstPos)) {
            first = r;
            firstPos = pos;
        }
    }
    return first;
}

bool Table::Locate(std::string_view fields, const std::vector<Value>& values, LocateOptions options) {
    RequireActive();
    CheckBrowseMode();
    Record* found = FirstMatch(KeysOf(fields), values, options);
    if (!found) return false;
    const long p = CurrentIndex().StampedPosition(found, generation_);
    if (p < 0) return false;
    Land(p);
    return true;
}

Value Table::Lookup(std::string_view keyFields, const std::vector<Value>& values, std::string_view resultField) const {
    RequireActive();
    const int result = FieldIndex(resultField);
    const Record* found = FirstMatch(KeysOf(keyFields), values, {});
    return found ? FieldValue(*found, result) : Value{};
}

Value Table::IndexLookup(std::string_view index, const std::vector<Value>& key, std::string_view resultField) const {
    RequireActive();
    const int i = FindIndex(index);
    if (i < 0) throw Error(name_ + ": Index '" + std::string(index) + "' not found");
    const Index& idx = *indexes_[i];
    if (idx.IsRecordOrder() || !idx.enabled) throw Error(name_ + ": Index '" + idx.name + "' cannot be searched");
    const int result = FieldIndex(resultField);
    for (size_t p = idx.LowerBound(key); p < idx.refs.size() && idx.CompareKey(*idx.refs[p], key) == 0; ++p)
        if (Accepts(*idx.refs[p])) return FieldValue(*idx.refs[p], result);
    return {};
}

// ---------------------------------------------------------------- filtering

void Table::SetFilterText(std::string_view expression) {
    if (expression.empty()) filterExpr_.reset();
    else filterExpr_ = FilterExpression(expression, fields_);  // parsed first: a bad one keeps the old filter
    filterText_ = std::string(expression);
    Changed();
    if (filtered_) First();
}

void Table::SetFiltered(bool on) {
    CheckBrowseMode();
    filtered_ = on;
    Changed();
    Refresh();
}

void Table::SetFilterCallback(std::function<bool(const Table&, const Record&)> accept) {
    filterCallback_ = std::move(accept);
    Changed();
    if (filtered_) First();
}

bool Table::Accepts(const Record& r) const {
    if (!filtered_) return true;
    if (filterExpr_ && !filterExpr_->Matches(r)) return false;
    return !filterCallback_ || filterCallback_(*this, r);
}

void Table::Recalculate(Record& r) {
    if (onCalcFields) onCalcFields(*this, r);
    Changed();
}

// ---------------------------------------------------------------- files

void Table::LoadFromFile(const std::string& path, TableFormat& format) {
    // Whatever the table held before is replaced, and a failed load leaves
    // the table empty and closed rather than half filled.
    EmptyTable();
    active_ = true;
    try {
        format.BeforeLoad(*this, path);
        format.LoadData(*this);
        format.AfterLoad(*this);
    } catch (...) {
        EmptyTable();
        active_ = false;
        throw;
    }
    modified_ = false;
    First();
}

void Table::SaveToFile(const std::string& path, TableFormat& format) {
    RequireActive();
    if (state_ != State::Browse) Post();
    format.BeforeSave(*this, path);
    format.SaveData(*this);
    format.AfterSave(*this);
}

}  // namespace kunimor
