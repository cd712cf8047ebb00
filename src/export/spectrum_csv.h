#pragma once

#include "measure/spectrum.h"

#include <string>

namespace orvant {

// A spectrum as CSV: header "bin,frequency_hz,level_vrms,level_dbv,level_dbfs", one row
// per bin (0..256), CR LF line ends, numbers in the shortest form that reads back
// exactly. frequency_hz is empty without a time scale, level_vrms and level_dbv
// without a volts scale, a dB cell where the level is 0.
std::string spectrumCsv(const Spectrum &spectrum);

} // namespace orvant
