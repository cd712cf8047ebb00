#include "viewer/capture_opener.h"

#include "shared/folders.h"
#include "viewer/file_list.h"
#include "viewer/load_sequence.h"
#include "viewer/navigation.h"
#include "widgets/file_name_text.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace orvant {

namespace {

// The first local file or folder a drag carries.
std::optional<std::filesystem::path> firstLocalPath(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return pathFromText(fileNameBytes(url.toLocalFile()));
    }
    return std::nullopt;
}

bool isFolder(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

} // namespace

CaptureOpener::CaptureOpener(QWidget &window, Navigation &navigation, FileList &files,
                             const LoadSequence &load, Click click)
    : QObject(&window)
    , navigation_(navigation)
    , files_(files)
    , load_(load)
    , click_(std::move(click))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void CaptureOpener::openAfterFirstActivation(std::filesystem::path path)
{
    onFirstActivation_ = std::move(path);
}

void CaptureOpener::activated()
{
    if (std::exchange(activatedBefore_, true) || !onFirstActivation_)
        return;
    // From the event loop, as a click comes: not inside the activation.
    QMetaObject::invokeMethod(
        this, [this, path = *onFirstActivation_] { open(path); }, Qt::QueuedConnection);
}

void CaptureOpener::open(const std::filesystem::path &path)
{
    if (load_.running())
        return;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
    if (error)
        absolute = path;
    if (isFolder(absolute)) {
        goTo(absolute);
        return;
    }
    goTo(absolute.parent_path());
    const std::string name = pathText(absolute.filename());
    files_.select(name);
    click_(name);
}

void CaptureOpener::goTo(const std::filesystem::path &folder)
{
    std::filesystem::path shown = folder;
    if (shown.has_relative_path() && !shown.has_filename())
        shown = shown.parent_path(); // a final separator, as the folder list gives none
    if (isFolder(shown)) {
        navigation_.changeFolder(pathText(shown));
        return;
    }
    // A folder that is not there: the load reports it, as for a path text typed by hand.
    navigation_.setPathText(pathText(shown / ""));
}

bool CaptureOpener::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (firstLocalPath(enter->mimeData()) && !load_.running())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (const auto path = firstLocalPath(drop->mimeData()); path && !load_.running()) {
            drop->acceptProposedAction();
            open(*path);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvant
