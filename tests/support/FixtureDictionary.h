#pragma once

#include "dictionary/BelModule.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Tests on the test dictionary (tests/fixtures/dictionary): its files are
// built once per suite and each test opens them afresh, so records a test
// adds in memory are gone for the next. The module's messages are kept.
class FixtureDictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    kunimor::TBelModule m;
    std::vector<std::string> openMessages;  // what the open reported
    std::vector<std::string> messages;      // reported since

private:
    static std::unique_ptr<TempDir> data_;
};

// Appends a record with these field values (by field position) and posts it.
void AddRow(kunimor::Table& t, std::initializer_list<std::pair<int, kunimor::Value>> values);
