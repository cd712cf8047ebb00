#pragma once

#include <string>

class QImage;

namespace orvant {

// The picture as PNG bytes; empty when it cannot be encoded. A picture of at most 256
// colours is written with a palette of as few bits a pixel as its colours need (a plot
// has two or a few: one bit), every colour in the table, so no pixel changes; one of
// more colours as 8-bit RGB.
std::string pngBytes(const QImage &picture);

} // namespace orvant
