#include "capture/preparation.h"

namespace orvant {

PreparedText prepareCaptureText(std::string_view field)
{
    PreparedText text(field);
    if (text.view().substr(10, 4) == "4348") {
        PreparedText moved;
        std::copy_n(text.data(), kCaptureTextLength - 2, moved.data() + 2);
        return moved;
    }
    return text;
}

} // namespace orvant
