#pragma once

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace orvant {

class FileList;
class LoadSequence;
class Navigation;

// Opens what is named from outside the window: a capture given on the command line
// (once the window has been activated the first time) or files and folders dropped
// onto the window. The lists and the path text move to the capture's folder as if
// the user had gone there, and the capture loads as a click on it would; a folder is
// only gone to. While a load runs a drop is ignored, as a click is.
class CaptureOpener : public QObject
{
    Q_OBJECT

public:
    using Click = std::function<void(const std::string &fileName)>;

    CaptureOpener(QWidget &window, Navigation &navigation, FileList &files,
                  const LoadSequence &load, Click click);

    // Opens `path` after the window's first activation.
    void openAfterFirstActivation(std::filesystem::path path);
    // The window was activated.
    void activated();
    // Opens a capture file or a folder now.
    void open(const std::filesystem::path &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void goTo(const std::filesystem::path &folder);

    Navigation &navigation_;
    FileList &files_;
    const LoadSequence &load_;
    const Click click_;
    std::optional<std::filesystem::path> onFirstActivation_;
    bool activatedBefore_ = false;
};

} // namespace orvant
