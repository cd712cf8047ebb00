#pragma once

#include "capture/capture_load.h"
#include "capture/load_error.h"
#include "export/export_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace orvant {

// The program's state after loading the capture as the first capture of a fresh
// start (its shown settings those the panel shows), or the load error.
struct FreshCapture
{
    std::unique_ptr<VarGlobal> state; // large tables: on the heap
    std::optional<LoadError> error;
};
FreshCapture loadFreshCapture(const std::filesystem::path &capture, LoadStages &stages);

// The export the viewer writes after loading the capture as the first capture
// of a fresh start, or the load error.
struct CaptureExport
{
    std::string content;
    std::optional<LoadError> error;
};
CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time);
// The same, the stages seen by `stages` (the extension warning; a failure is
// returned all the same).
CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time,
                                 LoadStages &stages);

} // namespace orvant
