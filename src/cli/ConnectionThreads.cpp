#include "cli/ConnectionThreads.h"

#include <chrono>
#include <thread>
#include <utility>

namespace kunimor::cli {
namespace {

constexpr auto kIdleEnd = std::chrono::seconds(30);

}  // namespace

TConnectionThreads::TConnectionThreads(std::size_t maxThreads, std::function<void()> onIdle)
    : maxThreads_(maxThreads < 1 ? 1 : maxThreads), onIdle_(std::move(onIdle)) {}

TConnectionThreads::~TConnectionThreads() { shutdown(); }

void TConnectionThreads::enqueue(std::function<void()> fn) {
    std::unique_lock lock(mutex_);
    jobs_.push_back(std::move(fn));
    if (idle_ >= jobs_.size() || threads_ >= maxThreads_) {
        work_.notify_one();
        return;
    }
    ++threads_;
    lock.unlock();
    std::thread(&TConnectionThreads::Work, this).detach();
}

void TConnectionThreads::shutdown() {
    std::unique_lock lock(mutex_);
    shutdown_ = true;
    work_.notify_all();
    ended_.wait(lock, [this] { return threads_ == 0; });
}

void TConnectionThreads::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        ++idle_;
        work_.wait_for(lock, kIdleEnd, [this] { return shutdown_ || !jobs_.empty(); });
        --idle_;
        if (jobs_.empty()) break;  // shut down, or idle long enough
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
    if (--threads_ == 0) ended_.notify_all();
}

}  // namespace kunimor::cli
