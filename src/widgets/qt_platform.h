#pragma once

#include "widgets/platform.h"

namespace orvant {

// The real platform: Qt message boxes, the system clock, the primary screen,
// QCoreApplication::exit.
class QtPlatform : public Platform
{
public:
    void showMessage(const std::string &title, const std::string &text) override;
    std::chrono::system_clock::time_point now() const override;
    void sleepMilliseconds(int ms) override;
    ScreenSize screenSize() const override;
    std::vector<std::string> mountedVolumes() const override;
    std::optional<std::string> askSaveFileName(const std::string &title,
                                               const std::string &suggested,
                                               const std::string &filter) override;
    void endProgram() override;
};

} // namespace orvant
