#pragma once

#include <QListWidget>

#include <string>
#include <vector>

namespace orvant {

// The file list: a click on a name (the selected one too) chooses it, and so
// does a move of the selection by the user's keys; the program's own refills
// and selections choose nothing. Each item keeps the name's bytes as the file
// system gives them; its text only shows them.
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

signals:
    void fileChosen(const QByteArray &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(const QListWidgetItem *item);

    bool handlingKey_ = false;
};

} // namespace orvant
