#include "viewer/navigation.h"

#include "shared/folders.h"
#include "viewer/file_list.h"
#include "widgets/file_name_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <filesystem>

namespace orvant {

namespace {

QString shown(const std::string &bytes)
{
    return fileNameText(bytes);
}

bool isReadableFolder(const std::string &folder)
{
    std::error_code error;
    const std::filesystem::directory_iterator entries(pathFromText(folder), error);
    return !error;
}

// The folder and the folders above it, from the root down.
std::vector<std::string> folderChain(const std::string &folder)
{
    std::filesystem::path path = pathFromText(folder).lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path(); // a final separator
    std::vector<std::string> chain;
    for (;; path = path.parent_path()) {
        chain.insert(chain.begin(), orvant::pathText(path));
        if (path == path.root_path() || !path.has_relative_path())
            break;
    }
    return chain;
}

} // namespace

Navigation::Navigation(Controls controls, std::string &pathText, std::vector<std::string> volumes,
                       QObject *parent)
    : QObject(parent)
    , controls_(controls)
    , pathText_(pathText)
    , volumes_(std::move(volumes))
{
    for (const std::string &volume : volumes_)
        controls_.drives->addItem(shown(volume));
    // A path text typed by hand is the next load's folder.
    connect(controls_.pathText, &QLineEdit::textChanged, this,
            [this](const QString &text) { pathText_ = fileNameBytes(text); });
    connect(controls_.folders, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        changeFolder(item->data(Qt::UserRole).toByteArray().toStdString());
    });
}

void Navigation::start(const std::string &initialPathText)
{
    setPathText(initialPathText);
    controls_.drives->setCurrentText(shown(mountPointOf(pathText_, volumes_)));
    showFolderList(pathText_);
}

void Navigation::activate(const std::optional<std::string> &savedPathText)
{
    if (savedPathText)
        setPathText(*savedPathText);
    const DriveAndPath drive = activationDriveAndPath(pathText_, style_, volumes_);
    setPathText(drive.pathText);
    setDriveText(drive.driveText);
    controls_.files->showFolder(drive.pathText);
    // Only the first activation finds no folder visited yet: the start folder counts as one.
    if (visited_.empty())
        visited_[mountPointOf(drive.pathText, volumes_)] = drive.pathText;
}

void Navigation::changeDrive(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= volumes_.size())
        return;
    const std::string &mountPoint = volumes_[static_cast<std::size_t>(index)];
    const std::string shownDrive = mountPointOf(folderListPath_, volumes_);
    if (mountPoint == shownDrive)
        return; // picking the drive already shown changes nothing
    const auto remembered = visited_.find(mountPoint);
    const std::string folder = existingFolderOnVolume(
        remembered != visited_.end() ? remembered->second : mountPoint, mountPoint,
        style_.separator, [](const std::string &path) {
            std::error_code error;
            return std::filesystem::is_directory(pathFromText(path), error);
        });
    // A volume that is gone or not ready keeps the previous drive and folder.
    if (!isReadableFolder(folder)) {
        controls_.drives->setCurrentText(shown(shownDrive));
        return;
    }
    changeFolder(folder);
    setDriveText(driveTextOfDriveEntry(mountPoint, style_));
}

void Navigation::changeFolder(const std::string &folder)
{
    showFolderList(folder);
    controls_.files->showFolder(folder);
    const DriveAndPath drive = folderChangeDriveAndPath(folder, style_, volumes_);
    setPathText(drive.pathText);
    setDriveText(drive.driveText);
    const std::string volume = mountPointOf(folder, volumes_);
    visited_[volume] = folder;
    controls_.drives->setCurrentText(shown(volume));
}

void Navigation::setPathText(const std::string &text)
{
    pathText_ = text;
    // The box shows the bytes decoded; only a user's edit sets them from the box.
    const QSignalBlocker quiet(controls_.pathText);
    controls_.pathText->setText(shown(text));
}

void Navigation::showFolderList(const std::string &folder)
{
    folderListPath_ = folder;
    QListWidget *list = controls_.folders;
    list->clear();
    // The path's folders from the root down, then the current folder's subfolders.
    const std::vector<std::string> chain = folderChain(folder);
    int depth = 0;
    for (const std::string &ancestor : chain) {
        const std::filesystem::path path = pathFromText(ancestor);
        const std::string name = depth == 0 ? ancestor : orvant::pathText(path.filename());
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + shown(name));
        item->setData(Qt::UserRole, QByteArray::fromStdString(ancestor));
        list->addItem(item);
        ++depth;
    }
    list->setCurrentRow(list->count() - 1);
    for (const std::string &sub : FileList::entries(chain.back(), FileList::Entries::Folders)) {
        const std::filesystem::path path = pathFromText(chain.back()) / pathFromText(sub);
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + shown(sub));
        item->setData(Qt::UserRole, QByteArray::fromStdString(orvant::pathText(path)));
        list->addItem(item);
    }
}

void Navigation::setDriveText(const std::string &text)
{
    controls_.driveText->setText(shown(text));
}

} // namespace orvant
