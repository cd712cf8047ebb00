#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orvant {

namespace detail {

// Finished results waiting for their turn; workers stay at most `window` items ahead of
// the one handed on, so memory stays bounded however long the run.
template<typename Result> class OrderedResults
{
public:
    explicit OrderedResults(std::size_t window)
        : window_(window)
        , ready_(window)
    {
    }

    // The next index to work on, or none when done or stopped.
    std::optional<std::size_t> take(std::size_t count, const std::atomic<bool> *stop)
    {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [&] { return next_ < handed_ + window_ || stopped(stop); });
        if (next_ >= count || stopped(stop))
            return std::nullopt;
        return next_++;
    }

    void put(std::size_t index, Result &&result)
    {
        {
            const std::lock_guard lock(mutex_);
            ready_[index - handed_] = std::move(result);
        }
        arrived_.notify_all();
    }

    // The result of `index` once it is there; none when stopped first.
    std::optional<Result> wait(std::size_t index, const std::atomic<bool> *stop)
    {
        std::unique_lock lock(mutex_);
        while (!ready_.front() || stopped(stop)) {
            if (stopped(stop))
                return std::nullopt;
            // A stop flag is polled: whoever sets it need not know this pool.
            arrived_.wait_for(lock, std::chrono::milliseconds(50),
                              [&] { return ready_.front().has_value(); });
        }
        Result result = std::move(*ready_.front());
        ready_.pop_front();
        ready_.emplace_back();
        handed_ = index + 1;
        lock.unlock();
        room_.notify_all();
        return result;
    }

    // No more results are wanted: the workers end after the item they are on.
    void finish()
    {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        room_.notify_all();
    }

private:
    bool stopped(const std::atomic<bool> *stop) const
    {
        return finished_ || (stop && stop->load());
    }

    const std::size_t window_;
    std::mutex mutex_;
    std::condition_variable room_;
    std::condition_variable arrived_;
    std::deque<std::optional<Result>> ready_; // index `handed_` first
    std::size_t next_ = 0;
    std::size_t handed_ = 0;
    bool finished_ = false;
};

} // namespace detail

// Works out items 0 .. count-1 on `threads` worker threads (0: one per processor) and
// hands each result to `onResult` on the calling thread in the order of the items,
// whichever thread finishes first. `stop`, when set, ends the run early; returns false
// then. `work` runs on the workers and must touch nothing the caller's thread uses.
template<typename Result>
bool runInOrder(std::size_t count, unsigned threads, const std::function<Result(std::size_t)> &work,
                const std::function<void(std::size_t, Result &&)> &onResult,
                const std::atomic<bool> *stop = nullptr)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    detail::OrderedResults<Result> results(std::max<std::size_t>(64, 16 * threads));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            while (const auto index = results.take(count, stop))
                results.put(*index, work(*index));
        });
    }
    // Ends the workers however the loop below ends, before they are joined.
    struct Finishing
    {
        detail::OrderedResults<Result> &results;
        ~Finishing() { results.finish(); }
    } const finishing {results};
    for (std::size_t i = 0; i < count; ++i) {
        auto result = results.wait(i, stop);
        if (!result)
            return false;
        onResult(i, std::move(*result));
    }
    return true;
}

} // namespace orvant
