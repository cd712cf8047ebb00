#pragma once

namespace orvant {

// Sizes in pixels.
struct FitSize
{
    int width = 0;
    int height = 0;
    bool operator==(const FitSize &) const = default;
};

// The frame a window system draws around a window's client area.
struct FrameMargins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The client size a window of a fixed layout takes on a screen's available area,
// and whether the layout then scrolls in either direction.
struct WindowFit
{
    FitSize client;
    bool scrollsAcross = false; // a horizontal scroll bar
    bool scrollsDown = false; // a vertical scroll bar
    bool scrolls() const { return scrollsAcross || scrollsDown; }
    bool operator==(const WindowFit &) const = default;
};

// Where the frame around the layout fits the available area, the window keeps the
// layout's size. Otherwise it takes at most the available area in each direction,
// and a scroll bar (of `scrollBarExtent` pixels) appears in each direction the layout
// does not fit; a bar takes room from the other direction, which may need one too.
WindowFit fitWindow(FitSize layout, FitSize available, FrameMargins frame, int scrollBarExtent);

} // namespace orvant
