// Measures a running `kunimor-cli serve`: CLIENTS clients, each on one
// keep-alive connection, post one-sentence translations of about ten words
// for SECONDS seconds; reports requests per second, the median and p99
// latency and the failures. With STALLED, that many more connections are
// opened first and each sends half a request and then nothing, to show
// whether they hold the others up.
//   serve_throughput PORT [SECONDS [CLIENTS [STALLED]]]

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Ten-word sentences, Russian, as a browser extension would send them.
const char* const kSentences[] = {
    "Мой старший брат каждое утро читает новую книгу в саду.",
    "Вчера вечером мы долго гуляли по старому парку у реки.",
    "Эта маленькая собака живёт в нашем доме уже три года.",
    "Учитель рассказал детям интересную историю о далёкой северной стране.",
    "Завтра утром я поеду в город на первом автобусе.",
    "Новый дом стоит на высоком берегу широкой и спокойной реки.",
};

int OpenStalled(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0) ::close(fd);
        return -1;
    }
    const std::string half = "POST /translate HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
                             "Content-Length: 200\r\n\r\n{\"q\": \"Мой";
    if (::send(fd, half.data(), half.size(), 0) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: serve_throughput PORT [SECONDS [CLIENTS [STALLED]]]\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const double seconds = argc > 2 ? std::atof(argv[2]) : 5.0;
    const int clients = argc > 3 ? std::atoi(argv[3]) : 16;
    const int stalledCount = argc > 4 ? std::atoi(argv[4]) : 0;

    std::vector<int> stalled;
    for (int i = 0; i < stalledCount; ++i) {
        if (const int fd = OpenStalled(port); fd >= 0) stalled.push_back(fd);
    }

    std::atomic<bool> stop = false;
    std::atomic<long> failures = 0;
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            for (std::size_t n = static_cast<std::size_t>(c); !stop; ++n) {
                const std::string body = std::string("{\"q\": \"") + kSentences[n % std::size(kSentences)] +
                                         "\", \"source\": \"ru\", \"target\": \"be\"}";
                const auto start = Clock::now();
                httplib::Result res = client.Post("/translate", body, "application/json");
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                if (!res || res->status != 200) ++failures;
                else latencies[static_cast<std::size_t>(c)].push_back(ms);
            }
        });
    }
    const auto begin = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    stop = true;
    for (std::thread& t : threads) t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
    for (const int fd : stalled) ::close(fd);

    std::vector<double> all;
    for (const auto& l : latencies) all.insert(all.end(), l.begin(), l.end());
    std::sort(all.begin(), all.end());
    auto percentile = [&all](double p) {
        return all.empty() ? 0.0 : all[std::min(all.size() - 1, static_cast<std::size_t>(p * all.size()))];
    };
    std::printf("clients %d, stalled connections %zu, %.1f s\n", clients, stalled.size(), elapsed);
    std::printf("requests/s %.0f  median %.2f ms  p99 %.2f ms  max %.2f ms  failures %ld\n", all.size() / elapsed,
                percentile(0.5), percentile(0.99), all.empty() ? 0.0 : all.back(), failures.load());
    return failures > 0 ? 1 : 0;
}
