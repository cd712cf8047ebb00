#include "viewer/captures_scan.h"

#include "shared/folders.h"
#include "table/summary_pool.h"

#include <chrono>

namespace orvant {

namespace {

constexpr std::size_t kBatchRows = 256;
constexpr auto kBatchTime = std::chrono::milliseconds(40);

// One processor is left to the window, so that it never waits for the workers.
unsigned workerCount()
{
    const unsigned processors = std::thread::hardware_concurrency();
    return processors > 2 ? processors - 1 : 1;
}

} // namespace

CapturesScan::CapturesScan(Rows rows, QObject *parent)
    : QObject(parent)
    , rows_(std::move(rows))
{
}

CapturesScan::~CapturesScan()
{
    stop();
}

void CapturesScan::stop()
{
    if (stop_)
        *stop_ = true;
    if (worker_.joinable())
        worker_.join();
    running_ = false;
    ++generation_;
}

void CapturesScan::start(const std::string &folder, std::vector<std::string> names,
                         std::shared_ptr<const ReferenceComparison> reference)
{
    stop();
    running_ = true;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    const unsigned generation = generation_;
    worker_ = std::jthread([this, generation, stop = stop_, folder, names = std::move(names),
                            reference = std::move(reference)] {
        std::vector<SummaryRequest> requests;
        requests.reserve(names.size());
        for (const std::string &name : names) {
            const std::filesystem::path file = pathFromText(folder) / pathFromText(name);
            requests.push_back({file, pathText(file), reference.get()});
        }
        std::vector<CaptureSummary> batch;
        auto sent = std::chrono::steady_clock::now();
        const auto send = [&](std::size_t done) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, done, total = names.size(), rows = std::move(batch)]() mutable {
                    deliver(generation, std::move(rows), done, total);
                },
                Qt::QueuedConnection);
            batch.clear();
            sent = std::chrono::steady_clock::now();
        };
        summarizeInOrder(
            requests, workerCount(),
            [&](std::size_t index, CaptureSummary &&summary) {
                batch.push_back(std::move(summary));
                if (batch.size() >= kBatchRows
                    || std::chrono::steady_clock::now() - sent > kBatchTime)
                    send(index + 1);
            },
            stop.get());
        if (!*stop)
            send(names.size());
    });
}

void CapturesScan::deliver(unsigned generation, std::vector<CaptureSummary> &&summaries,
                           std::size_t done, std::size_t total)
{
    if (generation != generation_)
        return; // a scan stopped since
    if (done == total)
        running_ = false;
    rows_(std::move(summaries), done, total);
}

} // namespace orvant
