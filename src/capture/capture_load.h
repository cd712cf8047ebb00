#pragma once

#include "capture/byte_conversion.h"
#include "capture/curve_samples.h"
#include "capture/load_error.h"
#include "capture/settings_decoder.h"
#include "shared/var_global.h"

#include <filesystem>
#include <optional>

namespace orvant {

// The read and the preparation of a load: the prepared text or the load error.
struct PreparedCapture
{
    PreparedText text;
    std::optional<LoadError> error;
};
PreparedCapture readPreparedCapture(const std::filesystem::path &file);

// The stages of a load after the read that do not yield: the prepared text
// becomes the program's, the byte table is reset and rebuilt with its list
// rows and the two numbers, and the settings are decoded.
SettingsTexts decodeCapture(VarGlobal &state, const PreparedText &text, ListRows &rows);

} // namespace orvant
