#include "viewer/file_list.h"

#include "shared/folders.h"
#include "widgets/file_name_text.h"

#include <algorithm>
#include <filesystem>

namespace orvant {

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &FileList::choose);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (handlingKey_ && row >= 0)
            choose(item(row));
    });
}

std::vector<std::string> FileList::entries(const std::string &folder, Entries kind)
{
    std::vector<std::pair<QString, std::string>> found; // shown name, bytes
    std::error_code error;
    for (std::filesystem::directory_iterator it(pathFromText(folder), error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = pathText(it->path().filename());
        if (name.starts_with('.'))
            continue;
        std::error_code statusError;
        const bool wanted = kind == Entries::Files ? it->is_regular_file(statusError)
                                                   : it->is_directory(statusError);
        if (wanted)
            found.emplace_back(fileNameText(name), name);
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        const int order = QString::compare(a.first, b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto &entry : found)
        names.push_back(std::move(entry.second));
    return names;
}

void FileList::showFolder(const std::string &folder)
{
    clear();
    for (const std::string &name : entries(folder, Entries::Files)) {
        auto *entry = new QListWidgetItem(fileNameText(name));
        entry->setData(Qt::UserRole, QByteArray::fromStdString(name));
        addItem(entry);
    }
}

void FileList::choose(const QListWidgetItem *item)
{
    emit fileChosen(item->data(Qt::UserRole).toByteArray());
}

void FileList::keyPressEvent(QKeyEvent *event)
{
    handlingKey_ = true;
    QListWidget::keyPressEvent(event);
    handlingKey_ = false;
}

} // namespace orvant
