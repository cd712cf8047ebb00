#pragma once

#include "shared/folders.h"

#include <QObject>

#include <functional>
#include <string>

namespace orvant {

class CapturesTableWindow;
class FileList;
class MeasuringTools;
class Platform;

// "Captures Table…" (Ctrl+T) in the plot's context menu: the window made at its first
// use, following the file list's folder, and its loads run as clicks on the names.
class CapturesTableTool : public QObject
{
    Q_OBJECT

public:
    using Click = std::function<void(const std::string &name)>;

    CapturesTableTool(Platform &platform, const Folders &folders, FileList &files,
                      MeasuringTools &menu, Click click, QWidget *owner);

    void showWindow();
    CapturesTableWindow *window() const { return window_; }

private:
    void follow();
    void load(const QByteArray &name);

    Platform &platform_;
    const Folders &folders_;
    MeasuringTools &measuring_;
    FileList &files_;
    Click click_;
    QWidget *owner_;
    CapturesTableWindow *window_ = nullptr;
};

} // namespace orvant
