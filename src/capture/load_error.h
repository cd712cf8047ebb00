#pragma once

#include <string>

namespace orvant {

// A failure that ends a load, with the number and description its report shows.
struct LoadError
{
    int number = 0;
    std::string description;

    static LoadError invalidCall() { return {5, "Invalid procedure call or argument"}; }
    static LoadError fileNotFound() { return {53, "File not found"}; }
    static LoadError inputPastEnd() { return {62, "Input past end of file"}; }
    static LoadError accessError() { return {75, "Path/File access error"}; }

    bool operator==(const LoadError &) const = default;
};

// "Error 53 (File not found) in procedure filDatei_Click of Formular frmOrvant"
std::string loadErrorReport(const LoadError &error);

} // namespace orvant
