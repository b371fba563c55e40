#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <charconv>
#include <iostream>
#include <thread>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/SharedDictionary.h"
#include "cli/Terminal.h"
#include "cli/TranslationServer.h"
#include "dictionary/DataFolder.h"
#include "ground/Error.h"

namespace kunimor::cli {

const std::string_view kServeUsage =
    "  serve                         a translation server speaking the LibreTranslate API\n"
    "                                (POST /translate, POST /detect, GET /languages; codes ru, be)\n"
    "    --host ADDRESS              the address to listen on (127.0.0.1 unless given)\n"
    "    --port N                    the port (5000 unless given; 0: any free one)\n"
    "    --threads N                 requests worked on at once (the number of cores unless\n"
    "                                given); their translations take turns on the dictionary\n"
    "    --char-limit N              the most characters a request may hold\n"
    "    --api-key KEY               answer only requests that carry api_key KEY\n"
    "                                SIGHUP reloads the dictionary, SIGTERM stops the server\n";

namespace {

// A whole number from min to max given to an option.
std::optional<long> CountOption(std::vector<std::string>& args, std::string_view name, long min, long max) {
    const std::optional<std::string> text = TakeOption(args, name);
    if (!text) return std::nullopt;
    long value = 0;
    const auto [end, problem] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (problem != std::errc() || end != text->data() + text->size() || value < min || value > max) {
        throw UsageError(std::string(name) + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + *text + "\"");
    }
    return value;
}

// Every connection holds a descriptor; allow as many as the system lets us.
void RaiseOpenFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

}  // namespace

int RunServeCommand(std::vector<std::string> args) {
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    TServerOptions options;
    options.host = TakeOption(args, "--host").value_or(options.host);
    options.port = static_cast<int>(CountOption(args, "--port", 0, 65535).value_or(options.port));
    const long cores = std::max(1u, std::thread::hardware_concurrency());
    options.threads = static_cast<int>(CountOption(args, "--threads", 1, 1024).value_or(cores));
    if (const std::optional<long> limit = CountOption(args, "--char-limit", 1, 1'000'000'000)) options.charLimit = *limit;
    options.apiKey = TakeOption(args, "--api-key").value_or("");
    RequireNoOptions(args);
    RequireArgumentCount(args, 0, 0, "serve");

    // The signals are taken by a thread of their own, never in the middle of a request.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int s : {SIGHUP, SIGTERM, SIGINT}) sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    RaiseOpenFileLimit();

    const std::filesystem::path dataDir = DataFolder(dict);
    std::optional<TSharedDictionary> dictionary;
    try {
        dictionary.emplace(dataDir);
    } catch (const Error& e) {
        std::cerr << "kunimor-cli: no usable dictionary in " << dataDir.string() << ": " << TerminalText(e.what())
                  << "\n  choose the folder with --dict DIR or $KUNIMOR_DATA\n";
        return kExitUsage;
    }
    TTranslationServer server(*dictionary, options);
    const int port = server.Bind();
    std::cerr << "kunimor-cli: serving on http://" << options.host << ':' << port
              << "/ (ru, be); SIGHUP reloads the dictionary, SIGTERM or Ctrl+C stops" << std::endl;

    std::thread signalTaker([&] {
        for (;;) {
            int signal = 0;
            if (sigwait(&signals, &signal) != 0) continue;
            if (signal != SIGHUP) break;
            try {
                dictionary->Reload();
                std::cerr << "kunimor-cli: the dictionary is reloaded" << std::endl;
            } catch (const std::exception& e) {
                std::cerr << "kunimor-cli: the dictionary did not reload, the one loaded before goes on serving: "
                          << TerminalText(e.what()) << std::endl;
            }
        }
        server.Stop();
    });
    server.Serve();
    // Should serving end of itself, the signal thread is still waiting for its signal.
    kill(getpid(), SIGTERM);
    signalTaker.join();
    return kExitOk;
}

}  // namespace kunimor::cli
