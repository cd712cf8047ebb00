#include "table/folder_captures.h"

#include "shared/folders.h"

#include <algorithm>

namespace orvant {

namespace {

char foldedAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool beforeWithoutCase(const std::string &a, const std::string &b)
{
    const bool less
        = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
              return foldedAscii(x) < foldedAscii(y);
          });
    const bool greater
        = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
              return foldedAscii(x) < foldedAscii(y);
          });
    return less || greater ? less : a < b;
}

} // namespace

std::vector<std::string> folderFileNames(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = pathText(it->path().filename());
        std::error_code statusError;
        if (!name.starts_with('.') && it->is_regular_file(statusError))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), beforeWithoutCase);
    return names;
}

std::vector<SummaryRequest> captureRequests(const std::vector<std::string> &arguments)
{
    std::vector<SummaryRequest> requests;
    for (const std::string &argument : arguments) {
        const std::filesystem::path path = pathFromText(argument);
        std::error_code error;
        if (!std::filesystem::is_directory(path, error)) {
            requests.push_back({path, argument});
            continue;
        }
        for (const std::string &name : folderFileNames(path)) {
            const std::filesystem::path file = path / pathFromText(name);
            requests.push_back({file, pathText(file)});
        }
    }
    return requests;
}

} // namespace orvant
