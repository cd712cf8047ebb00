#include "rules/window_fit.h"

#include <algorithm>

namespace orvant {

WindowFit fitWindow(FitSize layout, FitSize available, FrameMargins frame, int scrollBarExtent)
{
    // The room left for the client area; never less than one scroll bar's width.
    const int roomAcross
        = std::max(available.width - frame.left - frame.right, scrollBarExtent + 1);
    const int roomDown = std::max(available.height - frame.top - frame.bottom, scrollBarExtent + 1);
    bool across = layout.width > roomAcross;
    bool down = layout.height > roomDown;
    // One bar takes room from the other direction; twice settles both.
    for (int pass = 0; pass < 2; ++pass) {
        across = across || (down && layout.width + scrollBarExtent > roomAcross);
        down = down || (across && layout.height + scrollBarExtent > roomDown);
    }
    WindowFit fit;
    fit.scrollsAcross = across;
    fit.scrollsDown = down;
    fit.client.width = std::min(layout.width + (down ? scrollBarExtent : 0), roomAcross);
    fit.client.height = std::min(layout.height + (across ? scrollBarExtent : 0), roomDown);
    return fit;
}

} // namespace orvant
