#include "store/Index.h"

#include <algorithm>

namespace kunimor {

namespace {

int CompareInts(int32_t a, int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int Index::Compare(const Record& a, const Record& b) const {
    for (const KeyField& k : keys) {
        const int r = k.text ? CompareStrings(a.strings[k.slot], b.strings[k.slot], k.collation)
                             : CompareInts(a.ints[k.slot], b.ints[k.slot]);
        if (r != 0) return r;
    }
    return 0;
}

int Index::CompareKey(const Record& r, std::span<const Value> key) const {
    const size_t n = std::min(key.size(), keys.size());
    for (size_t i = 0; i < n; ++i) {
        const KeyField& k = keys[i];
        int c;
        if (!k.text) c = CompareInts(r.ints[k.slot], key[i].AsInt());
        else if (const std::string* s = key[i].StringIf()) c = CompareStrings(r.strings[k.slot], *s, k.collation);
        else c = CompareStrings(r.strings[k.slot], key[i].AsString(), k.collation);
        if (c != 0) return c;
    }
    return 0;
}

size_t Index::LowerBound(std::span<const Value> key) const {
    auto it = std::partition_point(refs.begin(), refs.end(),
                                   [&](const Record* r) { return CompareKey(*r, key) < 0; });
    return static_cast<size_t>(it - refs.begin());
}

size_t Index::UpperBound(std::span<const Value> key) const {
    auto it = std::partition_point(refs.begin(), refs.end(),
                                   [&](const Record* r) { return CompareKey(*r, key) <= 0; });
    return static_cast<size_t>(it - refs.begin());
}

void Index::Insert(Record* r) {
    if (IsRecordOrder()) {
        refs.push_back(r);
        return;
    }
    auto it = std::partition_point(refs.begin(), refs.end(),
                                   [&](const Record* x) { return Compare(*x, *r) <= 0; });
    refs.insert(it, r);
}

long Index::Position(const Record* r) const {
    if (!IsRecordOrder() && ordered) {
        auto first = std::partition_point(refs.begin(), refs.end(),
                                          [&](const Record* x) { return Compare(*x, *r) < 0; });
        for (auto it = first; it != refs.end() && Compare(**it, *r) == 0; ++it)
            if (*it == r) return static_cast<long>(it - refs.begin());
        return -1;
    }
    auto it = std::find(refs.begin(), refs.end(), r);
    return it == refs.end() ? -1 : static_cast<long>(it - refs.begin());
}

long Index::StampedPosition(const Record* r, uint64_t stamp) const {
    if (positionsStamp_ != stamp) {
        uint32_t maxId = 0;
        for (const Record* x : refs) maxId = std::max(maxId, x->id);
        // Ids far beyond the record count would make a sparse table: search instead.
        if (maxId > 4 * refs.size() + 1024) return Position(r);
        positions_.assign(maxId + 1, -1);
        for (size_t p = 0; p < refs.size(); ++p) positions_[refs[p]->id] = static_cast<int32_t>(p);
        positionsStamp_ = stamp;
    }
    if (r->id >= positions_.size()) return -1;
    const int32_t p = positions_[r->id];
    return p >= 0 && refs[static_cast<size_t>(p)] == r ? p : -1;
}

size_t Index::StampedLowerBound(int32_t key, uint64_t stamp) const {
    const int slot = keys.front().slot;
    auto search = [&] {
        return static_cast<size_t>(
            std::partition_point(refs.begin(), refs.end(), [&](const Record* r) { return r->ints[slot] < key; }) -
            refs.begin());
    };
    if (numberStamp_ != stamp) {
        numberStarts_.clear();
        if (!ordered || refs.empty()) return search();
        const int64_t first = refs.front()->ints[slot], last = refs.back()->ints[slot];
        // Numbers spread far wider than the records would make a sparse table: search instead.
        if (last - first > static_cast<int64_t>(4 * refs.size() + 1024)) return search();
        numberBase_ = static_cast<int32_t>(first);
        numberStarts_.resize(static_cast<size_t>(last - first + 1));
        size_t p = 0;
        for (int64_t v = first; v <= last; ++v) {
            while (refs[p]->ints[slot] < v) ++p;
            numberStarts_[static_cast<size_t>(v - first)] = static_cast<uint32_t>(p);
        }
        numberStamp_ = stamp;
    }
    if (key < numberBase_) return 0;
    const auto offset = static_cast<size_t>(int64_t{key} - numberBase_);
    return offset < numberStarts_.size() ? numberStarts_[offset] : refs.size();
}

void Index::Remove(const Record* r) {
    const long pos = Position(r);
    if (pos >= 0) refs.erase(refs.begin() + pos);
}

bool Index::IsSorted() const {
    for (size_t i = 1; i < refs.size(); ++i)
        if (Compare(*refs[i - 1], *refs[i]) > 0) return false;
    return true;
}

void Index::Sort() {
    if (IsRecordOrder()) return;
    if (!IsSorted())
        std::stable_sort(refs.begin(), refs.end(),
                         [&](const Record* a, const Record* b) { return Compare(*a, *b) < 0; });
    ordered = true;
}

}  // namespace kunimor
