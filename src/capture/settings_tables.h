#pragma once

#include "shared/settings_catalogue.h"

#include <span>

namespace orvant {

// Where the decoder finds each setting; the values themselves are the catalogue's.
// Couplings, VAR and INVERT are bit fields whose value is the value's index; the
// volts and time ladders are indexed by the code's hex digit (time: 16 x range +
// digit); the fixed settings show their one decoded value.

// "ON" when the whole byte Nr. 29 is `byte`; "OFF" otherwise.
struct FlagRow
{
    Parameter parameter;
    unsigned char byte;
};

// A value that both the selector (Nr. 33) and the value byte (Nr. 35) select.
struct TriggerRow
{
    Parameter parameter;
    unsigned char selector;
    unsigned char value;
    ValueIndex result;
};

struct ParameterValue
{
    Parameter parameter;
    ValueIndex value;
};

std::span<const FlagRow> horizontalFlagRows();
std::span<const TriggerRow> triggerRows();
// Shown where no trigger row matched, in this order.
std::span<const ParameterValue> triggerDefaults();

} // namespace orvant
