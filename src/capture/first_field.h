#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

namespace orvant {

struct FirstField
{
    bool found = false; // false: the source held only blanks, tabs and line ends
    std::string text; // at most `keep` characters of the field
    bool longer = false; // the field went on beyond `keep` characters
};

// Reads the first comma- or line-delimited field: leading blanks, tabs, CR and LF
// are skipped; the field ends at a comma, CR, LF or the end of the source; a field
// that begins with a double quote runs to the next double quote, without the
// quotes. Keeps at most `keep` characters and stops reading at the first one
// beyond them, so an endless source costs no more than a short one.
FirstField readFirstField(std::streambuf &in, std::size_t keep);

} // namespace orvant
