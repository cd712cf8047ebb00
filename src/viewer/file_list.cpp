#include "viewer/file_list.h"

#include "shared/folders.h"
#include "widgets/file_name_text.h"
#include "widgets/folder_watch.h"

#include <QScrollBar>

#include <algorithm>
#include <filesystem>
#include <set>

namespace orvant {

namespace {

QListWidgetItem *itemOf(const std::string &name)
{
    auto *entry = new QListWidgetItem(fileNameText(name));
    entry->setData(Qt::UserRole, QByteArray::fromStdString(name));
    return entry;
}

} // namespace

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
    , watch_(new FolderWatch(this))
{
    connect(watch_, &FolderWatch::mayHaveChanged, this, &FileList::refresh);
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
    folder_ = folder;
    watch_->watch(folder);
    clear();
    for (const std::string &name : entries(folder, Entries::Files))
        addItem(itemOf(name));
    emit listed();
}

std::vector<std::string> FileList::names() const
{
    std::vector<std::string> listedNames;
    listedNames.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row)
        listedNames.push_back(nameAt(row));
    return listedNames;
}

std::string FileList::nameAt(int row) const
{
    return item(row)->data(Qt::UserRole).toByteArray().toStdString();
}

void FileList::refresh()
{
    const std::vector<std::string> names = entries(folder_, Entries::Files);
    const int scrolled = verticalScrollBar()->value();
    const std::set<std::string> present(names.begin(), names.end());
    bool selectedGone = false;
    for (int row = count() - 1; row >= 0; --row) {
        if (!present.contains(nameAt(row))) {
            selectedGone = selectedGone || item(row)->isSelected() || row == currentRow();
            delete takeItem(row);
        }
    }
    // What is left keeps the order of `names`: the new names go into its gaps.
    int row = 0;
    for (const std::string &name : names) {
        if (row >= count() || nameAt(row) != name)
            insertItem(row, itemOf(name));
        ++row;
    }
    if (selectedGone) {
        setCurrentItem(nullptr);
        clearSelection();
    }
    verticalScrollBar()->setValue(scrolled);
    emit listed();
}

bool FileList::select(const std::string &name)
{
    for (int row = 0; row < count(); ++row) {
        if (nameAt(row) == name) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return true;
        }
    }
    return false;
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
