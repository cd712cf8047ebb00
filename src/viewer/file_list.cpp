#include "viewer/file_list.h"

#include <QDir>

namespace orvant {

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit fileChosen(item->text()); });
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (handlingKey_ && row >= 0)
            emit fileChosen(item(row)->text());
    });
}

void FileList::showFolder(const QString &folder)
{
    clear();
    const QDir dir(folder);
    addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileList::keyPressEvent(QKeyEvent *event)
{
    handlingKey_ = true;
    QListWidget::keyPressEvent(event);
    handlingKey_ = false;
}

} // namespace orvant
