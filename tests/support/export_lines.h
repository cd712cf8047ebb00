#pragma once

#include "capture/capture_load.h"
#include "shared/var_global.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvant::test {

// The program state after loads, as the viewer makes them.
struct LoadedProgram
{
    std::unique_ptr<VarGlobal> state = std::make_unique<VarGlobal>();
    std::unique_ptr<ListRows> rows = std::make_unique<ListRows>();

    // One load up to its curve samples; the load error of a failed read.
    std::optional<LoadError> load(const std::filesystem::path &capture);
};

// The lines of a data file taken by their known lengths, never by looking for
// CR LF (rows may hold CR, LF or NUL). Empty when a line is not followed by
// CR LF where its length puts the end, or when bytes are left over.
std::vector<std::string_view> exportLinesByLength(std::string_view content,
                                                  std::size_t firstLineLength);

// The length of line 1 for a date and time: "C:\ORVANT Data File " + date + " " + time.
std::size_t firstLineLength(std::string_view date, std::string_view time);

} // namespace orvant::test
