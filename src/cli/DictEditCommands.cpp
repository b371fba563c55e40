#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PairFile.h"
#include "cli/Terminal.h"
#include "dictionary/AdvStemSeeker.h"
#include "dictionary/StemSeeker.h"
#include "dictionary/TagCodes.h"
#include "editing/BelEditModule.h"
#include "ground/Cp1251.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"
#include "ground/PathText.h"
#include "morphology/FormSynthesis.h"
#include "morphology/WordKind.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>

namespace kunimor::cli {

namespace {

constexpr int kLangs[2] = {kRussian, kBelarusian};
constexpr const char* kLangNames[2] = {"ru", "be"};

std::string_view KindName(int kind) {
    switch (kind) {
        case kNoun: return "noun";
        case kAdjective: return "adjective";
        case kPerfectiveVerb: return "perfective";
        case kImperfectiveVerb: return "imperfective";
        default: return "unchangeable";
    }
}

// The words of lang whose dictionary form is word (and of that kind, when given).
std::vector<int32_t> WordsWithLemma(TBelEditModule& module, int lang, const std::string& word, int kind) {
    module.SetDirection(lang);
    std::vector<int32_t> found, seen;
    std::vector<TWordFormArgs> hits;
    SeekWord(module, word, [&](const TWordFormArgs& hit) { hits.push_back(hit); });
    for (const TWordFormArgs& hit : hits) {
        if (IsCollocNo(hit.No) || std::find(seen.begin(), seen.end(), hit.No) != seen.end()) continue;
        seen.push_back(hit.No);
        module.LoadWord(lang, hit.No);
        if (kind != 0 && module.CurEtalon.Kind != kind) continue;
        bool alt = false;
        int formNo = 1;
        if (BuildFirstForm(lang, module.CurWord.Osnova, module.CurEtalon.Forms, 0, alt, formNo) == word)
            found.push_back(hit.No);
    }
    return found;
}

// The seekers of each language and kind, kept for the whole file: they
// remember the forms of the paradigms' words between the lines.
class Seekers {
public:
    explicit Seekers(TBelEditModule& module) : module_(module) {}

    // The seeker whose first candidate is the best-ranked existing paradigm
    // for a new word given by its dictionary form; null when none fits.
    TAdvStemSeeker* Guess(int lang, const std::string& word, int kind) {
        TAdvStemSeeker* best = nullptr;
        int bestScore = -2;
        const std::vector<int> kinds = kind != 0 ? std::vector<int>{kind}
                                                 : std::vector<int>{kNoun, kAdjective, kImperfectiveVerb, kPerfectiveVerb};
        for (int k : kinds) {
            std::unique_ptr<TAdvStemSeeker>& seeker = seekers_[{lang, k}];
            if (!seeker) seeker = std::make_unique<TAdvStemSeeker>(module_, lang, k);
            for (int f = 1; f <= seeker->FormCount(); ++f) {
                seeker->SetForm(f, false, std::string(kUnknownForm));
                seeker->SetForm(f, true, std::string(kUnknownForm));
            }
            seeker->SetForm(1, false, word);
            if (k == kUnchangeable) return seeker.get();
            seeker->FindCandidates();
            if (seeker->Candidates.empty()) continue;
            const int score = seeker->Candidates.front().Score;
            if (score > bestScore) {
                best = seeker.get();
                bestScore = score;
            }
        }
        return best;
    }

private:
    TBelEditModule& module_;
    std::map<std::pair<int, int>, std::unique_ptr<TAdvStemSeeker>> seekers_;
};

std::string FormsLine(int lang, const std::string& stem, const std::string& forms, int kind) {
    std::string line;
    for (int f = 1; f <= FormCount(kind); ++f)
        for (bool alt : {false, true}) {
            std::string form;
            if (!TryBuildForm(lang, stem, forms, true, form, alt, f) || form.empty()) continue;
            line += (line.empty() ? "" : ", ") + TerminalText(form);
        }
    return line;
}

class PairAdder {
public:
    PairAdder(TBelEditModule& module, bool dryRun) : module_(module), seekers_(module), dryRun_(dryRun) {}

    // Applies one line; throws Error with the reason it cannot.
    void Add(const PairLine& pair) {
        int32_t no[2];
        for (int side = 0; side < 2; ++side) no[side] = Word(pair, side);
        if (dryRun_ && (no[0] < 0 || no[1] < 0)) return;
        module_.SetDirection(kRussian);
        if (module_.tblTrans().Locate("RusNo;BelNo", {Value(no[0]), Value(no[1])})) {
            Say(pair, "already linked");
            ++alreadyLinked;
            return;
        }
        module_.SetLink(no[0], no[1], NewLinkTag(module_.DefaultLinkFlags(kBelarusian, no[0], no[1])));
        ++linked;
        Say(pair, "linked ru " + std::to_string(no[0]) + " - be " + std::to_string(no[1]));
    }

    int added = 0, reused = 0, linked = 0, alreadyLinked = 0;

private:
    void Say(const PairLine& pair, const std::string& text) const {
        std::cout << "line " << pair.number << ": " << text << '\n';
    }

    // The word number of one side: an existing word, or a new one (-1 on a dry run).
    int32_t Word(const PairLine& pair, int side) {
        const int lang = kLangs[side];
        const std::string& word = pair.word[side];
        const std::string title = std::string(kLangNames[side]) + " \"" + pair.typed[side] + "\"";
        const std::string engineTitle = std::string(kLangNames[side]) + " \"" + word + "\"";
        const std::vector<int32_t> existing = WordsWithLemma(module_, lang, word, pair.kind);
        if (!existing.empty()) {
            ++reused;
            Say(pair, "reused " + title + " word " + std::to_string(existing.front()));
            return existing.front();
        }
        TAdvStemSeeker* guess = seekers_.Guess(lang, word, pair.kind);
        if (!guess)
            throw Error("no paradigm in the dictionary fits " + engineTitle +
                        (pair.kind ? "" : "; give its kind in a third column"));
        TAdvStemSeeker& seeker = *guess;
        if (dryRun_) {
            std::string stem = seeker.Kind == kUnchangeable ? word : "";
            std::string forms = "@";
            if (!seeker.Candidates.empty()) {
                const TEtaRec& c = seeker.Candidates.front();
                stem = c.Stems.substr(0, c.Stems.find(','));
                forms = c.Forms;
            }
            ++added;
            Say(pair, "would add " + title + " as " + std::string(KindName(seeker.Kind)) + ": " +
                          FormsLine(lang, stem, forms, seeker.Kind == kUnchangeable ? kUnchangeable : seeker.Kind));
            return -1;
        }
        int32_t wordNo = -1;
        int16_t tag = 0;
        seeker.ApplyCandidate(wordNo, tag, [this](int l, int32_t n, int16_t t, int32_t etalonNo, const std::string& stem) {
            return module_.AddWord(l, stem, n, t, static_cast<int16_t>(etalonNo));
        });
        seeker.RememberWord(seeker.Candidates.front().EtalonNo, seeker.BestStem);
        ++added;
        Say(pair, "added " + title + " word " + std::to_string(wordNo) + " (" + std::string(KindName(seeker.Kind)) +
                      ", paradigm " + std::to_string(seeker.Candidates.front().EtalonNo) + ")");
        return wordNo;
    }

    TBelEditModule& module_;
    Seekers seekers_;
    bool dryRun_;
};

// Deletes the link of each pair, then the words it leaves without translations.
class PairRemover {
public:
    explicit PairRemover(TBelEditModule& module) : module_(module) {}

    void Remove(const PairLine& pair) {
        std::vector<int32_t> words[2];
        for (int side = 0; side < 2; ++side) {
            words[side] = WordsWithLemma(module_, kLangs[side], pair.word[side], pair.kind);
            if (words[side].empty())
                throw Error(std::string(kLangNames[side]) + " \"" + pair.word[side] + "\" is not in the dictionary");
        }
        module_.SetDirection(kRussian);
        std::vector<std::pair<int32_t, int32_t>> links;
        for (int32_t ru : words[0])
            for (int32_t be : words[1])
                if (module_.tblTrans().Locate("RusNo;BelNo", {Value(ru), Value(be)})) links.push_back({ru, be});
        if (links.empty()) throw Error("the two words are not translations of each other");
        for (const auto& [ru, be] : links) {
            module_.DeleteLink(ru, be);
            ++removed;
            std::cout << "line " << pair.number << ": removed link ru " << ru << " - be " << be << '\n';
            DropIfUnlinked(pair, 0, ru);
            DropIfUnlinked(pair, 1, be);
        }
    }

    int removed = 0, wordsRemoved = 0;

private:
    // A word goes with its last translation unless something else needs it.
    void DropIfUnlinked(const PairLine& pair, int side, int32_t no) {
        const int lang = kLangs[side];
        Table& trans = module_.tblTrans();
        if (trans.Locate(lang == kBelarusian ? "BelNo" : "RusNo", {Value(no)})) return;
        if (module_.IsProtectedWord(lang, no) || module_.ForEachCollocOfWord(lang, no, nullptr) != 0) return;
        module_.DeleteWord(lang, no, true);
        ++wordsRemoved;
        std::cout << "line " << pair.number << ": removed " << kLangNames[side] << " \"" << pair.typed[side]
                  << "\" word " << no << ", left without translations\n";
    }

    TBelEditModule& module_;
};

void PrintRefusals(const std::vector<Refusal>& refused) {
    for (const Refusal& r : refused) std::cout << "line " << r.line << ": refused: " << r.reason << '\n';
}

// Opens the dictionary for editing; a partly loaded one is refused.
void OpenForEditing(TBelEditModule& module, const std::filesystem::path& dataDir) {
    std::string dir = dataDir.string();
    if (!dir.ends_with('/')) dir += '/';
    if (!module.OpenDictionary(dir)) throw Error(PathText(dataDir) + ": the dictionary did not load whole");
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int RunDictEditCommand(const std::string& sub, std::vector<std::string> args) {
    const std::string command = "dict " + sub;
    const bool dryRun = sub == "add" && TakeFlag(args, "--dry-run");
    RequireNoOptions(args);
    RequireArgumentCount(args, 2, 2, command);
    const std::filesystem::path dataDir = args[0];

    std::vector<Refusal> refused;
    const std::vector<PairLine> pairs = ReadPairs(args[1], refused);
    if (!refused.empty()) {
        PrintRefusals(refused);
        std::cout << "nothing written: " << refused.size() << " line(s) refused\n";
        return kExitFailure;
    }
    TQuietPrompter prompter;
    TBelEditModule module(prompter);
    module.OnMessage = [](const std::string&) {};
    OpenForEditing(module, dataDir);

    const auto start = std::chrono::steady_clock::now();
    std::optional<PairAdder> adder;
    std::optional<PairRemover> remover;
    if (sub == "add") adder.emplace(module, dryRun);
    else remover.emplace(module);
    for (const PairLine& pair : pairs) {
        try {
            if (adder) adder->Add(pair);
            else remover->Remove(pair);
        } catch (const std::exception& e) {
            refused.push_back({pair.number, TerminalText(e.what())});
        }
    }
    PrintRefusals(refused);
    if (adder)
        std::cout << (dryRun ? "would add " : "added ") << adder->added << " word(s), reused " << adder->reused
                  << ", linked " << adder->linked << " pair(s), " << adder->alreadyLinked << " already linked, refused "
                  << refused.size() << " line(s)\n";
    else
        std::cout << "removed " << remover->removed << " link(s) and " << remover->wordsRemoved << " word(s), refused "
                  << refused.size() << " line(s)\n";
    if (!refused.empty()) {
        std::cout << "nothing written: " << refused.size() << " line(s) refused\n";
        return kExitFailure;
    }
    if (dryRun) {
        std::cout << "dry run: nothing written\n";
        return kExitOk;
    }
    const double editSeconds = SecondsSince(start);
    const auto saveStart = std::chrono::steady_clock::now();
    std::vector<std::string> saved;
    for (const TableSpec& spec : TableSpecs())
        if (module.Tbl(spec.id).Modified()) saved.push_back(spec.baseName + kDictionaryExtension);
    module.SaveTables(module.FDataDir, TBelEditModule::soOnlyModified | TBelEditModule::soBackup);
    std::cout << "saved";
    for (const std::string& name : saved) std::cout << ' ' << name;
    if (saved.empty()) std::cout << " nothing: no change";
    std::cout << '\n';
    std::cerr << "edit " << editSeconds << " s, save " << SecondsSince(saveStart) << " s\n";
    return kExitOk;
}

}  // namespace kunimor::cli
