#include "table/summary_pool.h"

#include "shared/ordered_pool.h"

namespace orvant {

bool summarizeInOrder(std::span<const SummaryRequest> requests, unsigned threads,
                      const std::function<void(std::size_t, CaptureSummary &&)> &onRow,
                      const std::atomic<bool> *stop)
{
    return runInOrder<CaptureSummary>(
        requests.size(), threads,
        [&](std::size_t i) {
            return summarizeCapture(requests[i].capture, requests[i].file, requests[i].reference);
        },
        onRow, stop);
}

} // namespace orvant
