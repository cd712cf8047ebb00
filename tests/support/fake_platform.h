#pragma once

#include "widgets/platform.h"

#include <functional>
#include <string>
#include <vector>

namespace orvant::test {

// Records what the program asks of the platform; never blocks, sleeps or ends.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        std::string title;
        std::string text;
    };

    void showMessage(const std::string &title, const std::string &text) override
    {
        messages.push_back({title, text});
        if (onMessage)
            onMessage();
    }
    std::chrono::system_clock::time_point now() const override { return clock; }
    void sleepMilliseconds(int ms) override { sleeps.push_back(ms); }
    ScreenSize screenSize() const override { return screen; }
    std::vector<std::string> mountedVolumes() const override { return volumes; }
    std::optional<std::string> askSaveFileName(const std::string &title,
                                               const std::string &suggested,
                                               const std::string &) override
    {
        saveQuestions.push_back({title, suggested});
        return saveAnswer;
    }
    void endProgram() override { ++endCount; }

    std::vector<Message> messages;
    std::vector<int> sleeps;
    std::chrono::system_clock::time_point clock {};
    ScreenSize screen {1920 * 15, 1200 * 15};
    std::vector<std::string> volumes {"/"};
    int endCount = 0;
    std::vector<Message> saveQuestions; // title and suggested file
    std::optional<std::string> saveAnswer; // the file the user picks; none: cancelled
    std::function<void()> onMessage; // runs while the "box" is open
};

} // namespace orvant::test
