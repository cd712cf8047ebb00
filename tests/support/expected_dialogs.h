#pragma once

#include <map>
#include <string>
#include <vector>

namespace orvant::test {

// One dialog with its title, options and place, written out by hand.
struct ExpectedDialog
{
    int parameter;
    std::string title;
    std::vector<std::string> shown;
    std::vector<std::string> written; // empty: the same as shown
    int top;
    int clientHeight;
    std::map<int, int> wider = {}; // option index -> width in twips
    int promptWidth = 3435;

    const std::vector<std::string> &writtenTexts() const
    {
        return written.empty() ? shown : written;
    }
    int width(int index) const
    {
        const auto found = wider.find(index);
        return found == wider.end() ? 1000 : found->second;
    }
};

const std::vector<ExpectedDialog> &expectedDialogs();

} // namespace orvant::test
