#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <semaphore>
#include <string>

namespace kunimor::cli {

class TSharedDictionary;

struct TServerOptions {
    std::string host = "127.0.0.1";
    int port = 5000;  // 0: any free port
    // Requests worked on at once; their translations take turns.
    int threads = 1;
    // Characters a request may hold in all its texts.
    std::optional<std::size_t> charLimit;
    // When not empty, every request must carry it as api_key.
    std::string apiKey;
};

// A translation server speaking the LibreTranslate API (POST /translate,
// POST /detect, GET /languages; JSON or form-encoded requests) over one
// shared dictionary. The dictionary must outlive the server.
class TTranslationServer {
public:
    TTranslationServer(TSharedDictionary& dictionary, TServerOptions options);
    ~TTranslationServer();
    TTranslationServer(const TTranslationServer&) = delete;
    TTranslationServer& operator=(const TTranslationServer&) = delete;

    // Binds the host and port; returns the port, the free one chosen when
    // the options ask for any. Raises Error when it cannot bind.
    int Bind();
    // Serves until Stop; the requests in flight are answered first.
    void Serve();
    // May be called from any thread, also before Serve has started.
    void Stop();

private:
    class THttpServer;
    void Route();

    TSharedDictionary& dictionary_;
    const TServerOptions options_;
    std::counting_semaphore<> requestsAtOnce_;
    std::atomic<bool> stopping_ = false;
    std::unique_ptr<THttpServer> http_;
};

}  // namespace kunimor::cli
