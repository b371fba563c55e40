#include "editing/BelEditModule.h"

#include "dictionary/DirectionSwitch.h"
#include "dictionary/StemSeeker.h"
#include "ground/Direction.h"
#include "dictionary/TagCodes.h"
#include "dictionary/TranslationLinks.h"
#include "ground/Cp1251Literal.h"
#include "ground/Error.h"
#include "ground/FormatText.h"
#include "ground/LanguageCode.h"
#include "ground/LetterCase.h"
#include "ground/PathText.h"
#include "morphology/ExtraStems.h"
#include "morphology/KindNames.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "store/FileSetCommit.h"
#include "store/KunimorStreamFormat.h"

#include <algorithm>
#include <climits>

namespace kunimor {

namespace {

constexpr int kStemFieldSize = 30;
constexpr int32_t kLastParadigmNo = 32767;
constexpr int32_t kLastWordNo = kFirstCollocNo - 1;
constexpr int32_t kLastCollocNo = kFirstNewAbbrNo - 1;

constexpr std::string_view kStemTooLongText =
    "Слово \"%s\" превысило\rдопустимую длину основы %d символов.\rОно не может быть сохранено в словаре!"_cp1251;
constexpr std::string_view kOtherGenderText =
    "В словаре обнаружен эталон, который изменяется также,\rкак введенное Вами слово, но имеющий другой род.\r"
    "Род эталонного существительного \"%s\": %s\rРод введенного существительного \"%s\": %s\r\r"
    "Хотите ли Вы изменить род этого эталона?\r(При этом автоматически изменится род\r"
    "всех существительных с этим эталоном)"_cp1251;
constexpr std::string_view kGenderKeptText =
    "Введенному слову присвоен род эталона (\"%s\").\rВы можете исправить его на \"%s\", открыв\r"
    "эту словарную статью в словаре программы"_cp1251;
constexpr std::string_view kAbbrTooLongText =
    "Сокращение \"%s\" превысило\rдопустимую длину %d символов.\rОно не может быть сохранено в словаре!"_cp1251;
constexpr std::string_view kAbbrExistsText =
    "Сокращение \"%s\" уже есть в базе.\rНельзя ввести другой перевод для того же сокращения!"_cp1251;
constexpr std::string_view kTitleTooLongText =
    "Заголовок толкования \"%s\" превысил\rдопустимую длину %d символов.\rОн не может быть сохранен в словаре!"_cp1251;
constexpr std::string_view kTitleExistsText =
    "Толкование для \"%s\" уже есть в базе.\rНельзя ввести другое толкование для той же статьи!"_cp1251;
constexpr std::string_view kNumbersRunOutText =
    "В таблице %s нет больше свободных номеров (наибольший %d).\rЗапись не может быть добавлена!"_cp1251;
constexpr std::string_view kNumberOutOfRangeText =
    "Номер %d не подходит для таблицы %s (допустимо от %d до %d).\rЗапись не может быть сохранена!"_cp1251;
constexpr std::string_view kSaveFailedText =
    "Не удалось сохранить на диск словарь:\r%s\rПроверьте, все ли в порядке с диском компьютера.\r"
    "Если словарь не будет сохранен, все внесенные\rВами исправления будут утеряны!"_cp1251;
constexpr std::string_view kReadOnlyText =
    "Словарь загружен не полностью, поэтому до конца работы программы он открыт только для чтения:\r"
    "внесенные исправления не будут сохранены."_cp1251;
constexpr std::string_view kDeletedCollocText = "Deleted colloc (%s) #%d due to deleting #%d.";

std::string Num(int64_t n) { return std::to_string(n); }

constexpr int16_t kProperNameAndAbbreviationBits = 0x18;
constexpr int kCrossMask = 0xF0;  // participle slot and negation of a link Tag

bool InFirstHalf(int formNo, int kind) { return formNo <= FormCount(kind) / 2; }

// A filter on a table for the length of a scope.
class ScopedFilter {
public:
    ScopedFilter(Table& t, const std::string& expression) : t_(t) {
        t_.SetFilterText(expression);
        t_.SetFiltered(true);
    }
    ~ScopedFilter() { t_.SetFiltered(false); }
    ScopedFilter(const ScopedFilter&) = delete;
    ScopedFilter& operator=(const ScopedFilter&) = delete;

private:
    Table& t_;
};


}  // namespace

TBelEditModule::TBelEditModule(TEditPrompter& prompter) : prompter_(prompter) { InstallHooks(); }

void TBelEditModule::InstallHooks() {
    for (int lang : {0, 1}) {
        EtalonTable(lang).beforePost = [](Table& t) { t.Set(EtalonField::Modif, Value(true)); };
        CollocTable(lang).beforePost = [](Table& t) { t.Set(CollocField::Modif, Value(true)); };
        WordsTable(lang).beforePost = [this, lang](Table& t) {
            t.Set(WordsField::Lemma, Value(ComputeLemma(lang, t)));
            if (!SuppressModif) t.Set(WordsField::Modif, Value(true));
        };
        WordsTable(lang).beforeDelete = [this, lang](Table& t) {
            Table& stems = StemTable(lang);
            const int32_t no = t.GetInt(WordsField::No);
            while (stems.Locate("WordNo", {Value(no)})) stems.Delete();
        };
    }
}

bool TBelEditModule::OpenDictionary(const std::string& dataDir) {
    try {
        readOnly_ = !TBelModule::OpenDictionary(dataDir);
    } catch (...) {
        readOnly_ = true;
        throw;
    }
    return !readOnly_;
}

// ---------------------------------------------------------------- numbering

bool TBelEditModule::LocateNo(Table& t, int32_t no) { return t.Locate("No", {Value(no)}); }

int32_t TBelEditModule::NewNumber(Table& t, int32_t first, int32_t limit, const std::string& what) {
    t.SetIndexName("NoInd");
    t.Last();
    const int64_t next = t.HasRecord() ? int64_t{t.GetInt(0)} + 1 : first;
    if (next > limit) throw Error(FormatText(kNumbersRunOutText, {what, Num(limit)}));
    return static_cast<int32_t>(next);
}

namespace {

void RequireNumberIn(int64_t no, int64_t first, int64_t last, const std::string& table) {
    if (no < first || no > last)
        throw Error(FormatText(kNumberOutOfRangeText, {Num(no), table, Num(first), Num(last)}));
}

}  // namespace

// ---------------------------------------------------------------- paradigms

int16_t TBelEditModule::FindOrAddParadigm(int lang, const std::string& stem, int number, int gender,
                                          std::string forms, int kind) {
    forms = TrimForms(forms);
    Table& e = EtalonTable(lang);
    if (number >= 0) RequireNumberIn(number, 0, kLastParadigmNo, e.Name());
    e.SetIndexName("KindInd");
    const bool found = e.Locate("Kind;Forms", {Value(int32_t{kind}), Value(forms)});
    if (found) {
        const int16_t no = static_cast<int16_t>(e.GetInt(EtalonField::No));
        const int matchGender = e.GetInt(EtalonField::RodChislo);
        if (kind == kNoun) {
            const FormHalves halves = HalfForms(kind, forms);
            if (!halves.inFirst) gender = kRodPlural;
            if (!halves.inSecond) gender = matchGender;
            if (gender != matchGender) {
                const std::string sample = e.GetString(EtalonField::Osnova);
                const std::string question = FormatText(
                    kOtherGenderText, {sample, GenderName(lang, matchGender), stem, GenderName(lang, gender)});
                if (prompter_.AskYesNo("Warning", question)) {
                    LocateNo(e, no);
                    e.Edit();
                    e.Set(EtalonField::RodChislo, Value(int32_t{gender}));
                    e.Post();
                } else {
                    prompter_.Inform("Information", FormatText(kGenderKeptText, {GenderName(lang, matchGender),
                                                                                 GenderName(lang, gender)}));
                }
            }
        }
        e.SetIndexName("NoInd");
        return no;
    }
    const int32_t no = number >= 0 ? number : NewNumber(e, 1, kLastParadigmNo, e.Name());
    e.SetIndexName("NoInd");
    e.Insert();
    e.Set(EtalonField::No, Value(no));
    e.Set(EtalonField::Osnova, Value(stem.substr(0, kStemFieldSize)));
    e.Set(EtalonField::Kind, Value(int32_t{kind}));
    e.Set(EtalonField::Forms, Value(forms));
    e.Set(EtalonField::RodChislo, Value(int32_t{gender}));
    e.Post();
    return static_cast<int16_t>(no);
}

// ---------------------------------------------------------------- words

void TBelEditModule::CheckStemLength(const std::string& stem) const {
    if (static_cast<int>(stem.size()) > kStemFieldSize)
        DictionaryError(FormatText(kStemTooLongText, {stem, Num(kStemFieldSize)}));
}

std::string TBelEditModule::ComputeLemma(int lang, const Table& words) {
    const int32_t etalonNo = words.GetInt(WordsField::EtalonNo);
    const std::string& stem = words.GetString(WordsField::Osnova);
    if (etalonNo < 0) return stem;
    Table& e = EtalonTable(lang);
    if (!LocateNo(e, etalonNo)) return {};
    bool alt = false;
    int formNo = 1;
    std::string lemma = BuildFirstForm(lang, stem, e.GetString(EtalonField::Forms), kMaxFormNo, alt, formNo);
    // Shown in the browser only: a long form is cut to the field.
    return lemma.substr(0, kStemFieldSize);
}

void TBelEditModule::WriteStems(int lang, int32_t wordNo, const std::string& stem, const std::string& forms) {
    Table& stems = StemTable(lang);
    for (const std::string& s : ExtraStems(lang, stem, forms)) {
        stems.Insert();
        stems.Set(StemField::Stem, Value(s));
        stems.Set(StemField::WordNo, Value(wordNo));
        stems.Post();
    }
}

int32_t TBelEditModule::AddWord(int lang, const std::string& stem, int32_t number, int16_t tag, int16_t etalonNo) {
    CheckStemLength(stem);
    Table& words = WordsTable(lang);
    if (number >= 0) RequireNumberIn(number, 1, kLastWordNo, words.Name());
    LoadEtalon(lang, etalonNo);
    const int kind = CurEtalon.Kind;
    const std::string forms = CurEtalon.Forms;
    const int newGender = kind == kNoun ? NounGender(CurEtalon.RodChislo, tag) : 0;
    const int newAnimacy = kind == kNoun ? Animacy(forms, CurEtalon.RodChislo == kRodMasculine, kNoun) : 0;
    const FirstFormSet keys = FirstForms(lang, kind, stem, forms);

    TDirectionSwitch direction(*this, lang);
    candidates_.clear();
    struct Cleared {
        std::vector<int32_t>& list;
        ~Cleared() { list.clear(); }
    } cleared{candidates_};
    const bool halved = kind == kNoun || IsVerb(kind);
    auto collect = [&](const std::string& key, bool firstHalf) {
        if (key.empty()) return;
        SeekWord(*this, key, [&](const TWordFormArgs& hit) {
            if (hit.Kind != kind || IsCollocNo(hit.No)) return;
            if (halved && InFirstHalf(hit.Form, kind) != firstHalf) return;
            if (std::find(candidates_.begin(), candidates_.end(), hit.No) == candidates_.end())
                candidates_.push_back(hit.No);
        });
    };
    collect(keys.first, true);
    collect(keys.firstAlt, true);
    collect(keys.second, !halved);
    collect(keys.secondAlt, !halved);

    int32_t result = -1;
    int32_t lastReplaced = -1;
    std::vector<int32_t> renumber;
    for (int32_t candidate : candidates_) {
        LoadWord(lang, candidate);
        const int16_t oldTag = CurWord.Tag;
        TReplaceQuestion q{lang, kind, CurWord.Osnova, CurEtalon.Forms, 0, stem, forms, newGender};
        if (kind == kNoun) q.OldGender = NounGender(CurEtalon.RodChislo, oldTag);
        TReplaceAnswer answer = kReplaceOld;
        if (CurWord.EtalonNo != etalonNo) {
            answer = prompter_.DecideReplacement(q);
        } else if (kind == kNoun) {
            const int oldAnimacy = Animacy(CurEtalon.Forms, CurEtalon.RodChislo == kRodMasculine, kNoun);
            auto personal = [](int g) { return g == kRodMasculine || g == kRodFeminine; };
            if (oldAnimacy != 1 && newAnimacy != 1 && (personal(q.OldGender) || personal(newGender)))
                answer = prompter_.DecideReplacement(q);
        }
        if (answer == kKeepOld) {
            result = candidate;
            break;
        }
        if (answer == kReplaceOld) {
            int16_t kept = oldTag;
            if (kind == kNoun) kept = static_cast<int16_t>(kept & ~kProperNameAndAbbreviationBits);
            tag = static_cast<int16_t>(tag | kept);
            if (LocateNo(words, candidate)) words.Delete();
            lastReplaced = candidate;
            renumber.push_back(candidate);
        }
    }
    if (result < 0) {
        result = lastReplaced >= 0 ? lastReplaced : number >= 0 ? number : NewNumber(words, 1, kLastWordNo, words.Name());
        words.Insert();
        words.Set(WordsField::No, Value(result));
        words.Set(WordsField::Osnova, Value(stem));
        words.Set(WordsField::EtalonNo, Value(int32_t{etalonNo}));
        words.Set(WordsField::Tag, Value(int32_t{tag}));
        words.Post();
        if (etalonNo >= 0) WriteStems(lang, result, stem, forms);
    }
    for (int32_t replaced : renumber) RenumberEntry(lang, replaced, result);
    return result;
}

int32_t TBelEditModule::SaveWord(int lang, int32_t number, int16_t tag, int16_t etalonNo, const std::string& stem) {
    // Everything AddWord would refuse is refused before the stored word goes.
    CheckStemLength(stem);
    LoadEtalon(lang, etalonNo);
    Table& words = WordsTable(lang);
    if (number >= 0) RequireNumberIn(number, 1, kLastWordNo, words.Name());
    if (number >= 0 && LocateNo(words, number)) {
        tag = static_cast<int16_t>(tag | words.GetInt(WordsField::Tag));
        DeleteWord(lang, number, false);
    }
    const int32_t result = AddWord(lang, stem, number, tag, etalonNo);
    RenumberEntry(lang, number, result);
    return result;
}

void TBelEditModule::DeleteWord(int lang, int32_t number, bool deleteLinks) {
    Table& words = WordsTable(lang);
    if (LocateNo(words, number)) words.Delete();
    if (!deleteLinks) return;
    DeleteLinksOf(lang, number);
    DeleteCollocationsOf(lang, number);
}

void TBelEditModule::EnsureLinkPairIndex() {
    Table& trans = tblTrans();
    if (trans.FindIndex("RusBelNoInd") < 0) {
        const int current = trans.CurrentIndexPosition();
        trans.AddIndex("RusBelNoInd", "RusNo;BelNo", IndexOptions{.unique = true});
        trans.SetIndexName(trans.IndexAt(current).name);
    }
}

void TBelEditModule::RenumberEntry(int lang, int32_t oldNo, int32_t newNo) {
    if (oldNo < 0 || oldNo == newNo) return;
    if (IsCollocNo(oldNo) != IsCollocNo(newNo) || newNo < 1)
        throw Error("Cannot renumber entry " + Num(oldNo) + " to " + Num(newNo) + ": another number space");
    EnsureLinkPairIndex();
    Table& trans = tblTrans();
    const int field = trans.FieldIndex(LinkFieldName(lang));
    {
        ScopedFilter filter(trans, std::string(LinkFieldName(lang)) + " = " + Num(oldNo));
        for (trans.First(); trans.HasRecord(); trans.First()) {
            trans.Edit();
            trans.Set(field, Value(newNo));
            try {
                trans.Post();
            } catch (const Error&) {
                trans.Cancel();  // the pair exists already: this link is redundant
                trans.Delete();
            }
        }
    }
    if (IsCollocNo(oldNo)) return;
    Table& collocs = CollocTable(lang);
    for (int n = 1; n <= kCollocSlots; ++n) {
        ScopedFilter filter(collocs, "No" + Num(n) + " = " + Num(oldNo));
        for (collocs.First(); collocs.HasRecord(); collocs.First()) {
            collocs.Edit();
            collocs.Set(CollocField::SlotNo(n), Value(newNo));
            collocs.Post();
        }
    }
}

// ---------------------------------------------------------------- links

void TBelEditModule::SetLink(int32_t sourceNo, int32_t targetNo, int16_t tag) {
    const int s = SourceLang, t = TargetLang;
    const int sourceKind = LoadEntry(s, sourceNo);
    const int targetKind = LoadEntry(t, targetNo);
    Table& trans = tblTrans();
    const int32_t rusNo = s == 0 ? sourceNo : targetNo;
    const int32_t belNo = s == 0 ? targetNo : sourceNo;
    if (trans.Locate("RusNo;BelNo", {Value(rusNo), Value(belNo)})) {
        SetLinkPriority(tag, s, LinkPriority(static_cast<int16_t>(trans.GetInt(TransField::Tag)), s));
        trans.Edit();
    } else {
        const int newCross = sourceKind == targetKind ? 0 : (tag & kCrossMask);
        DemoteSoleTranslation(s, sourceKind, sourceNo, static_cast<int16_t>(newCross));
        DemoteSoleTranslation(t, targetKind, targetNo, static_cast<int16_t>(newCross));
        trans.Insert();
        trans.Set(TransField::RusNo, Value(rusNo));
        trans.Set(TransField::BelNo, Value(belNo));
    }
    trans.Set(TransField::Tag, Value(int32_t{tag}));
    trans.Post();
}

void TBelEditModule::DemoteSoleTranslation(int lang, int kind, int32_t no, int16_t newTag) {
    int count = 0;
    int32_t sole = 0;
    for (const TransLink& link : LinksOf(tblTrans(), lang, no)) {
        bool same = true;
        if (lang == 1) {
            const bool participle = LoadEntry(1 - lang, link.target) != kind;
            const int cross = participle ? (link.tag & kCrossMask) : 0;
            same = cross == (newTag & kCrossMask);
        }
        if (same) {
            ++count;
            sole = link.target;
        }
    }
    Table& trans = tblTrans();
    if (count != 1 || !LocatePair(lang, no, sole)) return;
    int16_t stored = static_cast<int16_t>(trans.GetInt(TransField::Tag));
    if (LinkPriority(stored, 1 - lang) != 2) return;
    SetLinkPriority(stored, 1 - lang, 1);
    trans.Edit();
    trans.Set(TransField::Tag, Value(int32_t{stored}));
    trans.Post();
}

void TBelEditModule::DeleteLink(int32_t sourceNo, int32_t targetNo) {
    while (LocatePair(SourceLang, sourceNo, targetNo)) tblTrans().Delete();
}

bool TBelEditModule::LocatePair(int lang, int32_t no, int32_t otherNo) {
    const int32_t rusNo = lang == 1 ? otherNo : no;
    const int32_t belNo = lang == 1 ? no : otherNo;
    return tblTrans().Locate("RusNo;BelNo", {Value(rusNo), Value(belNo)});
}

void TBelEditModule::DeleteLinksOf(int lang, int32_t no) {
    for (const TransLink& link : LinksOf(tblTrans(), lang, no))
        while (LocatePair(lang, no, link.target)) tblTrans().Delete();
}

void TBelEditModule::SetEntryTag(int lang, int kind, bool propagateTheme, int16_t tag, int32_t no) {
    Table& own = EntryTable(lang, no);
    if (!LocateNo(own, no)) DictionaryError(own.Name() + ": dead link No " + Num(no));
    own.Edit();
    own.Set("Tag", Value(int32_t{tag}));
    own.Post();
    if (kind != kNoun && !propagateTheme) return;
    const WordTagFields source = DecodeWordTag(kind, tag);
    const int other = 1 - lang;
    for (const TransLink& link : LinksOf(tblTrans(), lang, no)) {
        const int32_t otherNo = link.target;
        Table& t = EntryTable(other, otherNo);
        if (!LocateNo(t, otherNo)) DictionaryError(t.Name() + ": dead link No " + Num(otherNo));
        const int16_t stored = static_cast<int16_t>(t.GetInt(t.FieldIndex("Tag")));
        const int otherKind = LoadEntry(other, otherNo);
        LocateNo(t, otherNo);
        // Only what both layouts share is copied, so a verb keeps its cases.
        int16_t updated = stored;
        if (kind == kNoun && otherKind == kNoun) {
            WordTagFields fields = DecodeWordTag(kNoun, stored);
            fields.b = source.b;
            fields.c = source.c;
            updated = EncodeWordTag(kNoun, fields);
        }
        if (propagateTheme) updated = static_cast<int16_t>((updated & 0xFF) | (source.theme << 8));
        if (updated == stored) continue;
        t.Edit();
        t.Set("Tag", Value(int32_t{updated}));
        t.Post();
    }
}

// ---------------------------------------------------------------- collocations

int32_t TBelEditModule::SaveCollocation(int lang, int32_t number, const TCollocRec& rec) {
    Table& collocs = CollocTable(lang);
    if (rec.Words[0].No < 1) throw Error(collocs.Name() + ": a collocation needs its first word");
    if (number >= 1) RequireNumberIn(number, kFirstCollocNo, kLastCollocNo, collocs.Name());
    // Members are checked first, so that no collocation points at a missing word.
    for (const TCollocWord& w : rec.Words)
        if (w.No >= 1 && !LocateNo(WordsTable(lang), w.No))
            DictionaryError("Dead link No " + Num(w.No) + " in dictionary " + WordsTable(lang).Name());
    std::string keyFields;
    std::vector<Value> key;
    key.reserve(2 * kCollocSlots);
    for (int k = 1; k <= kCollocSlots; ++k) {
        const TCollocWord& w = rec.Words[k - 1];
        keyFields += (k > 1 ? ";No" : "No") + Num(k) + ";Frm" + Num(k);
        const bool used = w.No >= 1;
        key.emplace_back(int32_t{used ? w.No : 0});
        key.emplace_back(int32_t{used ? w.Frm : 0});
    }
    int32_t duplicate = -1;
    do {
        duplicate = -1;
        if (collocs.Locate(keyFields, key)) {
            duplicate = collocs.GetInt(CollocField::No);
            collocs.Delete();
        }
    } while (duplicate >= 0 && duplicate == number);

    int32_t result;
    if (number >= 1) {
        result = number;
        if (LocateNo(collocs, number)) collocs.Edit();
        else collocs.Insert();
    } else {
        result = duplicate >= 1 ? duplicate : NewNumber(collocs, kFirstCollocNo, kLastCollocNo, collocs.Name());
        collocs.Insert();
    }
    using namespace CollocField;
    collocs.Set(No, Value(result));
    collocs.Set(Kind, Value(int32_t{rec.Kind}));
    collocs.Set(MainPar, Value(int32_t{rec.MainPar}));
    collocs.Set(Tag, Value(int32_t{rec.Tag}));
    for (int k = 1; k <= kCollocSlots; ++k) {
        const TCollocWord& w = rec.Words[k - 1];
        const bool used = w.No >= 1;
        collocs.Set(SlotNo(k), Value(int32_t{used ? w.No : 0}));
        collocs.Set(SlotFrm(k), Value(int32_t{used ? w.Frm : 0}));
        collocs.Set(SlotAlt(k), Value(used && w.Alt));
        collocs.Set(SlotDelim(k), Value(std::string(1, used && w.Delim != 0 ? w.Delim : ' ')));
    }
    collocs.Post();
    for (int32_t moved : {duplicate, number})
        if (moved >= 1 && moved != result) RenumberEntry(lang, moved, result);
    UpdateFirstWordFlag(lang, rec.Words[0].No, true);
    return result;
}

void TBelEditModule::DeleteCollocation(int lang, int32_t number, bool deleteLinks, int32_t firstWordNo) {
    Table& collocs = CollocTable(lang);
    if (LocateNo(collocs, number)) {
        firstWordNo = collocs.GetInt(CollocField::SlotNo(1));
        collocs.Delete();
    }
    if (firstWordNo > 0) UpdateFirstWordFlag(lang, firstWordNo, false);
    if (!deleteLinks) return;
    DeleteLinksOf(lang, number);
}

void TBelEditModule::DeleteCollocationsOf(int lang, int32_t wordNo) {
    std::vector<int32_t> listed;
    Table& collocs = CollocTable(lang);
    for (collocs.First(); !collocs.Eof() && collocs.HasRecord(); collocs.Next())
        for (int k = 1; k <= kCollocSlots; ++k)
            if (collocs.GetInt(CollocField::SlotNo(k)) == wordNo) listed.push_back(collocs.GetInt(CollocField::No));
    for (int32_t no : listed) {
        ReportMessage(FormatText(kDeletedCollocText, {LangFieldPrefix(lang), Num(no), Num(wordNo)}));
        DeleteCollocation(lang, no, true, -1);
    }
}

void TBelEditModule::UpdateFirstWordFlag(int lang, int32_t wordNo, bool set) {
    Table& words = WordsTable(lang);
    if (!LocateNo(words, wordNo)) {
        if (set) DictionaryError("Dead link No " + Num(wordNo) + " in dictionary " + words.Name());
        return;
    }
    const int32_t tag = words.GetInt(WordsField::Tag);
    const bool on = (tag & 1) != 0;
    if (set == on) return;
    if (!set && CollocTable(lang).Locate("No1", {Value(wordNo)})) return;
    LocateNo(words, wordNo);
    words.Edit();
    words.Set(WordsField::Tag, Value(int32_t{set ? (tag | 1) : (tag & ~1)}));
    words.Post();
}

// ---------------------------------------------------------------- abbreviations

void TBelEditModule::CheckAbbreviation(const std::string& bel, const std::string& rus, int32_t self) {
    for (const std::string* text : {&bel, &rus})
        if (static_cast<int>(text->size()) > kStemFieldSize)
            DictionaryError(FormatText(kAbbrTooLongText, {*text, Num(kStemFieldSize)}));
    Table& t = tblAbbr();
    for (auto [field, text] : {std::pair{"Bel", &bel}, std::pair{"Rus", &rus}})
        if (t.Locate(field, {Value(*text)}) && t.GetInt(AbbrField::No) != self)
            DictionaryError(FormatText(kAbbrExistsText, {*text}));
}

int32_t TBelEditModule::AddAbbreviation(const std::string& bel, const std::string& rus, int32_t number) {
    CheckAbbreviation(bel, rus, -1);
    Table& t = tblAbbr();
    const int32_t no = number > 0 ? number : NewNumber(t, kFirstNewAbbrNo, INT32_MAX, t.Name());
    t.Insert();
    t.Set(AbbrField::No, Value(no));
    t.Set(AbbrField::Bel, Value(bel));
    t.Set(AbbrField::Rus, Value(rus));
    t.Set(AbbrField::Modif, Value(true));
    t.Post();
    return no;
}

int32_t TBelEditModule::SaveAbbreviation(int32_t number, const std::string& bel, const std::string& rus) {
    CheckAbbreviation(bel, rus, number > 0 ? number : -1);
    DeleteAbbreviation(number);
    return AddAbbreviation(bel, rus, number);
}

void TBelEditModule::CheckAbbreviationSave(int32_t number, const std::string& bel, const std::string& rus,
                                           int32_t belArticle, int32_t rusArticle) {
    CheckAbbreviation(bel, rus, number > 0 ? number : -1);
    CheckGlossaryEntry(1, bel, belArticle > 0 ? belArticle : -1);
    CheckGlossaryEntry(0, rus, rusArticle > 0 ? rusArticle : -1);
}

void TBelEditModule::DeleteAbbreviation(int32_t number) {
    if (number > 0 && LocateNo(tblAbbr(), number)) tblAbbr().Delete();
}

// ---------------------------------------------------------------- glossary

void TBelEditModule::CheckGlossaryEntry(int lang, const std::string& title, int32_t self) {
    if (static_cast<int>(title.size()) > kStemFieldSize)
        DictionaryError(FormatText(kTitleTooLongText, {title, Num(kStemFieldSize)}));
    Table& t = tblGlossary();
    if (t.Locate("Lang;Title", {Value(int32_t{lang}), Value(LowerCaseCyr(title))}) &&
        t.GetInt(GlossaryField::No) != self)
        DictionaryError(FormatText(kTitleExistsText, {title}));
}

int32_t TBelEditModule::AddGlossaryEntry(int lang, const std::string& title, int32_t number, const std::string& text) {
    if (title.empty()) return -1;
    CheckGlossaryEntry(lang, title, -1);
    Table& t = tblGlossary();
    const int32_t no = number > 0 ? number : NewNumber(t, 1, INT32_MAX, t.Name());
    t.Insert();
    t.Set(GlossaryField::No, Value(no));
    t.Set(GlossaryField::Lang, Value(int32_t{lang}));
    t.Set(GlossaryField::Title, Value(LowerCaseCyr(title)));
    t.Set(GlossaryField::Text, Value(text));
    t.Set(GlossaryField::Modif, Value(true));
    t.Post();
    return no;
}

void TBelEditModule::SaveGlossaryEntry(int32_t number, int lang, const std::string& text, const std::string& title) {
    if (title.empty()) return;
    CheckGlossaryEntry(lang, title, number > 0 ? number : -1);
    DeleteGlossaryEntry(number);
    AddGlossaryEntry(lang, title, number, text);
}

void TBelEditModule::DeleteGlossaryEntry(int32_t number) {
    if (number > 0 && LocateNo(tblGlossary(), number)) tblGlossary().Delete();
}

// ---------------------------------------------------------------- indexes and lemmas

void TBelEditModule::UseParadigmIndex(int lang) {
    Table& words = WordsTable(lang);
    if (words.FindIndex("EtalonNoInd") < 0) words.AddIndex("EtalonNoInd", "EtalonNo");
    words.SetIndexName("EtalonNoInd");
}

void TBelEditModule::UseStemWordIndex(int lang) {
    Table& stems = StemTable(lang);
    if (stems.FindIndex("WordNoInd") < 0) stems.AddIndex("WordNoInd", "WordNo");
    stems.SetIndexName("WordNoInd");
}

void TBelEditModule::RefreshLemmas(int lang) {
    Table& words = WordsTable(lang);
    const bool wasModified = words.Modified();
    const Bookmark here = words.GetBookmark();
    SuppressModif = true;
    words.DisableControls();
    struct Restore {
        TBelEditModule& m;
        Table& words;
        bool wasModified;
        Bookmark here;
        ~Restore() {
            words.EnableControls();
            m.SuppressModif = false;
            words.GotoBookmark(here);
            if (!wasModified) words.ResetModified();
        }
    } restore{*this, words, wasModified, here};
    for (words.First(); !words.Eof() && words.HasRecord(); words.Next()) {
        words.Edit();
        words.Post();
    }
}

// ---------------------------------------------------------------- saving

bool TBelEditModule::AnyModified() const {
    for (int i = 0; i < kTableCount; ++i)
        if (Tbl(static_cast<TableId>(i)).Modified()) return true;
    return false;
}

void TBelEditModule::SaveTables(const std::string& path, unsigned options) {
    if (readOnly_) throw Error(std::string(kReadOnlyText));
    // The write order: the order of the progress steps; Theme last, without a step.
    static constexpr TableId kOrder[] = {TableId::WForms, TableId::EtalonB, TableId::EtalonR, TableId::WordsB,
                                         TableId::WordsR, TableId::StemB,   TableId::StemR,   TableId::CollocB,
                                         TableId::CollocR, TableId::Trans,  TableId::Abbr,    TableId::Glossary,
                                         TableId::Theme};
    constexpr int kSteps = 12;
    std::filesystem::path folder(path);
    Loaded = false;
    std::vector<Table*> written;
    struct Finally {
        TBelEditModule& m;
        std::vector<Table*>& written;
        ~Finally() {
            for (TableId id : {TableId::WordsB, TableId::WordsR, TableId::CollocB, TableId::CollocR, TableId::Trans})
                m.Tbl(id).SetFiltered(false);
            for (Table* t : written) m.IndexManager.EnableExtraIndexes(*t, true);
            m.Loaded = true;
        }
    } finally{*this, written};

    std::error_code error;
    if (!std::filesystem::is_directory(folder) && !std::filesystem::create_directories(folder, error))
        throw Error("Cannot create directory " + PathText(folder));
    FileSetCommit commit(folder);
    commit.onStep = onSaveStep;
    if (onSaveProgress) onSaveProgress(0, kSteps);
    int step = 0;
    for (TableId id : kOrder) {
        Table& t = Tbl(id);
        const TableSpec& spec = SpecOf(id);
        if (!(options & soOnlyModified) || t.Modified()) {
            const std::string name = spec.baseName + kDictionaryExtension;
            const std::filesystem::path staged = commit.Stage(name);
            t.SetFiltered(false);
            t.SetIndexName(spec.activeIndex);
            written.push_back(&t);
            IndexManager.EnableExtraIndexes(t, false);
            try {
                KunimorStreamFormat format;
                t.SaveToFile(staged.string(), format);
            } catch (const std::exception& e) {
                ReportMessage(e.what());
                throw Error(FormatText(kSaveFailedText, {PathText(folder / name)}));
            }
            if (onSaveStep) onSaveStep("written " + name);
        }
        if (++step <= kSteps && onSaveProgress) onSaveProgress(step, kSteps);
    }
    if (written.empty()) return;
    try {
        commit.Commit();
    } catch (const Error& e) {
        ReportMessage(e.what());
        throw Error(FormatText(kSaveFailedText, {e.what()}));
    }
    for (Table* t : written) t->ResetModified();
}

bool TBelEditModule::SaveIfModified() {
    if (!AnyModified()) return true;
    try {
        if (readOnly_) {
            if (readOnlyTold_) return false;
            readOnlyTold_ = true;
            throw Error(std::string(kReadOnlyText));
        }
        SaveTables(FDataDir, soOnlyModified | soBackup);
        return true;
    } catch (const std::exception& e) {
        if (onSaveError) onSaveError(e.what());
        return false;
    }
}

}  // namespace kunimor
