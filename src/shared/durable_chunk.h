#pragma once

#include "shared/atomic_file.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// How the files of a chunk reach the disk. Each returns the reason of a
// failure, or nothing.
class ChunkSync
{
public:
    virtual ~ChunkSync() = default;
    // A file of the chunk is written whole (and stays open): a sync may start
    // its write-back now, while the next files are made.
    virtual void written(const AsideFile &) { }
    // The data of every file, written and still open, on disk.
    virtual std::optional<std::string> syncFiles(std::span<AsideFile> files) = 0;
    // The names moved into these folders on disk.
    virtual std::optional<std::string> syncFolders(std::span<const std::filesystem::path> folders);
};

enum class SyncCall {
    FileSystem, // one syncfs for the file system of the chunk (Linux)
    EachFile, // fsync of every file, one after the other
    StartedEachFile, // write-back of each file started as it is written, fsync of each
    StartedFileSystem, // write-back of each file started as it is written, one syncfs
};

// The sync of a chunk by the given call; where the system lacks it, EachFile.
std::unique_ptr<ChunkSync> makeChunkSync(SyncCall call);

// The call chosen by measurement for this system.
SyncCall defaultSyncCall();

// Files written aside one by one, made durable together, then moved into
// place, their folders synced last. A file of the chunk is reported written
// only once all of that is done.
class DurableChunk
{
public:
    explicit DurableChunk(ChunkSync &sync)
        : sync_(sync)
    {
    }

    // Writes content aside for target (links followed, mode kept as the
    // atomic write does). The reason of a failure (nothing left behind), or
    // nothing: the file waits for commit().
    std::optional<std::string> add(const std::filesystem::path &target, std::string_view content);
    std::size_t size() const { return files_.size(); }

    // One result per added file, in order: nothing when it is durable under its
    // final name, else the reason. A failed sync fails every file of the chunk
    // and leaves none of them under its final name. The chunk is empty after.
    std::vector<std::optional<std::string>> commit();

private:
    ChunkSync &sync_;
    std::vector<AsideFile> files_;
};

} // namespace orvant
