#pragma once

#include "shared/shown_settings.h"

#include <string>

namespace orvant::test {

// Decoded settings read by parameter number, as the panel would show them.
struct DecodedTexts
{
    DecodedSettings decoded;

    DecodedTexts(const DecodedSettings &settings) // NOLINT: converts on purpose
        : decoded(settings)
    {
    }
    std::string operator[](int parameter) const
    {
        return decoded.text(parameterNumbered(parameter));
    }
};

} // namespace orvant::test
