#include "cli/TranslationServer.h"

#include <httplib.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/SharedDictionary.h"
#include "dictionary/DictionaryText.h"
#include "ground/Error.h"
#include "support/TempDir.h"

namespace kunimor::cli {
namespace {

using nlohmann::json;

// The test dictionary knows these words in both languages.
constexpr const char* kRussian = "Новый дом и книга брата.";
constexpr const char* kBelarusian = "Новы дом і кніга брата.";

// A server on a free port of this machine, over its own copy of the test
// dictionary, so that a test may damage the files it reloads from.
class TranslationServerTest : public testing::Test {
protected:
    void SetUp() override {
        BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", Data());
    }

    void TearDown() override {
        if (!server_) return;
        server_->Stop();
        serving_.join();
    }

    std::filesystem::path Data() const { return dir_.Path() / "data"; }

    void Start(TServerOptions options = {}) {
        dictionary_ = std::make_unique<TSharedDictionary>(Data());
        options.port = 0;
        server_ = std::make_unique<TTranslationServer>(*dictionary_, options);
        port_ = server_->Bind();
        serving_ = std::thread([this] { server_->Serve(); });
    }

    httplib::Client Client() const {
        httplib::Client client("127.0.0.1", port_);
        client.set_read_timeout(10);
        return client;
    }

    // Posts a JSON body; the status and the answer's JSON.
    std::pair<int, json> Post(const std::string& path, const std::string& body,
                              const std::string& type = "application/json") const {
        httplib::Result res = Client().Post(path.c_str(), body, type.c_str());
        if (!res) return {-1, {}};
        return {res->status, json::parse(res->body, nullptr, false)};
    }

    // The answer to a translation request that must succeed.
    json Translate(const json& request) const {
        const auto [status, answer] = Post("/translate", request.dump());
        EXPECT_EQ(status, 200) << answer.dump();
        return answer;
    }

    TempDir dir_;
    std::unique_ptr<TSharedDictionary> dictionary_;
    std::unique_ptr<TTranslationServer> server_;
    std::thread serving_;
    int port_ = 0;
};

TEST_F(TranslationServerTest, TranslatesATextAsJsonOrFormFields) {
    Start();
    EXPECT_EQ(Translate({{"q", kRussian}, {"source", "ru"}, {"target", "be"}}),
              json({{"translatedText", kBelarusian}}));
    EXPECT_EQ(Translate({{"q", kBelarusian}, {"source", "be"}, {"target", "ru"}})["translatedText"], kRussian);

    httplib::Params form{{"q", kRussian}, {"source", "ru"}, {"target", "be"}};
    httplib::Result res = Client().Post("/translate", form);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(json::parse(res->body)["translatedText"], kBelarusian);
}

TEST_F(TranslationServerTest, AnswersAnArrayWithAnArrayInOrder) {
    Start();
    const json answer = Translate({{"q", {"дом", kRussian, ""}}, {"source", "ru"}, {"target", "be"}});
    EXPECT_EQ(answer["translatedText"], json({"дом", kBelarusian, ""}));
}

TEST_F(TranslationServerTest, HtmlKeepsEveryTagAndAttribute) {
    Start();
    const std::string html =
        "<div class=\"книга\" data-x='a > b'><p>Новый <b title=\"дом и книга\">дом <i>и</i></b> книга "
        "брата.</p>\n<!-- новый дом --><script>var s = \"<b>дом</b>\";</script><br/>&amp; дом</div>";
    const std::string expected =
        "<div class=\"книга\" data-x='a > b'><p>Новы <b title=\"дом и книга\">дом <i>і</i></b> кніга "
        "брата.</p>\n<!-- новый дом --><script>var s = \"<b>дом</b>\";</script><br/>&amp; дом</div>";
    EXPECT_EQ(Translate({{"q", html}, {"source", "ru"}, {"target", "be"}, {"format", "html"}})["translatedText"],
              expected);
}

TEST_F(TranslationServerTest, AutoDetectsEachLanguage) {
    Start();
    struct Case {
        const char* text;
        const char* target;
        const char* detected;
        const char* translation;
    };
    for (const Case& c : {Case{kRussian, "be", "ru", kBelarusian}, Case{kBelarusian, "ru", "be", kRussian},
                          // already in the target language: given back as it is
                          Case{kBelarusian, "be", "be", kBelarusian}}) {
        const json answer = Translate({{"q", c.text}, {"source", "auto"}, {"target", c.target}});
        EXPECT_EQ(answer["translatedText"], c.translation) << c.text;
        EXPECT_EQ(answer["detectedLanguage"]["language"], c.detected) << c.text;
        EXPECT_EQ(answer["detectedLanguage"]["confidence"], 100.0) << c.text;
    }
    const json many = Translate({{"q", {kRussian, kBelarusian}}, {"source", "auto"}, {"target", "ru"}});
    EXPECT_EQ(many["detectedLanguage"][0]["language"], "ru");
    EXPECT_EQ(many["detectedLanguage"][1]["language"], "be");
}

TEST_F(TranslationServerTest, DetectsAndListsTheLanguages) {
    Start();
    // The first line with a letter only one language writes decides: і of кніга;
    // the confidence counts all of them.
    const auto [status, candidates] = Post("/detect", json({{"q", "Дом.\nДом і кніга.\nНовый и книга и"}}).dump());
    EXPECT_EQ(status, 200);
    EXPECT_EQ(candidates, json::parse(R"([{"confidence":40.0,"language":"be"},{"confidence":60.0,"language":"ru"}])"));

    httplib::Result res = Client().Get("/languages");
    ASSERT_TRUE(res);
    EXPECT_EQ(json::parse(res->body), json::parse(R"([{"code":"be","name":"Belarusian","targets":["ru"]},
                                                      {"code":"ru","name":"Russian","targets":["be"]}])"));
    EXPECT_EQ(res->get_header_value("Access-Control-Allow-Origin"), "*");

    // a browser's preflight
    res = Client().Options("/translate");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 204);
    EXPECT_EQ(res->get_header_value("Access-Control-Allow-Origin"), "*");
}

TEST_F(TranslationServerTest, RefusesBadRequestsWithTheirStatus) {
    TServerOptions options;
    options.charLimit = 30;
    options.apiKey = "secret";
    Start(options);
    struct Case {
        std::string body;
        int status;
        std::string error;
    };
    const json good = {{"q", kRussian}, {"source", "ru"}, {"target", "be"}, {"api_key", "secret"}};
    auto with = [&good](const char* name, const json& value) {
        json request = good;
        request[name] = value;
        return request.dump();
    };
    auto without = [&good](const char* name) {
        json request = good;
        request.erase(name);
        return request.dump();
    };
    const std::vector<Case> cases = {
        {without("q"), 400, "Invalid request: missing q parameter"},
        {with("q", 7), 400, "Invalid request: q must be a string or an array of strings"},
        {with("q", {"дом", 7}), 400, "Invalid request: q must be a string or an array of strings"},
        {without("source"), 400, "Invalid request: missing source parameter"},
        {without("target"), 400, "Invalid request: missing target parameter"},
        {with("source", "de"), 400, "de is not supported"},
        {with("target", "uk"), 400, "uk is not supported"},
        {with("target", "ru"), 400, "ru-ru is not a supported language pair"},
        {with("format", "markdown"), 400, "Invalid request: format is text or html, not markdown"},
        {with("alternatives", "many"), 400, "Invalid request: alternatives must be a count"},
        {"{\"q\": \"дом\", ", 400, "Invalid request: malformed JSON"},
        {"[\"дом\"]", 400, "Invalid request: the JSON body is not an object"},
        {without("api_key"), 403, "Invalid API key"},
        {with("api_key", "guess"), 403, "Invalid API key"},
        // the limit counts characters, not bytes: 24 + 7 over all texts
        {with("q", {kRussian, "дом дом"}), 413, "Invalid request: request (31) exceeds text limit (30)"},
    };
    for (const Case& c : cases) {
        const auto [status, answer] = Post("/translate", c.body);
        EXPECT_EQ(status, c.status) << c.body;
        EXPECT_EQ(answer, json({{"error", c.error}})) << c.body;
    }
    // the key is asked for everywhere
    httplib::Result res = Client().Get("/languages");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 403);
    EXPECT_EQ(Post("/translate", good.dump()).first, 200);
    EXPECT_EQ(Post("/translate", with("q", {kRussian, "дом бы"})).first, 200);
}

TEST_F(TranslationServerTest, ReloadNeverDropsARequestAndAFailedOneKeepsTheDictionary) {
    Start();
    std::atomic<bool> done = false;
    std::atomic<int> answered = 0, wrong = 0;
    std::vector<std::thread> clients;
    for (int i = 0; i < 4; ++i) {
        clients.emplace_back([&] {
            httplib::Client client = Client();
            const std::string body = json({{"q", kRussian}, {"source", "ru"}, {"target", "be"}}).dump();
            while (!done) {
                httplib::Result res = client.Post("/translate", body, "application/json");
                if (!res || res->status != 200 || json::parse(res->body)["translatedText"] != kBelarusian) ++wrong;
                ++answered;
            }
        });
    }
    for (int i = 0; i < 3; ++i) dictionary_->Reload();
    // a damaged dictionary: the reload fails and the loaded one goes on
    std::filesystem::resize_file(Data() / "WordsR.kmr", 20);
    EXPECT_THROW(dictionary_->Reload(), Error);
    while (answered < 20) std::this_thread::yield();
    done = true;
    for (std::thread& client : clients) client.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(Translate({{"q", kRussian}, {"source", "ru"}, {"target", "be"}})["translatedText"], kBelarusian);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(TranslationServerTest, TranslatesAParagraphByteForByteAsTheCommandLine) {
    Start();
    // Lines broken inside a sentence, a blank line, CRLF, characters
    // Windows-1251 cannot hold, a word the dictionary lacks.
    const std::string paragraph =
        "Новый дом и\nкнига брата — 🏠 дом.\r\nКнига, дом\u0301 и Zürich…\n\n  Собака и мост брата!\n";
    const std::filesystem::path in = dir_.Path() / "in.txt", out = dir_.Path() / "out.txt";
    std::ofstream(in, std::ios::binary) << paragraph;
    const std::string command = std::string(KUNIMOR_CLI) + " translate ru-be --dict " + Data().string() + " " +
                                in.string() + " >" + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string cli = ReadFile(out);
    EXPECT_EQ(Translate({{"q", paragraph}, {"source", "ru"}, {"target", "be"}})["translatedText"], cli);
    EXPECT_NE(cli, paragraph);
}

}  // namespace
}  // namespace kunimor::cli
