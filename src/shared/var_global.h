#pragma once

#include "shared/capture_byte.h"
#include "shared/curve_sample.h"
#include "shared/prepared_text.h"
#include "shared/shown_settings.h"

#include <cstdint>
#include <string>

namespace orvant {

// The program state that lives for the whole run. One object, owned by the
// application and handed to the windows by reference.
struct VarGlobal
{
    PreparedText captureText; // the prepared capture text of the last load
    ByteTable byteTable;
    CurveTable curveTable;
    std::int16_t frameNumber = 0;
    std::int32_t byteCount = 0; // four hex digits: 0 to 65535
    ShownSettings shown; // the settings panel's texts, their values and red
    std::int16_t nextColour = 0; // 1 black, 2 red, 3 blue, 4 magenta
    bool background = false; // background window shown
    std::string pathText; // the folder the next load reads, as the file system's bytes
};

} // namespace orvant
