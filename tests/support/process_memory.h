#pragma once

#include <fstream>
#include <string>

namespace orvant::test {

// The resident size of this process in kB (Linux), -1 where it cannot be read.
inline long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace orvant::test
