#include "store/KunimorStreamFormat.h"

#include "ground/Error.h"

#include <cstring>

namespace kunimor {

namespace {

int NumberWidth(const FieldDef& f) {
    if (f.fileWidth > 0) return f.fileWidth;
    return f.type == FieldType::Smallint ? 2 : 4;
}

// Largest value a field of this width holds; the all-ones pattern means -1.
int64_t MaxStored(int width) { return width >= 4 ? INT32_MAX : (int64_t{1} << (8 * width)) - 2; }

constexpr size_t kMaxTextLength = 0xFFFE;  // 0xFFFF would read back as -1
constexpr size_t kMaxDeltaTextLength = 0xFF;

int IndexEntryWidth(size_t n) {
    if (n < 256) return 1;
    if (n <= 0xFFFF) return 2;
    if (n <= 0xFFFFFF) return 3;
    return 4;
}

bool IsDeltaCapable(FieldType t) { return t == FieldType::String || t == FieldType::Integer; }

}  // namespace

KunimorStreamFormat::Layout KunimorStreamFormat::MakeLayout(const Table& t) const {
    Layout l;
    const auto& fields = t.Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].kind == FieldKind::Data && (fields[i].visible || includeInvisibleFields))
            l.fields.push_back(static_cast<int>(i));
    l.activeIndex = t.CurrentIndexPosition();
    const Index& active = t.CurrentIndex();
    if (!active.IsRecordOrder() && IsDeltaCapable(fields[active.keys[0].field].type))
        l.deltaField = active.keys[0].field;
    return l;
}

const std::vector<Record*>& KunimorStreamFormat::WriteOrder(const Table& t) const {
    return t.IndexAt(layout_.activeIndex).refs;
}

[[noreturn]] void KunimorStreamFormat::Damaged(const std::string& what) const {
    throw Error(path_ + ": " + what + " at offset " + std::to_string(reader_ ? reader_->Position() : 0));
}

// ---------------------------------------------------------------- saving

void KunimorStreamFormat::CheckStorable(const Table& t) const {
    const Layout l = MakeLayout(t);
    const auto& order = t.IndexAt(l.activeIndex).refs;
    int64_t prev = 0;
    for (size_t n = 0; n < order.size(); ++n) {
        const Record& r = *order[n];
        for (int field : l.fields) {
            const FieldDef& f = t.Fields()[field];
            auto fail = [&](const std::string& what) {
                throw Error(t.Name() + ": record " + std::to_string(n + 1) + ", field " + f.name + ": " + what);
            };
            if (f.IsText()) {
                const size_t len = r.strings[f.slot].size();
                const size_t max = field == l.deltaField ? kMaxDeltaTextLength : kMaxTextLength;
                if (len > max)
                    fail("text of " + std::to_string(len) + " characters is longer than a dictionary file holds (" +
                         std::to_string(max) + ")");
                continue;
            }
            if (f.type == FieldType::Boolean) continue;
            const int64_t v = r.ints[f.slot];
            const int width = NumberWidth(f);
            if (field == l.deltaField) {
                if (v < prev) fail("value " + std::to_string(v) + " would need a negative step");
                if (v - prev > MaxStored(width == 3 ? 3 : 4)) fail("step to " + std::to_string(v) + " is too large");
                prev = v;
            } else if (f.type == FieldType::Integer && width < 4 && (v < -1 || v > MaxStored(width))) {
                fail("value " + std::to_string(v) + " does not fit in " + std::to_string(width) + " bytes");
            } else if (f.type == FieldType::Smallint && width == 1 && (v < -1 || v > 0xFF)) {
                fail("value " + std::to_string(v) + " does not fit in one byte");
            }
        }
    }
}

void KunimorStreamFormat::BeforeSave(Table& t, const std::string& path) {
    CheckStorable(t);  // before the file is touched: a refused save leaves the old file intact
    layout_ = MakeLayout(t);
    path_ = path;
    writer_ = std::make_unique<ScrambledWriter>(path);
    writer_->WriteRaw(kMagic, sizeof kMagic);
}

void KunimorStreamFormat::WriteField(const Table& t, const Record& r, int field, int64_t& prevNumber,
                                     std::string& prevText) {
    const FieldDef& f = t.Fields()[field];
    ScrambledWriter& w = *writer_;
    if (field == layout_.deltaField) {
        if (f.type == FieldType::Integer) {
            const int64_t d = r.ints[f.slot] - prevNumber;
            prevNumber = r.ints[f.slot];
            if (d < 255) {
                w.WriteNumber(static_cast<uint32_t>(d), 1);
            } else {
                w.WriteNumber(0xFF, 1);
                w.WriteNumber(static_cast<uint32_t>(d), NumberWidth(f) == 3 ? 3 : 4);
            }
        } else {
            const std::string& s = r.strings[f.slot];
            size_t p = 0;
            while (p < s.size() && p < prevText.size() && s[p] == prevText[p]) ++p;
            w.WriteNumber(static_cast<uint32_t>(s.size()), 1);
            w.WriteNumber(static_cast<uint32_t>(s.size() - p), 1);
            w.WriteItem(s.data() + p, s.size() - p);
            prevText = s;
        }
        return;
    }
    switch (f.type) {
    case FieldType::Boolean:
        w.WriteNumber(r.ints[f.slot] ? 1 : 0, 1);
        break;
    case FieldType::Smallint:
    case FieldType::Integer:
        w.WriteNumber(static_cast<uint32_t>(r.ints[f.slot]), NumberWidth(f));
        break;
    case FieldType::String:
    case FieldType::Memo: {
        const std::string& s = r.strings[f.slot];
        w.WriteNumber(static_cast<uint32_t>(s.size()), 2);
        w.WriteItem(s.data(), s.size());
        break;
    }
    }
}

void KunimorStreamFormat::SaveData(Table& t) {
    const auto& order = WriteOrder(t);
    writer_->WriteNumber(kLabelData, 1);
    writer_->WriteNumber(static_cast<uint32_t>(order.size()), 4);
    int64_t prevNumber = 0;
    std::string prevText;
    for (size_t n = 0; n < order.size(); ++n) {
        if (n % 100 == 0 && t.onProgress) t.onProgress(static_cast<int>(n * 100 / order.size()));
        Record& r = *order[n];
        r.scratch = static_cast<int32_t>(n);
        writer_->WriteNumber(kLabelRecord, 1);
        for (int field : layout_.fields) WriteField(t, r, field, prevNumber, prevText);
    }
}

void KunimorStreamFormat::AfterSave(Table& t) {
    for (int i = 1; i < t.IndexCount(); ++i) {
        const Index& idx = t.IndexAt(i);
        if (i == layout_.activeIndex || !idx.enabled) continue;
        const size_t n = idx.refs.size();
        const int width = IndexEntryWidth(n);
        writer_->WriteNumber(kLabelIndex, 1);
        writer_->WriteNumber(static_cast<uint32_t>(n), 4);
        writer_->WriteNumber(static_cast<uint32_t>(width), 1);
        for (const Record* r : idx.refs) writer_->WriteNumber(static_cast<uint32_t>(r->scratch), width);
        writer_->WriteNumber(0xFFFFFFFF, width);
    }
    writer_->WriteNumber(kLabelEnd, 1);
    auto w = std::move(writer_);
    w->Finish();
}

// ---------------------------------------------------------------- loading

void KunimorStreamFormat::BeforeLoad(Table& t, const std::string& path) {
    layout_ = MakeLayout(t);
    path_ = path;
    reader_ = std::make_unique<ScrambledReader>(path);
    char magic[4] = {};
    if (reader_->Left() < sizeof magic) throw Error("Invalid file version label");
    reader_->ReadRaw(magic, sizeof magic);
    if (std::memcmp(magic, kMagic, sizeof magic) != 0) throw Error("Invalid file version label");
}

void KunimorStreamFormat::ReadField(const Table& t, Record& r, int field, int64_t& prevNumber,
                                    std::string& prevText) {
    const FieldDef& f = t.Fields()[field];
    ScrambledReader& in = *reader_;
    auto badValue = [&](const std::string& what) { Damaged("field " + f.name + ": " + what); };
    r.nulls &= ~(uint64_t{1} << field);
    if (field == layout_.deltaField) {
        if (f.type == FieldType::Integer) {
            int64_t d = in.ReadNumber(1);
            if (d == -1) {
                d = in.ReadNumber(NumberWidth(f) == 3 ? 3 : 4);
                if (d < 0) badValue("invalid key step");
            }
            const int64_t v = prevNumber + d;
            if (v > INT32_MAX) badValue("key out of range");
            r.ints[f.slot] = static_cast<int32_t>(v);
            prevNumber = v;
        } else {
            const int64_t total = in.ReadNumber(1), tail = in.ReadNumber(1);
            if (total < 0 || tail < 0 || tail > total || total - tail > static_cast<int64_t>(prevText.size()) ||
                (f.size > 0 && total > f.size))
                badValue("invalid text lengths");
            std::string s = prevText.substr(0, static_cast<size_t>(total - tail));
            s.resize(static_cast<size_t>(total));
            in.ReadItem(s.data() + (total - tail), static_cast<size_t>(tail));
            prevText = s;
            r.strings[f.slot] = std::move(s);
        }
        return;
    }
    switch (f.type) {
    case FieldType::Boolean: {
        const int64_t b = in.ReadNumber(1);
        if (b != 0 && b != 1) badValue("invalid boolean");
        r.ints[f.slot] = static_cast<int32_t>(b);
        break;
    }
    case FieldType::Smallint: {
        const int width = NumberWidth(f);
        const int64_t v = in.ReadNumber(width);
        // Two bytes read back as a signed 16-bit value, so a word Tag with a
        // theme of 128 or more survives.
        r.ints[f.slot] = width == 2 ? static_cast<int16_t>(static_cast<uint16_t>(v)) : static_cast<int32_t>(v);
        break;
    }
    case FieldType::Integer:
        r.ints[f.slot] = static_cast<int32_t>(in.ReadNumber(NumberWidth(f)));
        break;
    case FieldType::String:
    case FieldType::Memo: {
        const int64_t len = in.ReadNumber(2);
        if (len < 0 || static_cast<size_t>(len) > in.Left() ||
            (f.type == FieldType::String && f.size > 0 && len > f.size))
            badValue("invalid text length " + std::to_string(len));
        std::string& s = r.strings[f.slot];
        s.resize(static_cast<size_t>(len));
        in.ReadItem(s.data(), s.size());
        break;
    }
    }
}

void KunimorStreamFormat::LoadData(Table& t) {
    ScrambledReader& in = *reader_;
    if (in.ReadNumber(1) != kLabelData) throw Error("Invalid stream label");
    const int64_t count = in.ReadNumber(4);
    if (count < 0) Damaged("invalid record count");
    // Every record takes at least its label byte: never reserve more than the file can hold.
    t.ReserveRecords(std::min<size_t>(static_cast<size_t>(count), in.Left()));
    int64_t prevNumber = 0;
    std::string prevText;
    recordsRead_ = 0;
    while (in.PeekByte() == kLabelRecord) {
        in.ReadNumber(1);
        if (recordsRead_ % 100 == 0 && t.onProgress)
            t.onProgress(static_cast<int>(in.Position() * 100 / in.Size()));
        auto r = t.NewRecord();
        for (int field : layout_.fields) ReadField(t, *r, field, prevNumber, prevText);
        t.AppendUnindexed(std::move(r));
        ++recordsRead_;
    }
    if (static_cast<int64_t>(recordsRead_) != count)
        Damaged("the file holds " + std::to_string(recordsRead_) + " records instead of " + std::to_string(count));
}

void KunimorStreamFormat::ReadIndexBlock(Table& t, int index) {
    ScrambledReader& in = *reader_;
    in.ReadNumber(1);
    const auto& records = t.RecordOrder();
    const int64_t n = in.ReadNumber(4);
    if (n != static_cast<int64_t>(records.size())) Damaged("index block of " + std::to_string(n) + " entries");
    const int64_t width = in.ReadNumber(1);
    if (width != IndexEntryWidth(static_cast<size_t>(n))) Damaged("invalid index entry width");
    if (static_cast<uint64_t>(n + 1) * static_cast<uint64_t>(width) > in.Left()) Damaged("truncated index block");
    std::vector<Record*> refs;
    refs.reserve(static_cast<size_t>(n));
    std::vector<bool> seen(records.size());
    for (int64_t k = 0; k < n; ++k) {
        const int64_t p = in.ReadNumber(static_cast<size_t>(width));
        if (p < 0 || p >= n || seen[static_cast<size_t>(p)]) Damaged("invalid index entry");
        seen[static_cast<size_t>(p)] = true;
        refs.push_back(records[static_cast<size_t>(p)]);
    }
    if (in.ReadNumber(static_cast<size_t>(width)) != -1) Damaged("missing index terminator");
    t.AssignIndex(index, std::move(refs));
}

void KunimorStreamFormat::AfterLoad(Table& t) {
    ScrambledReader& in = *reader_;
    if (layout_.activeIndex > 0) t.AssignIndex(layout_.activeIndex, t.RecordOrder());
    for (int i = 1; i < t.IndexCount(); ++i) {
        if (i == layout_.activeIndex || !t.IndexAt(i).enabled) continue;
        if (in.PeekByte() == kLabelIndex) ReadIndexBlock(t, i);
        else t.RebuildIndex(i);
    }
    for (int i = 1; i < t.IndexCount(); ++i) {
        try {
            t.CheckUnique(i);
        } catch (const Error& e) {
            Damaged(e.what());
        }
    }
    if (in.ReadNumber(1) != kLabelEnd) throw Error("Invalid stream label");
    if (in.Left() != 0) Damaged("unexpected data after the end label");
    if (t.onProgress) t.onProgress(100);
    reader_.reset();
}

}  // namespace kunimor
