// The one file of the viewer that reads CLI11 (slow to compile).
#include "cli/viewer_command_line.h"

#include "cli/command_words.h"

#include <CLI/CLI.hpp>

#include <array>
#include <string_view>

namespace orvant {

namespace {

constexpr std::array<std::string_view, 3> kFlags = {"-h", "--help", "--version"};

} // namespace

ViewerCommandLine parseViewerCommandLine(const std::vector<std::string> &args)
{
    ViewerCommandLine line;
    const CommandWords words = commandWords(withoutQtOptions(args), {});
    // The words the parser may see; the first of the others is the error.
    std::vector<std::string> known;
    for (const std::string &word : words.words) {
        if (!isUnknownOption(word, kFlags, {}))
            known.push_back(word);
        else if (!line.usageError)
            line.usageError = "unknown option " + word;
    }
    CLI::App app;
    app.set_help_flag();
    // "/x" is a path on every system, never an option.
    app.allow_windows_style_options(false);
    app.add_flag("-h,--help", line.help);
    app.add_flag("--version", line.version);
    std::vector<std::string> captures;
    app.add_option("capture", captures);
    // This version of CLI11 takes a vector's words from the back.
    std::vector<std::string> reversed(known.rbegin(), known.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &error) {
        line.usageError = line.usageError.value_or(error.what());
    }
    captures.insert(captures.end(), words.operands.begin(), words.operands.end());
    if (!captures.empty())
        line.capture = captures.front();
    if (captures.size() > 1)
        line.usageError = line.usageError.value_or("only one capture can be opened");
    if (line.help || line.version)
        line.usageError.reset();
    return line;
}

std::string viewerUsageText()
{
    return "Usage: orvant [CAPTURE]\n";
}

std::string viewerHelpText()
{
    return viewerUsageText()
        + "\n"
          "Shows the ORVANT viewer. With CAPTURE, a capture file (\".log\"), the viewer\n"
          "goes to the capture's folder once its window is shown and loads the capture\n"
          "as a click on its name would; with a folder it only goes there.\n"
          "\n"
          "  --help     show this text\n"
          "  --version  show the version\n"
          "\n"
          "Batch conversion without a window: orvant-export --help.\n";
}

std::string viewerVersionText()
{
    return "orvant " ORVANT_VERSION "\n";
}

} // namespace orvant
