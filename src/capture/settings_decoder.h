#pragma once

#include "capture/capture_numbers.h"
#include "capture/settings_tables.h"
#include "shared/capture_byte.h"

#include <array>
#include <string>

namespace orvant {

// The 25 value texts (UTF-8), parameter n at index n - 101; empty shows nothing.
class SettingsTexts
{
public:
    std::string &operator[](int parameter) { return texts_.at(index(parameter)); }
    const std::string &operator[](int parameter) const { return texts_.at(index(parameter)); }

private:
    static std::size_t index(int parameter)
    {
        return static_cast<std::size_t>(parameter - kFirstParameter);
    }
    std::array<std::string, kParameterCount> texts_;
};

// Decodes the settings header of a converted capture, as the panel shows it.
SettingsTexts decodeSettings(const ByteTable &table, const CaptureNumbers &numbers);

} // namespace orvant
