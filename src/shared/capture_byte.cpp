#include "shared/capture_byte.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

namespace orvant {

namespace {

static_assert(std::is_trivially_copyable_v<CaptureByte> && std::is_standard_layout_v<CaptureByte>);
// rowText is the last field: a reset writes everything before it at once.
static_assert(offsetof(CaptureByte, rowText) + sizeof(CaptureByte::rowText) == sizeof(CaptureByte));

const CaptureByte kBlank {};

} // namespace

void CaptureByte::reset()
{
    std::memcpy(static_cast<void *>(this), &kBlank, offsetof(CaptureByte, rowText));
}

void ByteTable::reset()
{
    for (int nr = 1; nr <= 2110; ++nr)
        at(nr).reset();
}

} // namespace orvant
