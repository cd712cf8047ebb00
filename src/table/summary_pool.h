#pragma once

#include "table/capture_summary.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace orvant {

// A capture to summarise and what its row's file column says.
struct SummaryRequest
{
    std::filesystem::path capture;
    std::string file;
    const ReferenceComparison *reference = nullptr; // shared by the workers, read only
};

// Summarises every request on `threads` worker threads (0: one per processor) and
// hands each summary to `onRow` on the calling thread, in the order asked, whatever
// thread finishes first. `stop`, when set, ends the run early; returns false then.
bool summarizeInOrder(std::span<const SummaryRequest> requests, unsigned threads,
                      const std::function<void(std::size_t, CaptureSummary &&)> &onRow,
                      const std::atomic<bool> *stop = nullptr);

} // namespace orvant
