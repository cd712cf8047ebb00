#pragma once

#include <filesystem>
#include <system_error>

namespace orvant::test {

// Whether this process can make a symbolic link in folder: Windows allows it
// only with a privilege or in developer mode, and its C++ runtimes may not
// offer it at all.
inline bool canMakeSymlinks(const std::filesystem::path &folder)
{
    const auto probe = folder / "symlink-probe";
    std::error_code error;
    std::filesystem::create_symlink("target", probe, error);
    if (error)
        return false;
    std::filesystem::remove(probe, error);
    return true;
}

} // namespace orvant::test

// Skips the current test, naming the reason, where no link can be made.
#define ORVANT_SKIP_WITHOUT_SYMLINKS(folder)                                                       \
    if (!::orvant::test::canMakeSymlinks(folder))                                                  \
    GTEST_SKIP() << "symbolic links cannot be made here (Windows: a privilege is needed)"
