#include "capture/capture_file.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvant {

namespace fs = std::filesystem;

namespace {

int openReadOnly(const fs::path &file);

#ifdef _WIN32
// The status look-up does not see the system's devices (NUL, CON, COM1 ...),
// which open all the same.
bool isDevice(const fs::path &file)
{
    const int fd = openReadOnly(file);
    if (fd < 0)
        return false;
    ::_close(fd);
    return true;
}
#else
bool isDevice(const fs::path &)
{
    return false;
}
#endif

// 53 when nothing is there (a dangling link too), 75 when something is there
// that is no regular file or cannot be reached. One look-up: it follows links,
// and a name that is not there at all is not found by it either.
std::optional<LoadError> checkRegularFile(const fs::path &file)
{
    std::error_code error;
    const fs::file_status target = fs::status(file, error);
    if (target.type() == fs::file_type::not_found)
        return isDevice(file) ? LoadError::accessError() : LoadError::fileNotFound();
    if (error || target.type() != fs::file_type::regular)
        return LoadError::accessError();
    return std::nullopt;
}

#ifdef _WIN32
int openReadOnly(const fs::path &file)
{
    return ::_wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
bool isRegularOpenFile(int fd)
{
    struct _stat64 info
    {
    };
    return ::_fstat64(fd, &info) == 0 && (info.st_mode & _S_IFREG) != 0;
}
#else
int openReadOnly(const fs::path &file)
{
    // Non-blocking, so that a FIFO swapped in after the check cannot block.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    return fd;
}
bool isRegularOpenFile(int fd)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Blocking again; none of the other status flags was set by the open.
    ::fcntl(fd, F_SETFL, 0);
    return true;
}
#endif

} // namespace

RegularFileBuf::~RegularFileBuf()
{
#ifdef _WIN32
    ::_close(fd_);
#else
    ::close(fd_);
#endif
}

RegularFileBuf::int_type RegularFileBuf::underflow()
{
    long n = 0;
    do {
#ifdef _WIN32
        n = ::_read(fd_, buffer_, sizeof buffer_);
#else
        n = ::read(fd_, buffer_, sizeof buffer_);
#endif
    } while (n < 0 && errno == EINTR);
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
    const int fd = openReadOnly(file);
    if (fd < 0) {
        error = errno == ENOENT ? LoadError::fileNotFound() : LoadError::accessError();
        return nullptr;
    }
    // Checked again on the open file: the name may point elsewhere by now.
    if (!isRegularOpenFile(fd)) {
        RegularFileBuf closer(fd);
        error = LoadError::accessError();
        return nullptr;
    }
    return std::make_unique<RegularFileBuf>(fd);
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
