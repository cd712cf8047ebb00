#include "capture/capture_file.h"

#include <cerrno>
#include <system_error>

namespace orvant {

namespace fs = std::filesystem;

namespace {

// 53 when nothing is there (a dangling link too), 75 when something is there
// that is no regular file or cannot be reached. One look-up: it follows links,
// and a name that is not there at all is not found by it either.
std::optional<LoadError> checkRegularFile(const fs::path &file)
{
    std::error_code error;
    const fs::file_status target = fs::status(file, error);
    if (target.type() == fs::file_type::not_found)
        return isSystemDevice(file) ? LoadError::accessError() : LoadError::fileNotFound();
    if (error || target.type() != fs::file_type::regular)
        return LoadError::accessError();
    return std::nullopt;
}

} // namespace

RegularFileBuf::int_type RegularFileBuf::underflow()
{
    const long n = readSome(file_, buffer_, sizeof buffer_);
    if (n < 0)
        readFailed_ = true;
    if (n <= 0)
        return traits_type::eof();
    setg(buffer_, buffer_, buffer_ + n);
    return traits_type::to_int_type(buffer_[0]);
}

std::unique_ptr<RegularFileBuf> openRegularFile(const fs::path &file, LoadError &error)
{
    // The system would read such a name only up to its NUL, which names another file.
    if (file.native().find(fs::path::value_type {}) != fs::path::string_type::npos) {
        error = LoadError::fileNotFound();
        return nullptr;
    }
    if (const auto failure = checkRegularFile(file)) {
        error = *failure;
        return nullptr;
    }
    FileDescriptor fd = openForReading(file);
    if (!fd.isOpen()) {
        error = errno == ENOENT ? LoadError::fileNotFound() : LoadError::accessError();
        return nullptr;
    }
    // Checked again on the open file: the name may point elsewhere by now.
    if (!isRegularOpenFile(fd)) {
        error = LoadError::accessError();
        return nullptr;
    }
    return std::make_unique<RegularFileBuf>(std::move(fd));
}

CaptureField readCaptureField(std::streambuf &text, std::size_t keep)
{
    CaptureField result;
    FirstField field = readFirstField(text, keep);
    if (!field.found)
        result.error = LoadError::inputPastEnd();
    result.text = std::move(field.text);
    result.longer = field.longer;
    return result;
}

CaptureField readCaptureField(const fs::path &file, std::size_t keep)
{
    LoadError error;
    const auto in = openRegularFile(file, error);
    if (!in) {
        CaptureField failed;
        failed.error = error;
        return failed;
    }
    CaptureField result = readCaptureField(*in, keep);
    // A failed read looks like the end of the file to the field reader.
    if (in->readFailed())
        result.error = LoadError::accessError();
    return result;
}

} // namespace orvant
