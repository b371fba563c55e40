#pragma once

#include "editing/BelEditModule.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Answers the editing module's questions from a script and records them.
class ScriptedEditPrompter : public kunimor::TEditPrompter {
public:
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + ": " + text);
        const bool yes = !yesNo.empty() && yesNo.front();
        if (!yesNo.empty()) yesNo.pop_front();
        return yes;
    }
    void Inform(const std::string& caption, const std::string& text) override {
        informed.push_back(caption + ": " + text);
    }
    kunimor::TReplaceAnswer DecideReplacement(const kunimor::TReplaceQuestion& q) override {
        replacements.push_back(q);
        return replaceAnswer;
    }

    std::deque<bool> yesNo;
    std::vector<std::string> questions, informed;
    std::vector<kunimor::TReplaceQuestion> replacements;
    kunimor::TReplaceAnswer replaceAnswer = kunimor::kKeepBoth;
};

// The test dictionary (tests/fixtures/dictionary) built into a folder of the
// test's own and opened for editing, so that a test may save over it.
class EditedDictionary : public ::testing::Test {
protected:
    void SetUp() override;

    std::filesystem::path DataDir() const { return dir_.Path() / "data"; }
    // Every table of the folder's files in text form, by file name.
    static std::map<std::string, std::string> Dump(const std::filesystem::path& dataDir);
    // Name, size and modification time of every file in the folder.
    static std::map<std::string, std::string> Listing(const std::filesystem::path& dataDir);

    TempDir dir_;
    ScriptedEditPrompter prompter;
    kunimor::TBelEditModule m{prompter};
    std::vector<std::string> messages;
};
