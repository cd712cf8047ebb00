#pragma once

#include "export/batch_output.h"
#include "shared/durable_chunk.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// Removes the files an interrupted run left aside in the folder: only the batch's
// own, known by their names.
void removeLeftAsideFiles(const std::filesystem::path &folder);

// One run into a folder: the outputs of the captures are written aside chunk by
// chunk and reported written (on `out`) only once their chunk is durable in place;
// failures are reported on `err`.
class FolderRun
{
public:
    FolderRun(std::filesystem::path folder, std::ostream &out, std::ostream &err, ChunkSync &sync,
              std::size_t chunkSize);

    // The bytes of one output; none when they could not be made.
    using Content = std::function<std::optional<std::string>()>;

    // Adds one output of a capture; its content is made only when the name is still
    // free. Returns false when it failed before its chunk is committed.
    bool add(const std::string &capture, BatchOutput output, const Content &content);

    bool chunkFull() const { return pending_.size() >= chunkSize_; }

    // Returns false when an output of the chunk failed.
    bool commit();

private:
    struct Pending
    {
        std::string capture;
        std::filesystem::path target;
        std::string key;
    };

    void reportNotCreated(std::string_view capture, const std::filesystem::path &target,
                          const std::string &reason);

    std::filesystem::path folder_;
    std::ostream &out_;
    std::ostream &err_;
    std::size_t chunkSize_;
    DurableChunk chunk_;
    std::vector<Pending> pending_;
    std::set<std::string> written_;
};

} // namespace orvant
