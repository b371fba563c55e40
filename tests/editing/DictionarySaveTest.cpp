#include "editing/EditedDictionary.h"

#include "dictionary/DictionaryText.h"
#include "ground/Cp1251Literal.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "store/FileSetCommit.h"
#include "support/FixtureDictionary.h"

#include <gmock/gmock.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace kunimor;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

class DictionarySave : public EditedDictionary {
protected:
    void SaveModified() { m.SaveTables(m.FDataDir, TBelEditModule::soOnlyModified | TBelEditModule::soBackup); }
    // A change that touches several tables: a Belarusian word (words, stems) and its link.
    static void AddWordAndLink(TBelEditModule& module) {
        const int32_t bel = module.AddWord(1, std::string("стол"_cp1251), -1, 0, 8);
        module.SetDirection(0);
        module.SetLink(31, bel, 10);
    }
    static std::vector<std::string> BackupFiles(const fs::path& dir) {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(dir))
            if (e.path().extension() == ".bak") names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(DictionarySave, NothingModifiedTouchesNoFile) {
    const auto before = Listing(DataDir());
    EXPECT_TRUE(m.SaveIfModified());
    SaveModified();
    EXPECT_EQ(Listing(DataDir()), before);
}

TEST_F(DictionarySave, OnlyTransModifiedWritesOnlyTransAndKeepsTheOldOneAsBackup) {
    const auto before = Listing(DataDir());
    m.SetDirection(0);
    m.DeleteLink(28, 30);
    ASSERT_TRUE(m.SaveIfModified());
    auto after = Listing(DataDir());
    EXPECT_EQ(after.count("Trans.kmr.bak"), 1u);
    EXPECT_EQ(after["Trans.kmr.bak"].substr(0, after["Trans.kmr.bak"].find('@')),
              before.at("Trans.kmr").substr(0, before.at("Trans.kmr").find('@')));
    after.erase("Trans.kmr.bak");
    for (const auto& [name, stamp] : before) {
        if (name == "Trans.kmr") continue;
        EXPECT_EQ(after[name], stamp) << name;
    }
    EXPECT_NE(after["Trans.kmr"], before.at("Trans.kmr"));
    EXPECT_FALSE(m.tblTrans().Modified());

    TQuietPrompter quiet;
    TBelEditModule reopened(quiet);
    ASSERT_TRUE(reopened.OpenDictionary(DataDir().string()));
    EXPECT_FALSE(reopened.tblTrans().Locate("RusNo;BelNo", {Value(28), Value(30)}));
}

TEST_F(DictionarySave, AFilteredTableIsWrittenWholeAndUnfilteredAfterwards) {
    AddWordAndLink(m);
    Table& words = m.WordsTable(1);
    words.SetFilterText("No = 30");
    words.SetFiltered(true);
    SaveModified();
    EXPECT_FALSE(words.Filtered());
    TQuietPrompter quiet;
    TBelEditModule reopened(quiet);
    ASSERT_TRUE(reopened.OpenDictionary(DataDir().string()));
    EXPECT_EQ(reopened.WordsTable(1).RecordCount(), words.RecordCount());
}

TEST_F(DictionarySave, AReadOnlyFolderFailsWithAMessageAndChangesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    AddWordAndLink(m);
    const auto before = Listing(DataDir());
    fs::permissions(DataDir(), fs::perms::owner_write, fs::perm_options::remove);
    std::string error;
    m.onSaveError = [&](const std::string& text) { error = text; };
    EXPECT_FALSE(m.SaveIfModified());
    fs::permissions(DataDir(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_THAT(error, HasSubstr(std::string("Не удалось сохранить на диск словарь"_cp1251)));
    EXPECT_EQ(Listing(DataDir()), before);
    EXPECT_TRUE(m.tblTrans().Modified()) << "the changes wait for the next save";
}

struct Obstacle {
    const char* name;
    const char* folder;  // a non-empty folder where the save needs a file
    const char* message;
};

class SaveObstacle : public DictionarySave, public ::testing::WithParamInterface<Obstacle> {};

// Works for root too, which a read-only folder does not stop.
TEST_P(SaveObstacle, FailsBeforeAnyFileChangesAndTheSameChangesSaveLater) {
    AddWordAndLink(m);
    const fs::path obstacle = DataDir() / GetParam().folder;
    fs::create_directory(obstacle);
    std::ofstream(obstacle / "keep") << "x";
    const auto before = Listing(DataDir());
    const auto dump = Dump(DataDir());
    std::string error;
    m.onSaveError = [&](const std::string& text) { error = text; };
    EXPECT_FALSE(m.SaveIfModified());
    EXPECT_THAT(error, HasSubstr(GetParam().message));
    EXPECT_EQ(Listing(DataDir()), before);
    EXPECT_EQ(Dump(DataDir()), dump);
    fs::remove_all(obstacle);
    EXPECT_TRUE(m.SaveIfModified());
    EXPECT_NE(Dump(DataDir()), dump);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaveObstacle,
    ::testing::Values(Obstacle{"BackupCannotBeReplaced", "WordsB.kmr.bak", "WordsB.kmr.bak"},
                      Obstacle{"NewFileCannotBeWritten", "WordsB.kmr.new", "WordsB.kmr"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DictionarySave, APartlyLoadedDictionaryStaysReadOnlyAndSaysSoOnce) {
    fs::remove(DataDir() / "Theme.kmr");
    TQuietPrompter quiet;
    TBelEditModule partial(quiet);
    EXPECT_ANY_THROW(partial.OpenDictionary(DataDir().string()));
    EXPECT_TRUE(partial.ReadOnly());
    const auto before = Listing(DataDir());
    partial.tblTrans().Open();  // a caller that edits what did load
    AddRow(partial.tblTrans(), {{TransField::RusNo, Value(1)}, {TransField::BelNo, Value(1)}});
    std::vector<std::string> errors;
    partial.onSaveError = [&](const std::string& text) { errors.push_back(text); };
    EXPECT_FALSE(partial.SaveIfModified());
    EXPECT_FALSE(partial.SaveIfModified());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr(std::string("только для чтения"_cp1251)));
    EXPECT_ANY_THROW(partial.SaveTables(DataDir().string() + "/", TBelEditModule::soBackup));
    EXPECT_EQ(Listing(DataDir()), before);
}

// Kills a save at every step it takes (and in the middle of each table
// write) and checks that the folder then holds exactly the old or exactly
// the new dictionary.
TEST_F(DictionarySave, ASaveKilledAtAnyPointLeavesTheOldOrTheNewDictionary) {
    const auto oldDump = Dump(DataDir());
    std::vector<std::string> steps;
    {
        TempDir copy;
        fs::copy(DataDir(), copy.Path() / "data");
        TQuietPrompter quiet;
        TBelEditModule module(quiet);
        ASSERT_TRUE(module.OpenDictionary((copy.Path() / "data").string()));
        AddWordAndLink(module);
        module.onSaveStep = [&](std::string_view step) { steps.emplace_back(step); };
        module.SaveTables(module.FDataDir, TBelEditModule::soOnlyModified | TBelEditModule::soBackup);
        ASSERT_GT(steps.size(), 10u);
        EXPECT_THAT(steps, ::testing::Contains("journal"));
        const auto newDump = Dump(copy.Path() / "data");
        ASSERT_NE(newDump, oldDump);

        for (size_t kill = 0; kill < steps.size(); ++kill)
            for (bool truncate : {false, true}) {
                if (truncate && !steps[kill].starts_with("written") && !steps[kill].starts_with("flush")) continue;
                TempDir trial;
                const fs::path dir = trial.Path() / "data";
                fs::copy(DataDir(), dir);
                const pid_t child = fork();
                ASSERT_GE(child, 0);
                if (child == 0) {
                    TQuietPrompter childQuiet;
                    TBelEditModule childModule(childQuiet);
                    if (!childModule.OpenDictionary(dir.string())) _exit(3);
                    AddWordAndLink(childModule);
                    size_t seen = 0;
                    childModule.onSaveStep = [&](std::string_view step) {
                        if (seen++ != kill) return;
                        if (truncate) {
                            // The table's file is cut in half, as a write interrupted mid-table leaves it.
                            const std::string name(step.substr(step.find(' ') + 1));
                            const fs::path staged = dir / (name + ".new");
                            fs::resize_file(staged, fs::file_size(staged) / 2);
                        }
                        ::kill(getpid(), SIGKILL);
                    };
                    try {
                        childModule.SaveTables(childModule.FDataDir, TBelEditModule::soOnlyModified);
                    } catch (...) {
                        _exit(4);
                    }
                    _exit(0);
                }
                int status = 0;
                ASSERT_EQ(waitpid(child, &status, 0), child);
                ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                    << "step " << steps[kill] << ": the child ended with " << status;
                const auto dump = Dump(dir);
                const bool isOld = dump == oldDump, isNew = dump == newDump;
                EXPECT_TRUE(isOld || isNew) << "killed at " << steps[kill] << (truncate ? " (mid-write)" : "");
                EXPECT_EQ(isNew, kill >= static_cast<size_t>(std::find(steps.begin(), steps.end(), "journal") -
                                                             steps.begin()) + 1)
                    << "the journal is the commit point; killed at " << steps[kill];
                TQuietPrompter reopenQuiet;
                TBelEditModule reopened(reopenQuiet);
                EXPECT_TRUE(reopened.OpenDictionary(dir.string())) << steps[kill];
                EXPECT_FALSE(fs::exists(dir / FileSetCommit::kJournalName));
            }
    }
}

}  // namespace
