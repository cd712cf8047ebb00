#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

struct ScreenSize
{
    int widthTwips = 0;
    int heightTwips = 0;
};

// What the program asks of the operating system and the user beyond its own
// windows. Tests replace it, so that nothing blocks on a box, sleeps or ends
// the test process.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box with one OK button and no icon.
    virtual void showMessage(const std::string &title, const std::string &text) = 0;
    virtual std::chrono::system_clock::time_point now() const = 0;
    virtual void sleepMilliseconds(int ms) = 0;
    virtual ScreenSize screenSize() const = 0;
    // The drives to offer: mount points of the ready, real file systems, or
    // drive letters.
    virtual std::vector<std::string> mountedVolumes() const = 0;
    // The standard dialog that asks where to save a file (it asks before replacing
    // one); nothing when the user cancels.
    virtual std::optional<std::string> askSaveFileName(const std::string &title,
                                                       const std::string &suggested,
                                                       const std::string &filter)
        = 0;
    // Ends the program (after the caller has done its own work).
    virtual void endProgram() = 0;
};

} // namespace orvant
