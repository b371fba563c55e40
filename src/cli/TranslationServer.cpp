#include "cli/TranslationServer.h"

#include <httplib.h>
#include <sys/socket.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "cli/ConnectionThreads.h"
#include "cli/SharedDictionary.h"
#include "ground/Error.h"
#include "ground/HtmlText.h"
#include "ground/Language.h"
#include "ground/LanguageGuess.h"
#include "ground/TranslationRequest.h"
#include "ground/UnicodeText.h"

namespace kunimor::cli {
namespace {

using nlohmann::json;

// Past this many connections at once a new one waits for a thread.
constexpr std::size_t kMaxConnectionThreads = 4096;
// A keep-alive client may send this many requests on one connection.
constexpr std::size_t kKeepAliveRequests = 100000;
constexpr time_t kReadTimeoutSeconds = 5;

// A request the server answers with an error status and message.
struct TRequestError {
    int status;
    std::string message;
};

[[noreturn]] void BadRequest(std::string message) { throw TRequestError{400, std::move(message)}; }

std::string Dump(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

void Answer(httplib::Response& res, int status, const json& body) {
    res.status = status;
    res.set_content(Dump(body), "application/json");
}

bool IsJson(const httplib::Request& req) {
    return req.get_header_value("Content-Type").starts_with("application/json");
}

// The request's parameters: the JSON object of its body, or its form and
// query fields, a field given more than once as an array of its values.
json Parameters(const httplib::Request& req) {
    if (IsJson(req)) {
        json body = json::parse(req.body, nullptr, false);
        if (body.is_discarded()) BadRequest("Invalid request: malformed JSON");
        if (!body.is_object()) BadRequest("Invalid request: the JSON body is not an object");
        return body;
    }
    json fields = json::object();
    auto add = [&fields](const std::string& name, const std::string& value) {
        if (!fields.contains(name)) fields[name] = value;
        else if (fields[name].is_array()) fields[name].push_back(value);
        else fields[name] = json::array({fields[name], value});
    };
    for (const auto& [name, value] : req.params) add(name, value);
    for (const auto& [name, file] : req.files) add(name, file.content);
    return fields;
}

std::optional<std::string> StringParameter(const json& params, const std::string& name) {
    const auto it = params.find(name);
    if (it == params.end() || it->is_null()) return std::nullopt;
    if (!it->is_string()) BadRequest("Invalid request: " + name + " must be a string");
    return it->get<std::string>();
}

std::string RequiredString(const json& params, const std::string& name) {
    std::optional<std::string> value = StringParameter(params, name);
    if (!value || value->empty()) BadRequest("Invalid request: missing " + name + " parameter");
    return *value;
}

// The texts of q, and whether q is an array of them.
std::pair<std::vector<std::string>, bool> Texts(const json& params) {
    const auto q = params.find("q");
    if (q == params.end() || q->is_null()) BadRequest("Invalid request: missing q parameter");
    if (q->is_string()) return {{q->get<std::string>()}, false};
    if (!q->is_array()) BadRequest("Invalid request: q must be a string or an array of strings");
    std::vector<std::string> texts;
    for (const json& item : *q) {
        if (!item.is_string()) BadRequest("Invalid request: q must be a string or an array of strings");
        texts.push_back(item.get<std::string>());
    }
    return {std::move(texts), true};
}

std::string_view CodeOf(int lang) { return lang == kBelarusian ? "be" : "ru"; }

std::optional<int> LanguageOfCode(std::string_view code) {
    if (code == "ru") return kRussian;
    if (code == "be") return kBelarusian;
    return std::nullopt;
}

int Language(const std::string& code) {
    const std::optional<int> lang = LanguageOfCode(code);
    if (!lang) BadRequest(code + " is not supported");
    return *lang;
}

json Guesses(const std::string& text) {
    json candidates = json::array();
    for (const TLanguageGuess& guess : GuessLanguage(Utf8TextToCp1251(text))) {
        candidates.push_back({{"confidence", guess.confidence}, {"language", CodeOf(guess.language)}});
    }
    return candidates;
}

// How many other translations the request asks for: a count, as a number or a numeral.
int AlternativeCount(const json& params) {
    const auto n = params.find("alternatives");
    if (n == params.end() || n->is_null()) return 0;
    if (n->is_number_integer() && n->get<int64_t>() >= 0) return static_cast<int>(std::min<int64_t>(n->get<int64_t>(), 100));
    if (n->is_string()) {
        const std::string& digits = n->get_ref<const std::string&>();
        if (!digits.empty() && digits.size() < 4 && digits.find_first_not_of("0123456789") == std::string::npos)
            return std::stoi(digits);
    }
    BadRequest("Invalid request: alternatives must be a count");
}

void CheckCharLimit(const std::vector<std::string>& texts, const std::optional<std::size_t>& limit) {
    if (!limit) return;
    std::size_t chars = 0;
    for (const std::string& text : texts)
        chars += static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // the first byte of a character
        }));
    if (chars > *limit) {
        throw TRequestError{413, "Invalid request: request (" + std::to_string(chars) + ") exceeds text limit (" +
                                     std::to_string(*limit) + ")"};
    }
}

std::string ErrorText(int status) {
    switch (status) {
        case 404: return "Not found";
        case 405: return "Method not allowed";
        case 413: return "Invalid request: the request is too large";
        default: return "The request failed";
    }
}

}  // namespace

// httplib listens with a backlog of five connections; a burst of clients
// connecting at once would have the rest of them retry a second later.
class TTranslationServer::THttpServer : public httplib::Server {
public:
    void WidenBacklog() { ::listen(svr_sock_, SOMAXCONN); }
};

TTranslationServer::TTranslationServer(TSharedDictionary& dictionary, TServerOptions options)
    : dictionary_(dictionary),
      options_(std::move(options)),
      requestsAtOnce_(std::max(options_.threads, 1)),
      http_(std::make_unique<THttpServer>()) {
    http_->new_task_queue = [this] {
        // Stop may have come before the server was listening; this is where it takes effect then.
        return new TConnectionThreads(kMaxConnectionThreads, [this] {
            if (stopping_) http_->stop();
        });
    };
    http_->set_idle_interval(0, 200'000);
    // An answer goes out at once, not after the client's delayed acknowledgement.
    http_->set_tcp_nodelay(true);
    http_->set_keep_alive_max_count(kKeepAliveRequests);
    http_->set_read_timeout(kReadTimeoutSeconds);
    http_->set_payload_max_length(kMaxRequestText);
    http_->set_default_headers({{"Access-Control-Allow-Origin", "*"},
                                {"Access-Control-Allow-Methods", "GET, POST, OPTIONS"},
                                {"Access-Control-Allow-Headers", "Content-Type, Authorization"}});
    Route();
}

TTranslationServer::~TTranslationServer() = default;

int TTranslationServer::Bind() {
    const int port = options_.port == 0 ? http_->bind_to_any_port(options_.host)
                                        : (http_->bind_to_port(options_.host, options_.port) ? options_.port : -1);
    if (port < 0) {
        throw Error("cannot listen on " + options_.host + " port " + std::to_string(options_.port) +
                    ": the address is taken or not this machine's");
    }
    http_->WidenBacklog();
    return port;
}

void TTranslationServer::Serve() {
    if (!stopping_) http_->listen_after_bind();
}

void TTranslationServer::Stop() {
    stopping_ = true;
    http_->stop();
}

void TTranslationServer::Route() {
    // Each handler gets the request's parameters once the key is checked;
    // what it throws becomes the answer's error.
    using THandler = std::function<json(const json& params)>;
    auto serve = [this](THandler handler) {
        return [this, handler = std::move(handler)](const httplib::Request& req, httplib::Response& res) {
            requestsAtOnce_.acquire();
            struct TRelease {
                std::counting_semaphore<>& s;
                ~TRelease() { s.release(); }
            } release{requestsAtOnce_};
            try {
                const json params = Parameters(req);
                if (!options_.apiKey.empty() && StringParameter(params, "api_key") != options_.apiKey)
                    throw TRequestError{403, "Invalid API key"};
                Answer(res, 200, handler(params));
            } catch (const TRequestError& e) {
                Answer(res, e.status, {{"error", e.message}});
            }
        };
    };

    http_->Get("/languages", serve([](const json&) {
        return json::array({{{"code", "be"}, {"name", "Belarusian"}, {"targets", {"ru"}}},
                            {{"code", "ru"}, {"name", "Russian"}, {"targets", {"be"}}}});
    }));

    http_->Post("/detect", serve([this](const json& params) {
        const auto [texts, many] = Texts(params);
        CheckCharLimit(texts, options_.charLimit);
        if (!many) return Guesses(texts.front());
        json all = json::array();
        for (const std::string& text : texts) all.push_back(Guesses(text));
        return all;
    }));

    http_->Post("/translate", serve([this](const json& params) {
        const auto [texts, many] = Texts(params);
        const std::string source = RequiredString(params, "source");
        const int target = Language(RequiredString(params, "target"));
        const bool detect = source == "auto";
        const int fixedSource = detect ? target : Language(source);
        if (!detect && fixedSource == target) BadRequest(source + "-" + source + " is not a supported language pair");
        const std::string format = StringParameter(params, "format").value_or("text");
        if (format != "text" && format != "html") BadRequest("Invalid request: format is text or html, not " + format);
        const int alternativeCount = AlternativeCount(params);
        CheckCharLimit(texts, options_.charLimit);

        json translated = json::array(), detected = json::array(), alternatives = json::array();
        for (const std::string& text : texts) {
            int from = fixedSource;
            if (detect) {
                const json guess = Guesses(text).front();
                from = *LanguageOfCode(guess["language"].get<std::string>());
                detected.push_back(guess);
            }
            // A text found already in the target language is its own translation.
            if (from == target) translated.push_back(text);
            else if (format == "html")
                translated.push_back(TransformHtmlText(
                    text, [&](std::string_view run) { return dictionary_.Translate(from, std::string(run)); }));
            else translated.push_back(dictionary_.Translate(from, text));
            // Whole-text alternatives are not made from the word variants yet.
            alternatives.push_back(json::array());
        }
        json answer = {{"translatedText", many ? translated : translated.front()}};
        if (detect) answer["detectedLanguage"] = many ? detected : detected.front();
        if (alternativeCount > 0) answer["alternatives"] = many ? alternatives : alternatives.front();
        return answer;
    }));

    // A browser asks before its first cross-origin request.
    http_->Options(".*", [](const httplib::Request&, httplib::Response& res) { res.status = 204; });

    // Errors httplib answers itself (no route, too large) get a JSON body too.
    http_->set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
        if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
        Answer(res, res.status, {{"error", ErrorText(res.status)}});
        return httplib::Server::HandlerResponse::Handled;
    }));
    http_->set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr failure) {
        std::string message = "The translation failed";
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            message += std::string(": ") + e.what();
        } catch (...) {
        }
        Answer(res, 500, {{"error", message}});
    });
}

}  // namespace kunimor::cli
