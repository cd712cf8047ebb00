#include "export_lines.h"

namespace orvant::test {

std::optional<LoadError> LoadedProgram::load(const std::filesystem::path &capture)
{
    struct Failure : LoadStages
    {
        void failed(const LoadError &e) override { error = e; }
        std::optional<LoadError> error;
    } stages;
    loadCapture(capture, *state, stages, rows.get());
    return stages.error;
}

std::vector<std::string_view> exportLinesByLength(std::string_view content,
                                                  std::size_t firstLineLength)
{
    // Lines 1 to 8, the 1055 byte rows, lines 1064 to 1069, the 512 sample rows.
    std::vector<std::size_t> lengths = {firstLineLength, 0, 2110, 0, 57, 0, 39, 0};
    lengths.insert(lengths.end(), 1055, 38);
    lengths.insert(lengths.end(), {0, 0, 10, 0, 22, 0});
    lengths.insert(lengths.end(), 512, 22);

    std::vector<std::string_view> lines;
    std::size_t at = 0;
    for (const std::size_t length : lengths) {
        if (content.substr(at + length, 2) != "\r\n")
            return {};
        lines.push_back(content.substr(at, length));
        at += length + 2;
    }
    if (at != content.size())
        return {};
    return lines;
}

std::size_t firstLineLength(std::string_view date, std::string_view time)
{
    return std::string_view("C:\\ORVANT Data File ").size() + date.size() + 1 + time.size();
}

} // namespace orvant::test
