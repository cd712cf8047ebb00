#pragma once

#include "capture/first_field.h"
#include "capture/load_error.h"
#include "shared/system_file.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <utility>

namespace orvant {

// The first field of a capture file (at most `keep` characters), or the error
// that ends the load. Only regular files (after links) are opened, so a FIFO,
// a device or a link loop fails at once instead of blocking the window.
struct CaptureField
{
    std::string text;
    bool longer = false;
    std::optional<LoadError> error;
};

CaptureField readCaptureField(const std::filesystem::path &file, std::size_t keep);
// The same from a text already open; only a missing field fails.
CaptureField readCaptureField(std::streambuf &text, std::size_t keep);

// A read-only stream over an open regular file; it remembers a failed read,
// which would otherwise look like the end of the file.
class RegularFileBuf : public std::streambuf
{
public:
    explicit RegularFileBuf(FileDescriptor file)
        : file_(std::move(file))
    {
    }

    bool readFailed() const { return readFailed_; }

protected:
    int_type underflow() override;

private:
    FileDescriptor file_;
    bool readFailed_ = false;
    char buffer_[4096];
};

// Opens a regular file for reading; nullptr when it is not one or cannot be
// opened, with the reason in `error`.
std::unique_ptr<RegularFileBuf> openRegularFile(const std::filesystem::path &file,
                                                LoadError &error);

} // namespace orvant
