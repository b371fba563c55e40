#include "dictionary/BelModule.h"

#include "ground/Direction.h"
#include "ground/Error.h"
#include "store/FileSetCommit.h"
#include "store/KunimorStreamFormat.h"
#include "ground/PathText.h"
#include "dictionary/TagCodes.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"
#include "ground/LetterCase.h"

#include <filesystem>

namespace kunimor {

namespace {

constexpr std::string_view kMissingFileText =
    "Не обнаружен файл словаря:\r%s\rВы должны установить русско-беларуско-русский словарь!\r"
    "Словарь можно загрузить с сайта Кунимора."_cp1251;
constexpr std::string_view kCorruptFileText =
    "Испорчен Файл словаря:\r%s\rПереустановите русско-беларуско-русский словарь заново!\r"
    "Словарь можно загрузить с сайта Кунимора."_cp1251;
constexpr std::string_view kMissingSpecialWordText =
    "В словаре %s отсутствует специальное слово \"%s\". Словарь поврежден!"_cp1251;
constexpr std::string_view kMissingSpecialEtalonText =
    "В словаре %s отсутствует специальный эталон \"%s\". Словарь поврежден!"_cp1251;

struct SpecialWord {
    int lang;
    std::string_view stem;
    int kind;
    std::string_view lemma;
    bool isProtected;
};

// Words the translator treats specially, in lookup order.
constexpr SpecialWord kSpecialWords[] = {
    {1, "або"_cp1251, 5, "", false},      {1, "б"_cp1251, 5, "", true},
    {1, "бы"_cp1251, 5, "", true},        {1, "вось"_cp1251, 5, "", false},
    {1, "няма"_cp1251, 5, "", false},     {1, "так"_cp1251, 5, "", false},
    {1, "ды"_cp1251, 5, "", false},       {1, "ж"_cp1251, 5, "", true},
    {1, "жа"_cp1251, 5, "", true},        {1, "не"_cp1251, 5, "", false},
    {1, "ні"_cp1251, 5, "", false},       {1, "як"_cp1251, 2, "які"_cp1251, true},
    {1, "са"_cp1251, 5, "", true},        {1, "што"_cp1251, 5, "", false},
    {1, "ці"_cp1251, 5, "", true},        {1, "і"_cp1251, 5, "", false},
    {1, "у"_cp1251, 5, "", true},         {1, "о"_cp1251, 5, "", false},
    {1, "па"_cp1251, 5, "", true},        {1, "пра"_cp1251, 5, "", false},
    {1, "ва"_cp1251, 5, "", true},        {1, "з"_cp1251, 5, "", true},
    {1, "м"_cp1251, 1, "я"_cp1251, false}, {1, "в"_cp1251, 1, "ты"_cp1251, false},
    {1, "дв"_cp1251, 2, "два"_cp1251, false},
    {1, "дзв"_cp1251, 2, "дзве"_cp1251, false},
    {1, "абодв"_cp1251, 2, "абодва"_cp1251, false},
    {1, "абедзв"_cp1251, 2, "абедзве"_cp1251, false},
    {1, "аба"_cp1251, 2, "абое"_cp1251, false},
    {0, "б"_cp1251, 5, "", true},         {0, "бы"_cp1251, 5, "", true},
    {0, "в"_cp1251, 5, "", true},         {0, "во"_cp1251, 5, "", true},
    {0, "да"_cp1251, 5, "", true},        {0, "ж"_cp1251, 5, "", true},
    {0, "же"_cp1251, 5, "", true},        {0, "и"_cp1251, 5, "", false},
    {0, "или"_cp1251, 5, "", false},      {0, "как"_cp1251, 2, "какой"_cp1251, false},
    {0, "котор"_cp1251, 2, "который"_cp1251, false},
    {0, "ли"_cp1251, 5, "", true},        {0, "ль"_cp1251, 5, "", true},
    {0, "нет"_cp1251, 5, "", true},       {0, "не"_cp1251, 5, "", false},
    {0, "ни"_cp1251, 5, "", false},       {0, "о"_cp1251, 5, "", true},
    {0, "по"_cp1251, 5, "", true},        {0, "с"_cp1251, 5, "", true},
    {0, "со"_cp1251, 5, "", true},        {0, "то"_cp1251, 5, "", true},
    {0, "в"_cp1251, 5, "", false},        {0, "м"_cp1251, 1, "я"_cp1251, false},
    {0, "в"_cp1251, 1, "ты"_cp1251, false},
    {0, "дв"_cp1251, 2, "два"_cp1251, false},
    {0, "дв"_cp1251, 2, "две"_cp1251, false},
    {0, "обо"_cp1251, 2, "оба"_cp1251, false},
    {0, "обе"_cp1251, 2, "обе"_cp1251, false},
};

constexpr int kSpecialEtalonForms = 24;

std::string SpecialEtalonForms() {
    std::string forms = "@";
    for (int i = 1; i < kSpecialEtalonForms; ++i) forms += ";@";
    return forms;
}

}  // namespace

TBelModule::TBelModule() {
    for (const TableSpec& spec : TableSpecs()) {
        tables_.push_back(CreateTable(spec));
        tables_.back()->Close();
    }
}

TBelModule::~TBelModule() = default;

// ---------------------------------------------------------------- opening

void TBelModule::LoadTable(Table& t, const TableSpec& spec, const std::string& dataDir) {
    IndexManager.Remember(t);
    const std::string file = dataDir + spec.baseName + kDictionaryExtension;
    if (!std::filesystem::exists(file)) throw Error(FormatText(kMissingFileText, {PathText(file)}));
    try {
        KunimorStreamFormat format;
        t.LoadFromFile(file, format);
    } catch (const std::exception& e) {
        t.onProgress = nullptr;
        ReportMessage(e.what());  // the technical detail, for whoever repairs the file
        throw Error(FormatText(kCorruptFileText, {PathText(file)}));
    }
    t.onProgress = nullptr;
}

void TBelModule::LoadAllTables(const std::string& dataDir, const std::function<void(int, int)>& progress) {
    // A save that was cut off is finished (or undone) before anything is read.
    RecoverFileSet(dataDir, DictionaryFileNames());
    const int reported = kTableCount - 1;
    if (progress) progress(0, reported);
    for (int i = 0; i < kTableCount; ++i) {
        const TableSpec& spec = TableSpecs()[i];
        LoadTable(Tbl(spec.id), spec, dataDir);
        if (progress && i < reported) progress(i + 1, reported);
    }
}

void TBelModule::ReportLoadProgress(int done, int total) {
    ReportMessage("Loaded " + std::to_string(done) + " of " + std::to_string(total) + " tables...");
}

void TBelModule::LoadTables() {
    LoadAllTables(FDataDir, [this](int done, int total) { ReportLoadProgress(done, total); });
}

bool TBelModule::OpenDictionary(const std::string& dataDir) {
    FDataDir = dataDir;
    if (!FDataDir.empty() && FDataDir.back() != '/') FDataDir += '/';
    Loaded = false;
    auto closeAll = [this] {
        for (auto& t : tables_) t->Close();
    };
    try {
        LoadTables();
    } catch (const std::exception& e) {
        closeAll();  // a partly loaded dictionary is never used
        DictionaryError(e.what());
    }
    for (const auto& t : tables_)
        if (!t->Active()) {
            closeAll();
            return false;
        }

    ProtectedBel.clear();
    ProtectedRus.clear();
    specialWords_.clear();
    WordsTable(1).SetIndexName("OsnovaInd");
    WordsTable(0).SetIndexName("OsnovaInd");
    for (const SpecialWord& w : kSpecialWords)
        FindSpecialWord(w.lang, std::string(w.stem), w.kind, std::string(w.lemma), w.isProtected);
    FindSpecialEtalon(1);
    FindSpecialEtalon(0);
    // After the special words, so that the source's я and ты are known.
    SetDirection(SourceLang);
    Loaded = true;
    return true;
}

void TBelModule::FindSpecialWord(int lang, const std::string& stem, int kind, const std::string& lemma,
                                 bool isProtected) {
    Table& words = WordsTable(lang);
    Table& etalons = EtalonTable(lang);
    int32_t found = 0;
    if (kind == kUnchangeable) {
        if (words.Locate("Osnova;EtalonNo", {Value(stem), Value(int32_t{-1})})) found = words.GetInt(WordsField::No);
    } else if (words.Locate("Osnova", {Value(stem)})) {
        for (; !words.Eof() && words.GetString(WordsField::Osnova) == stem; words.Next()) {
            if (!etalons.Locate("No", {Value(words.GetInt(WordsField::EtalonNo))}) ||
                etalons.GetInt(EtalonField::Kind) != kind)
                continue;
            bool alt = false;
            int formNo = 1;
            std::string first;
            try {
                first = BuildFirstForm(lang, stem, etalons.GetString(EtalonField::Forms), 30, alt, formNo);
            } catch (const Error&) {
                continue;  // a paradigm that cannot build this stem is not the one sought
            }
            if (first == lemma) {
                found = words.GetInt(WordsField::No);
                break;
            }
        }
    }
    if (found == 0) DictionaryError(FormatText(kMissingSpecialWordText, {words.Name(), stem}));
    specialWords_[{lang, stem, lemma}] = found;
    if (isProtected) (lang == 1 ? ProtectedBel : ProtectedRus).insert(found);
}

void TBelModule::FindSpecialEtalon(int lang) {
    Table& etalons = EtalonTable(lang);
    const std::string wanted = SpecialEtalonForms();
    int found = -1;
    etalons.SetIndexFieldNames("Kind");
    if (etalons.Locate("Kind", {Value(int32_t{kAdjective})}))
        for (; !etalons.Eof() && etalons.GetInt(EtalonField::Kind) == kAdjective; etalons.Next())
            if (etalons.GetString(EtalonField::Forms) == wanted) {
                found = etalons.GetInt(EtalonField::No);
                break;
            }
    etalons.SetIndexName("NoInd");
    if (found < 0) DictionaryError(FormatText(kMissingSpecialEtalonText, {etalons.Name(), wanted}));
    specialEtalon_[lang == 1 ? 1 : 0] = static_cast<int16_t>(found);
}

void TBelModule::SetDirection(int sourceLang) {
    SourceLang = sourceLang == 1 ? 1 : 0;
    TargetLang = static_cast<uint8_t>(1 - SourceLang);
    SrcWords = &WordsTable(SourceLang);
    SrcStems = &StemTable(SourceLang);
    SrcEtalons = &EtalonTable(SourceLang);
    SrcCollocs = &CollocTable(SourceLang);
    TrgWords = &WordsTable(TargetLang);
    TrgEtalons = &EtalonTable(TargetLang);
    TrgCollocs = &CollocTable(TargetLang);
    SrcYaWordNo = SpecialWordNo(SourceLang, std::string("м"_cp1251), std::string("я"_cp1251));
    SrcTyWordNo = SpecialWordNo(SourceLang, std::string("в"_cp1251), std::string("ты"_cp1251));
}

// ---------------------------------------------------------------- record loaders

void TBelModule::DeadLink(int32_t no, const Table& t) const {
    DictionaryError("Dead link No " + std::to_string(no) + " in dictionary " + t.Name());
}

void TBelModule::LoadEtalon(int lang, int16_t etalonNo) {
    if (etalonNo < 0) {
        CurEtalon = TEtalonRec{};
        CurEtalon.Kind = kUnchangeable;
        CurEtalon.Forms = "@";
        return;
    }
    Table& t = EtalonTable(lang);
    if (etalonNo > 0 && !t.Locate("No", {Value(int32_t{etalonNo})})) DeadLink(etalonNo, t);
    CurEtalon.No = static_cast<int16_t>(t.GetInt(EtalonField::No));
    CurEtalon.Osnova = t.GetString(EtalonField::Osnova);
    CurEtalon.Kind = static_cast<uint8_t>(t.GetInt(EtalonField::Kind));
    CurEtalon.Forms = t.GetString(EtalonField::Forms);
    CurEtalon.RodChislo = static_cast<uint8_t>(t.GetInt(EtalonField::RodChislo));
    CurEtalon.Modif = t.GetBool(EtalonField::Modif);
}

void TBelModule::LoadWord(int lang, int32_t wordNo) {
    Table& t = WordsTable(lang);
    if (wordNo > 0 && !t.Locate("No", {Value(wordNo)})) DeadLink(wordNo, t);
    CurWord.EtalonNo = static_cast<int16_t>(t.GetInt(WordsField::EtalonNo));
    CurWord.Tag = static_cast<int16_t>(t.GetInt(WordsField::Tag));
    CurWord.Osnova = t.GetString(WordsField::Osnova);
    CurWord.Modif = t.GetBool(WordsField::Modif);
    if (CurWord.EtalonNo == 0) {
        // Paradigm 0 is a real paradigm here, not "the current record".
        Table& e = EtalonTable(lang);
        if (!e.Locate("No", {Value(int32_t{0})})) DeadLink(0, e);
    }
    LoadEtalon(lang, CurWord.EtalonNo);
}

void TBelModule::FillCollocFromCurrent(const Table& t) {
    using namespace CollocField;
    CurColloc = TCollocRec{};
    const int kind = t.GetInt(Kind);
    CurColloc.Kind = static_cast<uint8_t>(kind == 0 ? kUnchangeable : kind);
    CurColloc.MainPar = static_cast<int8_t>(t.GetInt(MainPar));
    CurColloc.Tag = static_cast<int16_t>(t.GetInt(Tag));
    for (int k = 1; k <= kCollocSlots; ++k) {
        if (t.IsNull(SlotNo(k)) || t.GetInt(SlotNo(k)) < 1) break;
        TCollocWord& w = CurColloc.Words[k - 1];
        w.No = t.GetInt(SlotNo(k));
        w.Found = 0;
        w.Frm = static_cast<uint8_t>(t.GetInt(SlotFrm(k)));
        w.Alt = t.GetBool(SlotAlt(k));
        const std::string& delim = t.GetString(SlotDelim(k));
        w.Delim = delim.empty() ? ' ' : delim[0];
        ++CurColloc.Count;
    }
    CurColloc.Modif = t.GetBool(CollocField::Modif);
}

void TBelModule::LoadColloc(int lang, int32_t collocNo) {
    CurColloc = TCollocRec{};
    Table& t = CollocTable(lang);
    if (collocNo > 0) {
        t.SetIndexFieldNames("No");
        if (!t.FindKey({Value(collocNo)})) DeadLink(collocNo, t);
    }
    FillCollocFromCurrent(t);
}

int TBelModule::LoadEntry(int lang, int32_t no) {
    if (IsCollocNo(no)) {
        LoadColloc(lang, no);
        return CurColloc.Kind;
    }
    LoadWord(lang, no);
    return CurEtalon.Kind;
}

void TBelModule::LoadAbbr(int32_t no) {
    Table& t = tblAbbr();
    if (no > 0 && !t.Locate("No", {Value(no)})) DeadLink(no, t);
    CurAbbr.Bel = t.GetString(AbbrField::Bel);
    CurAbbr.Rus = t.GetString(AbbrField::Rus);
    CurAbbr.Modif = t.GetBool(AbbrField::Modif);
}

void TBelModule::LoadGlossary(int32_t no) {
    Table& t = tblGlossary();
    if (no > 0 && !t.Locate("No", {Value(no)})) DeadLink(no, t);
    CurGlossary.Lang = static_cast<uint8_t>(t.GetInt(GlossaryField::Lang));
    CurGlossary.Title = t.GetString(GlossaryField::Title);
    CurGlossary.Text = t.GetString(GlossaryField::Text);
    CurGlossary.Modif = t.GetBool(GlossaryField::Modif);
}

// ---------------------------------------------------------------- queries

bool TBelModule::IsProtectedWord(int lang, int32_t wordNo) const {
    return (lang == 1 ? ProtectedBel : ProtectedRus).count(wordNo) != 0;
}

int32_t TBelModule::SpecialWordNo(int lang, const std::string& stem, const std::string& lemma) const {
    auto it = specialWords_.find({lang == 1 ? 1 : 0, stem, lemma});
    return it == specialWords_.end() ? 0 : it->second;
}

int16_t TBelModule::SpecialEtalonNo(int lang) const { return specialEtalon_[lang == 1 ? 1 : 0]; }

int32_t TBelModule::ForEachCollocOfWord(int lang, int32_t wordNo, const std::function<void(int32_t)>& proc) {
    Table& t = CollocTable(lang);
    int32_t last = 0;
    for (t.First(); !t.Eof(); t.Next())
        for (int k = 1; k <= kCollocSlots; ++k)
            if (t.GetInt(CollocField::SlotNo(k)) == wordNo) {
                if (!proc) return t.GetInt(CollocField::No);
                last = t.GetInt(CollocField::No);
                proc(last);
            }
    return last;
}

int32_t TBelModule::NextCollocByFirstWords(int lang, int32_t no1, TCollocRec& rec, int32_t no2) {
    Table& t = CollocTable(lang);
    int32_t* pair = nextPair_[lang == 1 ? 1 : 0];
    if (no1 >= 1) {
        t.SetIndexFieldNames("No1;No2");
        pair[0] = no1;
        pair[1] = no2;
        if (!t.FindKey({Value(no1), Value(no2)})) return 0;
    } else {
        t.Next();
    }
    if (t.Eof() || !t.HasRecord() || t.GetInt(CollocField::SlotNo(1)) != pair[0] ||
        t.GetInt(CollocField::SlotNo(2)) != pair[1])
        return 0;
    FillCollocFromCurrent(t);
    rec = CurColloc;
    return t.GetInt(CollocField::No);
}

int32_t TBelModule::NextAbbr(int lang, const std::string& prefix, std::string& translation, std::string& abbr) {
    Table& t = tblAbbr();
    const bool bel = lang == 1;
    if (!prefix.empty()) {
        t.SetIndexName(bel ? "BelInd" : "RusInd");
        t.FindNearest({Value(prefix)});
        abbrPrefix_ = prefix;
    } else {
        t.Next();
    }
    if (t.Eof() || !t.HasRecord()) return 0;
    const std::string& own = t.GetString(bel ? AbbrField::Bel : AbbrField::Rus);
    if (!own.starts_with(abbrPrefix_)) return 0;
    abbr = own;
    translation = t.GetString(bel ? AbbrField::Rus : AbbrField::Bel);
    return t.GetInt(AbbrField::No);
}

int32_t TBelModule::FindGlossary(int lang, const std::string& title) {
    Table& t = tblGlossary();
    if (!t.Locate("Lang;Title", {Value(int32_t{lang}), Value(LowerCaseCyr(title))})) return -1;
    LoadGlossary(0);
    return t.GetInt(GlossaryField::No);
}

void TBelModule::ReportMessage(const std::string& text) const {
    if (OnMessage) OnMessage(text);
}

void TBelModule::DictionaryError(const std::string& text) const {
    ReportMessage(text);
    throw Error(text);
}

}  // namespace kunimor
