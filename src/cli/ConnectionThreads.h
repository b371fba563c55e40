#pragma once

#include <httplib.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace kunimor::cli {

// The server's connections, each served on a thread of its own, started
// when no thread is idle, up to a limit past which connections wait their
// turn. A keep-alive client, or one that stops sending halfway through a
// request (until the read timeout drops it), so holds its own thread only
// and never the ones the other clients are served on. A thread idle for a
// while ends. shutdown lets the connections in flight finish.
class TConnectionThreads : public httplib::TaskQueue {
public:
    // onIdle runs on the server's accepting thread whenever it has waited
    // a while without a new connection.
    TConnectionThreads(std::size_t maxThreads, std::function<void()> onIdle);
    ~TConnectionThreads() override;

    void enqueue(std::function<void()> fn) override;
    void shutdown() override;
    void on_idle() override { onIdle_(); }

private:
    void Work();

    const std::size_t maxThreads_;
    const std::function<void()> onIdle_;
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable ended_;
    std::deque<std::function<void()>> jobs_;
    std::size_t threads_ = 0;
    std::size_t idle_ = 0;
    bool shutdown_ = false;
};

}  // namespace kunimor::cli
