#include "shared/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

namespace orvant {

namespace fs = std::filesystem;

namespace {

// The file a write to target ends in: target, or the end of its chain of
// links. A link that points nowhere yet names the file to make.
fs::path followLinks(const fs::path &target, std::error_code &error)
{
    constexpr int kMaxLinks = 40; // as the system counts before it gives up
    fs::path file = target;
    for (int i = 0; i < kMaxLinks; ++i) {
        const fs::file_status status = fs::symlink_status(file, error);
        if (status.type() == fs::file_type::not_found)
            error.clear();
        if (error || !fs::is_symlink(status))
            return file;
        const fs::path next = fs::read_symlink(file, error);
        if (error)
            return file;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return file;
}

// ".<name>.orvant-aside-XXXXXX", the name cut from the front where the whole
// would be longer than a file name may be; its end stays for isAsideName.
fs::path asideName(const fs::path &target)
{
    constexpr std::size_t kMaxName = 255;
    constexpr std::size_t kRandom = 6;
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    auto name = target.filename().native();
    const std::size_t room = kMaxName - 1 - kAsideMarker.size() - kRandom;
    if (name.size() > room)
        name.erase(0, name.size() - room);
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    fs::path::string_type tail(kRandom, '0');
    for (auto &c : tail)
        c = static_cast<fs::path::value_type>(kLetters[pick(random)]);
    fs::path::string_type aside(1, '.');
    aside += name;
    aside += fs::path(std::string(kAsideMarker)).native();
    aside += tail;
    return target.parent_path() / aside;
}

} // namespace

bool isAsideName(std::string_view fileName, std::string_view finalSuffix)
{
    constexpr std::size_t kRandom = 6;
    if (fileName.size() < 1 + kAsideMarker.size() + kRandom || fileName.front() != '.')
        return false;
    const std::string_view rest = fileName.substr(0, fileName.size() - kRandom);
    if (!rest.ends_with(kAsideMarker))
        return false;
    return rest.substr(1, rest.size() - 1 - kAsideMarker.size()).ends_with(finalSuffix);
}

AsideFile::~AsideFile()
{
    discard();
}

AsideFile::AsideFile(AsideFile &&other) noexcept
    : target_(std::move(other.target_))
    , temp_(std::move(other.temp_))
    , file_(std::move(other.file_))
{
    other.temp_.clear();
}

AsideFile &AsideFile::operator=(AsideFile &&other) noexcept
{
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        temp_ = std::move(other.temp_);
        file_ = std::move(other.file_);
        other.temp_.clear();
    }
    return *this;
}

std::optional<std::string> AsideFile::create(const fs::path &target)
{
    discard();
    std::error_code error;
    target_ = followLinks(target, error);
    if (error)
        return error.message();
    constexpr int kAttempts = 100;
    for (int i = 0; i < kAttempts && !file_.isOpen(); ++i) {
        temp_ = asideName(target_);
        file_ = createNewFile(temp_);
        if (!file_.isOpen() && errno != EEXIST) {
            const int reason = errno;
            temp_.clear();
            return systemErrorText(reason);
        }
    }
    if (!file_.isOpen()) {
        temp_.clear();
        return systemErrorText(EEXIST);
    }
    if (const int reason = keepModeOf(target_, file_)) {
        discard();
        return systemErrorText(reason);
    }
    return std::nullopt;
}

std::optional<std::string> AsideFile::write(std::string_view content)
{
    while (!content.empty()) {
        const long n = writeSome(file_, content);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemErrorText(errno);
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return std::nullopt;
}

std::optional<std::string> AsideFile::sync()
{
    if (const int reason = syncFile(file_))
        return systemErrorText(reason);
    return std::nullopt;
}

std::optional<std::string> AsideFile::close()
{
    if (const int reason = file_.close())
        return systemErrorText(reason);
    return std::nullopt;
}

std::optional<std::string> AsideFile::place()
{
    std::error_code error;
    renameOver(temp_, target_, error);
    if (error)
        return error.message();
    temp_.clear();
    return std::nullopt;
}

void AsideFile::discard()
{
    close();
    if (!temp_.empty()) {
        std::error_code ignored;
        fs::remove(temp_, ignored);
        temp_.clear();
    }
}

std::optional<std::string> writeFileAtomically(const fs::path &target, std::string_view content)
{
    AsideFile file;
    if (auto failure = file.create(target))
        return failure;
    if (auto failure = file.write(content))
        return failure;
    if (auto failure = file.sync())
        return failure;
    if (auto failure = file.close())
        return failure;
    return file.place();
}

} // namespace orvant
