#include "shared/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvant {

namespace {

std::string reasonOf(int error)
{
    return std::generic_category().message(error);
}

#ifndef _WIN32
bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}
#endif

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path &target,
                                               std::string_view content)
{
#ifndef _WIN32
    std::string temp
        = (target.parent_path() / ("." + target.filename().native() + ".XXXXXX")).native();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return reasonOf(errno);
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        ::unlink(temp.c_str());
        return reasonOf(error);
    }
    ::chmod(temp.c_str(), 0644);
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return reasonOf(error);
    }
    return std::nullopt;
#else
    auto temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return std::string("cannot create the file");
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return std::string("cannot write the file");
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, target, error);
    if (error) {
        std::filesystem::remove(temp, error);
        return error.message();
    }
    return std::nullopt;
#endif
}

} // namespace orvant
