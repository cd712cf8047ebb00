#include "rules/window_fit.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvant {

void PrintTo(const WindowFit &fit, std::ostream *out)
{
    *out << fit.client.width << " x " << fit.client.height << (fit.scrollsAcross ? " across" : "")
         << (fit.scrollsDown ? " down" : "");
}

namespace {

const FitSize kLayout {1234, 783};
constexpr int kBar = 16;

struct FitCase
{
    const char *screen;
    FitSize available;
    FrameMargins frame;
    WindowFit expected;
};

// The expected sizes are worked out by hand: room = available less the frame,
// plus a bar's 16 pixels across the direction that scrolls.
const FitCase kCases[] = {
    {"large screen: the layout's own size",
     {1920, 1200},
     {1, 21, 1, 1},
     {{1234, 783}, false, false}},
    {"frame exactly fits", {1236, 805}, {1, 21, 1, 1}, {{1234, 783}, false, false}},
    {"a pixel too low: down, and its bar leaves too little width",
     {1236, 804},
     {1, 21, 1, 1},
     {{1234, 782}, true, true}},
    {"a pixel too narrow: across, and its bar leaves too little height",
     {1235, 805},
     {1, 21, 1, 1},
     {{1233, 783}, true, true}},
    {"laptop 1366 x 768: down only, a bar wider",
     {1366, 768},
     {1, 22, 1, 1},
     {{1250, 745}, false, true}},
    {"1280 x 720 at 150 %", {1280, 720}, {2, 2, 2, 2}, {{1250, 716}, false, true}},
    {"narrow: across only, a bar higher", {1200, 1000}, {1, 1, 1, 1}, {{1198, 799}, true, false}},
    {"down, and its bar makes it scroll across",
     {1240, 700},
     {0, 0, 0, 0},
     {{1240, 700}, true, true}},
    {"across, and its bar makes it scroll down",
     {1000, 790},
     {0, 0, 0, 0},
     {{1000, 790}, true, true}},
    {"down with room for the bar", {1250, 700}, {0, 0, 0, 0}, {{1250, 700}, false, true}},
    {"small screen: both", {640, 480}, {2, 20, 2, 2}, {{636, 458}, true, true}},
    {"no screen area: a bar's room is left", {0, 0}, {1, 21, 1, 1}, {{17, 17}, true, true}},
};

TEST(WindowFit, TakesAtMostTheAvailableAreaAndScrollsWhereTheLayoutDoesNotFit)
{
    for (const FitCase &c : kCases)
        EXPECT_EQ(fitWindow(kLayout, c.available, c.frame, kBar), c.expected) << c.screen;
}

TEST(WindowFit, TheFrameAroundTheClientStaysInsideTheAvailableArea)
{
    for (const FitCase &c : kCases) {
        if (c.available.width == 0)
            continue;
        const WindowFit fit = fitWindow(kLayout, c.available, c.frame, kBar);
        EXPECT_LE(fit.client.width + c.frame.left + c.frame.right, c.available.width) << c.screen;
        EXPECT_LE(fit.client.height + c.frame.top + c.frame.bottom, c.available.height) << c.screen;
        // What is left for the layout beside a bar never exceeds the layout.
        EXPECT_LE(fit.client.width - (fit.scrollsDown ? kBar : 0), kLayout.width) << c.screen;
        EXPECT_LE(fit.client.height - (fit.scrollsAcross ? kBar : 0), kLayout.height) << c.screen;
    }
}

} // namespace
} // namespace orvant
