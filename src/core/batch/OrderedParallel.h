#pragma once
// Items computed on several threads and taken in their order by one caller: a batch
// computes its reactions in parallel and writes them one after the other on the thread
// that owns the window, so the file never depends on the number of threads. At most a
// fixed number of results wait beyond the one the caller takes next, so memory does not
// grow with the number of items.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zorbel {

template <class Result> class OrderedParallel {
public:
    /// Starts `threads` threads computing compute(0) to compute(count - 1). compute must
    /// not throw and may be called from any of them at once.
    OrderedParallel(std::size_t count, unsigned threads, std::size_t ahead,
                    std::function<Result(std::size_t)> compute)
        : count_(count), compute_(std::move(compute)), slots_(ahead) {
        workers_.reserve(threads);
        try {
            for (unsigned t = 0; t < threads; ++t)
                workers_.emplace_back([this] { work(); });
        } catch (...) {
            stop(); // the system refused a thread: those started end before the fault goes on
            throw;
        }
    }
    ~OrderedParallel() { stop(); }
    OrderedParallel(const OrderedParallel&) = delete;
    OrderedParallel& operator=(const OrderedParallel&) = delete;

    /// The result of the next item, waiting for it: items are taken 0, 1, 2...
    Result takeNext() {
        std::unique_lock lock(mutex_);
        std::optional<Result>& slot = slots_[taken_ % slots_.size()];
        changed_.wait(lock, [&] { return slot.has_value(); });
        Result result = std::move(*slot);
        slot.reset();
        ++taken_;
        lock.unlock();
        changed_.notify_all(); // a slot is free for the threads again
        return result;
    }

private:
    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        for (std::thread& worker : workers_)
            worker.join();
    }

    void work() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] {
                return stopping_ || next_ >= count_ || next_ < taken_ + slots_.size();
            });
            if (stopping_ || next_ >= count_)
                return;
            const std::size_t item = next_++;
            lock.unlock();
            Result result = compute_(item);
            lock.lock();
            slots_[item % slots_.size()] = std::move(result);
            changed_.notify_all();
        }
    }

    const std::size_t count_;
    const std::function<Result(std::size_t)> compute_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::optional<Result>> slots_; ///< item i waits in slot i % size
    std::size_t next_ = 0;                     ///< the next item a thread takes up
    std::size_t taken_ = 0;                    ///< items the caller has taken
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

} // namespace zorbel
