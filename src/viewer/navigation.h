#pragma once

#include "rules/navigation_rules.h"

#include <QObject>

#include <map>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace orvant {

class FileList;

// The drive, folder and file lists and the drive and path texts, kept in step.
// Folders and files are held as the bytes the file system gives (a name that is
// not valid UTF-8 stays whole); the lists and texts only show them decoded.
class Navigation : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QComboBox *drives;
        QListWidget *folders;
        FileList *files;
        QLineEdit *driveText;
        QLineEdit *pathText;
    };

    // `pathText` is the program state's path text: the folder the next load reads.
    Navigation(Controls controls, std::string &pathText, std::vector<std::string> volumes,
               QObject *parent);

    // Before the first activation: the drive and folder lists at the path text.
    void start(const std::string &initialPathText);
    // Activation: the path text from the path file (none keeps it), its drive
    // text, and the file list moved there. The drive and folder lists stay.
    void activate(const std::optional<std::string> &savedPathText);
    // The user picked drive entry `index`.
    void changeDrive(int index);
    // The folder list's path changed to `folder`.
    void changeFolder(const std::string &folder);

    const std::string &pathText() const { return pathText_; }
    void setPathText(const std::string &text);
    const std::vector<std::string> &volumes() const { return volumes_; }

private:
    void showFolderList(const std::string &folder);
    void setDriveText(const std::string &text);

    const Controls controls_;
    std::string &pathText_;
    const std::vector<std::string> volumes_;
    const PathStyle style_ = PathStyle::native();
    std::map<std::string, std::string> visited_; // last folder visited per volume
    std::string folderListPath_;
};

} // namespace orvant
