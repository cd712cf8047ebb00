#include "export/folder_run.h"

#include "shared/folders.h"

#include <ostream>

namespace orvant {

void removeLeftAsideFiles(const std::filesystem::path &folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (isLeftAsideOutput(pathText(entry->path().filename()))
            && entry->symlink_status(ignored).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(entry->path(), ignored);
    }
}

FolderRun::FolderRun(std::filesystem::path folder, std::ostream &out, std::ostream &err,
                     ChunkSync &sync, std::size_t chunkSize)
    : folder_(std::move(folder))
    , out_(out)
    , err_(err)
    , chunkSize_(chunkSize)
    , chunk_(sync)
{
}

bool FolderRun::add(const std::string &capture, BatchOutput output, const Content &content)
{
    const std::string name = batchOutputName(pathFromText(capture), output);
    const std::filesystem::path target = folder_ / pathFromText(name);
    // Two names that are one file: on Windows names apart only by letter case.
    const std::string key = fileNameKey(name);
    if (written_.contains(key)) {
        err_ << capture << ": not written, " << pathText(target)
             << " was already written by this run\n";
        return false;
    }
    const std::optional<std::string> bytes = content();
    if (!bytes) {
        reportNotCreated(capture, target, "the picture could not be drawn");
        return false;
    }
    if (const auto failure = chunk_.add(target, *bytes)) {
        reportNotCreated(capture, target, *failure);
        return false;
    }
    // Taken from now on; given back if the chunk fails.
    written_.insert(key);
    pending_.push_back({capture, target, key});
    return true;
}

bool FolderRun::commit()
{
    const auto results = chunk_.commit();
    bool allWritten = true;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        const Pending &p = pending_[i];
        if (results[i]) {
            written_.erase(p.key);
            reportNotCreated(p.capture, p.target, *results[i]);
            allWritten = false;
        } else {
            out_ << p.capture << ": " << pathText(p.target) << '\n';
        }
    }
    pending_.clear();
    return allWritten;
}

void FolderRun::reportNotCreated(std::string_view capture, const std::filesystem::path &target,
                                 const std::string &reason)
{
    err_ << capture << ": " << pathText(target) << " could not be created: " << reason << '\n';
}

} // namespace orvant
