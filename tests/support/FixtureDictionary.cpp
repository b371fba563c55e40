#include "support/FixtureDictionary.h"

#include "dictionary/DictionaryText.h"

std::unique_ptr<TempDir> FixtureDictionary::data_;

void FixtureDictionary::SetUpTestSuite() {
    data_ = std::make_unique<TempDir>();
    kunimor::BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", data_->Path() / "data");
}

void FixtureDictionary::TearDownTestSuite() { data_.reset(); }

void FixtureDictionary::SetUp() {
    m.OnMessage = [this](const std::string& text) { messages.push_back(text); };
    ASSERT_TRUE(m.OpenDictionary((data_->Path() / "data").string()));
    openMessages.swap(messages);
}

void AddRow(kunimor::Table& t, std::initializer_list<std::pair<int, kunimor::Value>> values) {
    t.Insert();
    for (const auto& [field, value] : values) t.Set(field, value);
    t.Post();
}
