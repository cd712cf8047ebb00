#pragma once

#include "capture/capture_numbers.h"
#include "shared/capture_byte.h"
#include "shared/shown_settings.h"

namespace orvant {

// Decodes the settings header of a converted capture into catalogue values.
DecodedSettings decodeSettings(const ByteTable &table, const CaptureNumbers &numbers);

} // namespace orvant
