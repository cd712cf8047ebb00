// Reads and prepares one capture file, as a load does, and prints how long the
// first read took and the median of further reads. For measuring time and peak
// memory by hand: read_capture FILE [READS]
#include "capture/capture_load.h"
#include "capture/load_error.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double timedRead(const char *file, orvant::PreparedCapture &prepared)
{
    const auto start = std::chrono::steady_clock::now();
    prepared = orvant::readPreparedCapture(file);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: read_capture FILE [READS]\n");
        return 2;
    }
    orvant::PreparedCapture prepared;
    const double first = timedRead(argv[1], prepared);
    if (prepared.error) {
        std::printf("%s\n", orvant::loadErrorReport(*prepared.error).c_str());
        return 1;
    }
    std::vector<double> times;
    const long reads = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 0;
    for (long i = 0; i < reads; ++i)
        times.push_back(timedRead(argv[1], prepared));
    std::sort(times.begin(), times.end());
    std::printf("first read %.1f us", first);
    if (!times.empty())
        std::printf(", median of %ld more %.2f us", reads, times[times.size() / 2]);
    std::printf(", text starts %.16s\n", prepared.text.data());
    return 0;
}
