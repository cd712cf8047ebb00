#pragma once

#include "rules/twips.h"

#include <QRect>

namespace orvant {

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace orvant
