#pragma once

#include "capture/byte_conversion.h"
#include "capture/curve_samples.h"
#include "capture/load_error.h"
#include "capture/settings_decoder.h"
#include "shared/prepared_text.h"
#include "shared/var_global.h"

#include <filesystem>
#include <optional>
#include <streambuf>
#include <string_view>

namespace orvant {

// The one load of a capture, from its name (or a text already open) to its
// curve samples. The stages run in this order, each seen by LoadStages:
//   1. extension test of the name (a warning only, the load goes on);
//   2. read and preparation: a failure ends the load, nothing changed;
//   3. decoding: the shown settings are emptied, the prepared text becomes the
//      program's, the byte table is reset and rebuilt (with the list rows when asked
//      for), then the frame number, the byte count and the settings, which are shown;
//   4. the 512 curve samples, letting pending events run first thing for each.
// Drawing the curve and enabling the export are the window's own.
class LoadStages : public SampleEvents
{
public:
    virtual ~LoadStages() = default;

    // The name does not end in exactly ".log".
    virtual void extensionWarning() { }
    // The read failed; the load ends and the program's state is untouched.
    virtual void failed(const LoadError &) { }
    // The first field (as read, at most 2110 characters) and the prepared text; of
    // the program's state only the shown settings are emptied yet.
    virtual void read(std::string_view, const PreparedText &) { }
    // The table, the numbers and the settings are decoded and the settings shown
    // (the program state's), the list rows written.
    virtual void decoded(const DecodedSettings &) { }
    // First thing for every sample; false stops the load there.
    bool letEventsRun() override { return true; }
};

enum class LoadEnd {
    Failed, // the read failed
    Stopped, // letEventsRun said stop during the samples
    Complete,
};

// A load of the capture file `file`. rows: the list rows to write, or none.
LoadEnd loadCapture(const std::filesystem::path &file, VarGlobal &state, LoadStages &stages,
                    ListRows *rows = nullptr);
// The same load of a capture read from an open text (no name: no extension test).
LoadEnd loadCapture(std::streambuf &text, VarGlobal &state, LoadStages &stages,
                    ListRows *rows = nullptr);

// Stage 2 on its own: the prepared text or the load error.
struct PreparedCapture
{
    PreparedText text;
    std::optional<LoadError> error;
};
PreparedCapture readPreparedCapture(const std::filesystem::path &file);

// Stage 3 on its own, the shown settings left alone.
DecodedSettings decodeCapture(VarGlobal &state, const PreparedText &text, ListRows *rows = nullptr);

} // namespace orvant
