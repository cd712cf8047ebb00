#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orvant {

// The one place that knows the system: the file calls with their Windows
// variants (POSIX elsewhere), and what the rest of the program asks of the system.
#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// An open file, closed when it goes.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    ~FileDescriptor();
    FileDescriptor(FileDescriptor &&other) noexcept;
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes it now: 0, or the error number of a failed close.
    int close();

private:
    int fd_ = -1;
};

// Each call that fails leaves its error number in errno.

// For reading only, never inherited by a child process; elsewhere than on
// Windows without blocking, so that a FIFO swapped in for the file cannot block.
FileDescriptor openForReading(const std::filesystem::path &file);
// True when the open file is a regular file; it blocks again from then on.
bool isRegularOpenFile(const FileDescriptor &file);
// True for a name the status look-up does not find but the system opens all the
// same: the devices of Windows (NUL, CON, COM1, ...).
bool isSystemDevice(const std::filesystem::path &file);

// A new file for writing only, never one that is there already; its mode is what
// the umask leaves of 0666 (on Windows: readable and writable).
FileDescriptor createNewFile(const std::filesystem::path &file);
// The mode of an existing regular file target given to the open file (nothing on
// Windows, whose files keep no mode worth carrying over): 0 or the error number.
int keepModeOf(const std::filesystem::path &target, const FileDescriptor &file);

// Bytes read into buffer (0 at the end of the file), or -1; an interrupted call
// is repeated.
long readSome(const FileDescriptor &file, char *buffer, std::size_t size);
// Bytes of content written, or -1.
long writeSome(const FileDescriptor &file, std::string_view content);
// The data of the file on disk: 0 or the error number.
int syncFile(const FileDescriptor &file);

// Renames from over to. On Windows written through: the rename is on disk when the
// call returns, since a folder cannot be synced there after it as elsewhere.
void renameOver(const std::filesystem::path &from, const std::filesystem::path &to,
                std::error_code &error);
// The names moved into the folder on disk (nothing to do on Windows, see
// renameOver): the reason of a failure, or nothing.
std::optional<std::string> syncFolder(const std::filesystem::path &folder);

// One call that makes every file of a file system durable (Linux: syncfs).
constexpr bool kHasFileSystemSync =
#ifdef __linux__
    true;
#else
    false;
#endif
// The file system that holds the open file, or nothing (errno set).
std::optional<unsigned long long> fileSystemOf(const FileDescriptor &file);
// The whole file system of the open file on disk: 0 or the error number.
int syncFileSystemOf(const FileDescriptor &file);
// Starts the write-back of the file's data without waiting for it, where the
// system can; a failure to start is none, the sync after it reports errors.
void startWriteBack(const FileDescriptor &file);

// The moment in the system's local time.
std::tm localTime(std::chrono::system_clock::time_point moment);

// The system's text for an error number (errno).
std::string systemErrorText(int error);

} // namespace orvant
