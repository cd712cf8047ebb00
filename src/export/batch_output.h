#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvant {

// What a capture is written as: the data file unless --csv, --png, --spectrum, --json,
// --svg or --pdf ask for others.
enum class BatchOutput { DataFile, Csv, Picture, Spectrum, Json, Svg, Pdf };

// "<capture file name> Data File.txt", "<capture file name>.csv",
// "<capture file name>.png", "<capture file name> spectrum.csv", ".json", ".svg" or
// ".pdf": the name without its folder and without a final ".log" in any letter case.
std::string batchOutputName(const std::filesystem::path &capture,
                            BatchOutput output = BatchOutput::DataFile);

// " Data File.txt", ".csv", ".png", " spectrum.csv", ".json", ".svg" or ".pdf".
std::string_view batchOutputSuffix(BatchOutput output);

// True for a file an interrupted run of the batch left aside.
bool isLeftAsideOutput(const std::string &fileName);

} // namespace orvant
