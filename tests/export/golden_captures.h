#pragma once

#include <string>

namespace orvant::test {

// The contents of the capture files kept beside the tests, with the data files
// worked out for them by make_expected_export.py.

// A plain capture: control characters (LF, CR, NUL) and bytes of 100 and more
// in its leading bytes, a sine wave, blank pairs at the end.
std::string goldenCaptureFile();

// A capture whose characters 11 to 14 read 4348 (moved one pair on), in a
// quoted field after blank lines, with a lower-case digit and a sample that is
// no hex number.
std::string realignedCaptureFile();

} // namespace orvant::test
