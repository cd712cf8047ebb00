#include "rules/viewer_command_line.h"

namespace orvant {

ViewerCommandLine parseViewerCommandLine(const std::vector<std::string> &args)
{
    ViewerCommandLine line;
    bool optionsEnded = false;
    for (const std::string &arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            line.help = true;
        } else if (!optionsEnded && arg == "--version") {
            line.version = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            line.usageError = line.usageError.value_or("unknown option " + arg);
        } else if (line.capture) {
            line.usageError = line.usageError.value_or("only one capture can be opened");
        } else {
            line.capture = arg;
        }
    }
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

} // namespace orvant
