#pragma once

#include "shared/shown_settings.h"

#include <array>

namespace orvant {

class ClickLabel;

// The value labels show the shown settings: each its text, red where it was chosen
// by hand, black otherwise. Nothing reads a label back.
void showSettings(const std::array<ClickLabel *, kParameterCount> &labels,
                  const ShownSettings &shown);

} // namespace orvant
