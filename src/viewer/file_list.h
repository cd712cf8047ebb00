#pragma once

#include <QListWidget>

#include <string>
#include <vector>

namespace orvant {

class FolderWatch;

// The file list: a click on a name (the selected one too) chooses it, and so
// does a move of the selection by the user's keys; the program's own refills
// and selections choose nothing. Each item keeps the name's bytes as the file
// system gives them; its text only shows them. The list follows its folder:
// files written or deleted there appear and disappear by themselves.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    enum class Entries { Files, Folders };

    explicit FileList(QWidget *parent = nullptr);

    // The names in a folder, as bytes: its regular files (links to them too) or
    // its folders, no hidden ones, sorted by name without regard to letter case;
    // none when it cannot be read.
    static std::vector<std::string> entries(const std::string &folder, Entries kind);

    // Shows the files of a folder.
    void showFolder(const std::string &folder);
    // Brings the list up to date with its folder; the selection (unless its file
    // is gone) and the scroll position stay.
    void refresh();
    // Selects a name's item as the program's own selection; false when it is not listed.
    bool select(const std::string &name);

    const std::string &folder() const { return folder_; }
    // The names listed, in their order, as bytes.
    std::vector<std::string> names() const;

signals:
    void fileChosen(const QByteArray &name);
    // The list was filled for a folder or brought up to date with it.
    void listed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(const QListWidgetItem *item);
    std::string nameAt(int row) const;

    bool handlingKey_ = false;
    std::string folder_;
    FolderWatch *watch_;
};

} // namespace orvant
