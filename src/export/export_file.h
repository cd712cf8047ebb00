#pragma once

#include "shared/var_global.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace orvant {

// The moment of an export as its texts: date yyyy-MM-dd, time hh:mm:ss (local,
// 24-hour, two digits each).
struct ExportTime
{
    std::string dateText;
    std::string timeText;

    static ExportTime at(std::chrono::system_clock::time_point moment);
    // hh-mm-ss: characters 1-2, 4-5 and 7-8 of the time joined with "-".
    std::string fileTimeText() const;
};

// "<folder>/ORVANT Data File <date> <hh-mm-ss>.txt"
std::filesystem::path exportFileName(const std::filesystem::path &folder, const ExportTime &time);

// Line 1: "C:\ORVANT Data File <date> <hh:mm:ss>" on every system.
std::string exportFirstLine(const ExportTime &time);

// The 1581 lines, each ended by CR LF, 8-bit characters as they are.
std::string exportContent(const PreparedText &text, const ByteTable &bytes, const CurveTable &curve,
                          const ExportTime &line1Time);

constexpr int kExportLineCount = 1581;

struct ExportResult
{
    std::filesystem::path file;
    std::optional<std::string> failure; // the reason the file could not be written
};

// Writes the export of what the tables hold into `folder`, which must exist (it is
// never created): aside first, renamed into place when complete. The name takes
// the moment the export started, line 1 the moment of writing.
ExportResult writeExportFile(const std::filesystem::path &folder, const VarGlobal &state,
                             const ExportTime &nameTime, const ExportTime &line1Time);
ExportResult writeExportFile(const std::filesystem::path &folder, const VarGlobal &state,
                             const ExportTime &time);

// "The Data File  < NAME >  has been created"
std::string exportCreatedMessage(const std::filesystem::path &file);
// "The Data File  < NAME >  could not be created: REASON"
std::string exportFailedMessage(const std::filesystem::path &file, const std::string &reason);

} // namespace orvant
