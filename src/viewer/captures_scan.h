#pragma once

#include "table/capture_summary.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace orvant {

// Summarises files of a folder on worker threads, never on the window's thread, and
// hands the rows over on it in batches, in the order asked. A new scan stops the one
// before; its batches no longer arrive.
class CapturesScan : public QObject
{
    Q_OBJECT

public:
    // Rows in order; `done` of `total` summarised so far in this scan.
    using Rows
        = std::function<void(std::vector<CaptureSummary> &&, std::size_t done, std::size_t total)>;

    CapturesScan(Rows rows, QObject *parent = nullptr);
    ~CapturesScan() override;

    // With a reference, each capture is compared with it too.
    void start(const std::string &folder, std::vector<std::string> names,
               std::shared_ptr<const ReferenceComparison> reference = nullptr);
    void stop();
    bool running() const { return running_; }

private:
    void deliver(unsigned generation, std::vector<CaptureSummary> &&summaries, std::size_t done,
                 std::size_t total);

    Rows rows_;
    unsigned generation_ = 0;
    bool running_ = false;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::jthread worker_;
};

} // namespace orvant
