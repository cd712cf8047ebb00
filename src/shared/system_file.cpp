#include "shared/system_file.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvant {

namespace fs = std::filesystem;

FileDescriptor::~FileDescriptor()
{
    close();
}

FileDescriptor::FileDescriptor(FileDescriptor &&other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

std::string systemErrorText(int error)
{
    return std::generic_category().message(error);
}

long readSome(const FileDescriptor &file, char *buffer, std::size_t size)
{
    long n = 0;
    do {
#ifdef _WIN32
        n = ::_read(file.get(), buffer,
                    static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
#else
        n = ::read(file.get(), buffer, size);
#endif
    } while (n < 0 && errno == EINTR);
    return n;
}

std::tm localTime(std::chrono::system_clock::time_point moment)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

#ifdef _WIN32

int FileDescriptor::close()
{
    const int fd = std::exchange(fd_, -1);
    return fd >= 0 && ::_close(fd) != 0 ? errno : 0;
}

FileDescriptor openForReading(const fs::path &file)
{
    return FileDescriptor(::_wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT));
}

bool isRegularOpenFile(const FileDescriptor &file)
{
    struct _stat64 info
    {
    };
    return ::_fstat64(file.get(), &info) == 0 && (info.st_mode & _S_IFREG) != 0;
}

bool isSystemDevice(const fs::path &file)
{
    return openForReading(file).isOpen();
}

FileDescriptor createNewFile(const fs::path &file)
{
    return FileDescriptor(::_wopen(file.c_str(),
                                   _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
                                   _S_IREAD | _S_IWRITE));
}

int keepModeOf(const fs::path &, const FileDescriptor &)
{
    return 0;
}

long writeSome(const FileDescriptor &file, std::string_view content)
{
    const auto n = static_cast<unsigned>(std::min<std::size_t>(content.size(), 1u << 30));
    return ::_write(file.get(), content.data(), n);
}

int syncFile(const FileDescriptor &file)
{
    return ::_commit(file.get()) == 0 ? 0 : errno;
}

// The library's rename does not ask for the write-through.
void renameOver(const fs::path &from, const fs::path &to, std::error_code &error)
{
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error.clear();
    else
        error.assign(static_cast<int>(::GetLastError()), std::system_category());
}

std::optional<std::string> syncFolder(const fs::path &)
{
    return std::nullopt;
}

#else

int FileDescriptor::close()
{
    const int fd = std::exchange(fd_, -1);
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
}

FileDescriptor openForReading(const fs::path &file)
{
    return FileDescriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
}

bool isRegularOpenFile(const FileDescriptor &file)
{
    struct stat info
    {
    };
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Blocking again; none of the other status flags was set by the open.
    ::fcntl(file.get(), F_SETFL, 0);
    return true;
}

bool isSystemDevice(const fs::path &)
{
    return false;
}

FileDescriptor createNewFile(const fs::path &file)
{
    // The system applies the umask to 0666, as for any file a program makes.
    return FileDescriptor(::open(file.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666));
}

int keepModeOf(const fs::path &target, const FileDescriptor &file)
{
    struct stat info
    {
    };
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISREG(info.st_mode) && ::fchmod(file.get(), info.st_mode & 07777) != 0)
        return errno;
    return 0;
}

long writeSome(const FileDescriptor &file, std::string_view content)
{
    return ::write(file.get(), content.data(), content.size());
}

int syncFile(const FileDescriptor &file)
{
    return ::fsync(file.get()) == 0 ? 0 : errno;
}

// An existing target passes its mode on to the file that replaces it.
void renameOver(const fs::path &from, const fs::path &to, std::error_code &error)
{
    fs::rename(from, to, error);
}

std::optional<std::string> syncFolder(const fs::path &folder)
{
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen())
        return systemErrorText(errno);
    if (::fsync(fd.get()) != 0)
        return systemErrorText(errno);
    return std::nullopt;
}

#endif

#ifdef __linux__

std::optional<unsigned long long> fileSystemOf(const FileDescriptor &file)
{
    struct stat info
    {
    };
    if (::fstat(file.get(), &info) != 0)
        return std::nullopt;
    return static_cast<unsigned long long>(info.st_dev);
}

int syncFileSystemOf(const FileDescriptor &file)
{
    return ::syncfs(file.get()) == 0 ? 0 : errno;
}

void startWriteBack(const FileDescriptor &file)
{
    ::sync_file_range(file.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

#else

std::optional<unsigned long long> fileSystemOf(const FileDescriptor &)
{
    errno = ENOSYS;
    return std::nullopt;
}

int syncFileSystemOf(const FileDescriptor &)
{
    return ENOSYS;
}

void startWriteBack(const FileDescriptor &) { }

#endif

} // namespace orvant
