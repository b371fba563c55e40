#include "dictionary/DictionaryText.h"

#include "ground/Error.h"
#include "ground/PathText.h"
#include "dictionary/Schema.h"
#include "dictionary/TableText.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace kunimor {
namespace {

const fs::path kFixture = fs::path(KUNIMOR_FIXTURES_DIR) / "dictionary";

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << file;
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const Error& e) {
        return U(e.what());
    }
    return "(no error)";
}

// Every file below dir with its contents, to show that nothing changed.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), dir).string()] = ReadFile(entry.path());
    return files;
}

class DictionaryTextTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        root_ = fs::temp_directory_path() / ("kunimor-" + test + "-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::set<std::string> EntriesOfRoot() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(root_)) names.insert(entry.path().filename().string());
        return names;
    }

    // A copy of the fixture's text in root/src.
    fs::path CopyOfFixture() const {
        const fs::path src = root_ / "src";
        fs::copy(kFixture, src);
        return src;
    }

    fs::path root_;
};

TEST_F(DictionaryTextTest, DumpOfBuiltFixtureIsTheFixtureAndRebuildsTheSameBytes) {
    BuildDictionary(kFixture, root_ / "data");
    DumpDictionary(root_ / "data", root_ / "text");
    BuildDictionary(root_ / "text", root_ / "again");

    for (const TableSpec& spec : TableSpecs()) {
        const std::string text = spec.baseName + kTableTextExtension;
        const std::string data = spec.baseName + kDictionaryExtension;
        EXPECT_EQ(ReadFile(root_ / "text" / text), ReadFile(kFixture / text)) << text;
        EXPECT_EQ(ReadFile(root_ / "again" / data), ReadFile(root_ / "data" / data)) << data;
    }
    EXPECT_EQ(EntriesOfRoot(), (std::set<std::string>{"again", "data", "text"}));
}

TEST_F(DictionaryTextTest, MissingTableTextFailsWithoutCreatingTheTarget) {
    const fs::path src = CopyOfFixture();
    fs::remove(src / "Theme.tsv");
    EXPECT_EQ(ErrorOf([&] { BuildDictionary(src, root_ / "data"); }), U(PathText(src / "Theme.tsv")) + ": missing");
    EXPECT_EQ(EntriesOfRoot(), (std::set<std::string>{"src"}));
}

TEST_F(DictionaryTextTest, FailedBuildLeavesTheExistingTargetAsItWas) {
    const fs::path data = root_ / "data";
    BuildDictionary(kFixture, data);
    WriteFile(data / "notes.txt", "kept");
    const auto before = Snapshot(data);

    // Theme is the last table, so all others were already written when it fails.
    const fs::path src = CopyOfFixture();
    WriteFile(src / "Theme.tsv", "No\tGroup\tRusAbbr\tRus\tBelAbbr\tBel\tSelected\nx\n");
    EXPECT_EQ(ErrorOf([&] { BuildDictionary(src, data); }),
              U(PathText(src / "Theme.tsv")) + ":2: 1 cells instead of 7");

    EXPECT_EQ(Snapshot(data), before);
    EXPECT_EQ(EntriesOfRoot(), (std::set<std::string>{"data", "src"}));
}

TEST_F(DictionaryTextTest, BuildReplacesTheTablesAndKeepsOtherFiles) {
    const fs::path data = root_ / "data";
    BuildDictionary(kFixture, root_ / "expected");
    fs::create_directories(data);
    WriteFile(data / "WForms.kmr", "stale");
    WriteFile(data / "notes.txt", "kept");

    BuildDictionary(kFixture, data);

    auto expected = Snapshot(root_ / "expected");
    expected["notes.txt"] = "kept";
    EXPECT_EQ(Snapshot(data), expected);
    EXPECT_EQ(EntriesOfRoot(), (std::set<std::string>{"data", "expected"}));
}

TEST_F(DictionaryTextTest, DumpOfDamagedFileNamesItAndWritesNothing) {
    const fs::path data = root_ / "data";
    BuildDictionary(kFixture, data);
    WriteFile(data / "Trans.kmr", "not a dictionary file");

    const std::string error = ErrorOf([&] { DumpDictionary(data, root_ / "text"); });
    EXPECT_TRUE(error.starts_with(U(PathText(data / "Trans.kmr")) + ": ")) << error;
    EXPECT_EQ(EntriesOfRoot(), (std::set<std::string>{"data"}));
}

}  // namespace
}  // namespace kunimor
