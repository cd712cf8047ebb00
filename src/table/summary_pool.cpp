#include "table/summary_pool.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orvant {

namespace {

// Finished summaries waiting for their turn; workers stay at most `window` rows ahead
// of the one handed on, so memory stays bounded however large the run.
class OrderedResults
{
public:
    explicit OrderedResults(std::size_t window)
        : window_(window)
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

    void put(std::size_t index, CaptureSummary &&summary)
    {
        {
            const std::lock_guard lock(mutex_);
            ready_[index - handed_] = std::move(summary);
        }
        arrived_.notify_all();
    }

    // The summary of `index` once it is there; none when stopped first.
    std::optional<CaptureSummary> wait(std::size_t index, const std::atomic<bool> *stop)
    {
        std::unique_lock lock(mutex_);
        while (!ready_.front() || stopped(stop)) {
            if (stopped(stop))
                return std::nullopt;
            arrived_.wait_for(lock, std::chrono::milliseconds(50),
                              [&] { return ready_.front().has_value(); });
        }
        CaptureSummary summary = std::move(*ready_.front());
        ready_.pop_front();
        ready_.emplace_back();
        handed_ = index + 1;
        lock.unlock();
        room_.notify_all();
        return summary;
    }

    // No more rows are wanted: the workers end after the summary they are making.
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
    // Index `handed_` first.
    std::deque<std::optional<CaptureSummary>> ready_
        = std::deque<std::optional<CaptureSummary>>(window_);
    std::size_t next_ = 0;
    std::size_t handed_ = 0;
    bool finished_ = false;
};

// Ends the workers however the caller's loop ends, before they are joined.
struct Finishing
{
    OrderedResults &results;
    ~Finishing() { results.finish(); }
};

} // namespace

bool summarizeInOrder(std::span<const SummaryRequest> requests, unsigned threads,
                      const std::function<void(std::size_t, CaptureSummary &&)> &onRow,
                      const std::atomic<bool> *stop)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    OrderedResults results(std::max<std::size_t>(64, 16 * threads));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            while (const auto index = results.take(requests.size(), stop))
                results.put(*index,
                            summarizeCapture(requests[*index].capture, requests[*index].file));
        });
    }
    const Finishing finishing {results}; // destroyed before the workers are joined
    bool complete = true;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        auto summary = results.wait(i, stop);
        if (!summary) {
            complete = false;
            break;
        }
        onRow(i, std::move(*summary));
    }
    return complete;
}

} // namespace orvant
