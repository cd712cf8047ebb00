#include "export/batch_output.h"

#include "shared/atomic_file.h"
#include "shared/folders.h"

#include <algorithm>

namespace orvant {

namespace {

bool endsWithLogInAnyCase(std::string_view name)
{
    constexpr std::string_view kLog = ".log";
    if (name.size() < kLog.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kLog.size());
    return std::equal(tail.begin(), tail.end(), kLog.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

} // namespace

std::string_view batchOutputSuffix(BatchOutput output)
{
    switch (output) {
    case BatchOutput::Csv:
        return ".csv";
    case BatchOutput::Picture:
        return ".png";
    case BatchOutput::DataFile:
        break;
    }
    return " Data File.txt";
}

bool isLeftAsideOutput(const std::string &fileName)
{
    for (const BatchOutput output : {BatchOutput::DataFile, BatchOutput::Csv, BatchOutput::Picture})
        if (isAsideName(fileName, batchOutputSuffix(output)))
            return true;
    return false;
}

std::string batchOutputName(const std::filesystem::path &capture, BatchOutput output)
{
    std::string name = pathText(capture.filename());
    if (endsWithLogInAnyCase(name))
        name.resize(name.size() - 4);
    return name.append(batchOutputSuffix(output));
}

} // namespace orvant
