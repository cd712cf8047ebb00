#pragma once

#include <QListWidget>

namespace orvant {

// The file list: a click on a name (the selected one too) chooses it, and so
// does a move of the selection by the user's keys; the program's own refills
// and selections choose nothing.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);

    // Shows the regular files of a folder (links to them too, no hidden ones),
    // sorted by name without regard to letter case; empty when it cannot be read.
    void showFolder(const QString &folder);

signals:
    void fileChosen(const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool handlingKey_ = false;
};

} // namespace orvant
