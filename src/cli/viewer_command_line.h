#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvant {

// What the command line of the viewer asks for: `orvant [CAPTURE]`.
struct ViewerCommandLine
{
    bool help = false; // --help, -h
    bool version = false; // --version
    std::optional<std::string> capture; // a capture file or a folder
    std::optional<std::string> usageError;
};

// The arguments after the program name, Qt's own options among them (they are
// Qt's and pass). --help and --version win over anything else, so that they
// answer whatever else is given.
ViewerCommandLine parseViewerCommandLine(const std::vector<std::string> &args);

std::string viewerUsageText();
std::string viewerHelpText();
std::string viewerVersionText(); // "orvant <version>\n"

} // namespace orvant
