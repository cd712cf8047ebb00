#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// A command line made ready for the parser: the words before a lone "--", each
// option that takes a value joined to it ("--to X" as "--to=X", so that a value
// may start with a dash, as a folder's name may), and every word after the "--",
// operands only.
struct CommandWords
{
    std::vector<std::string> words;
    std::vector<std::string> operands;
    // An option that takes a value given without one (last, as "--to=", or with an
    // empty word).
    std::optional<std::string> valueMissing;
};

CommandWords commandWords(const std::vector<std::string> &args,
                          std::span<const std::string_view> valueOptions);

// True for a word meant as an option: a dash and more ("-" alone is an operand).
bool looksLikeOption(std::string_view word);

// True for a word that looks like an option but is none of these as spelled here
// (no short options grouped, no value given to a flag): the parser would read some
// such words otherwise, or name them in its own words.
bool isUnknownOption(std::string_view word, std::span<const std::string_view> flags,
                     std::span<const std::string_view> valueOptions);

// The first of the words that isUnknownOption().
std::optional<std::string> firstUnknownOption(const std::vector<std::string> &words,
                                              std::span<const std::string_view> flags,
                                              std::span<const std::string_view> valueOptions);

// The arguments without Qt's own options and their values (`-platform offscreen`,
// `-style=fusion`, `--reverse`, ...), which the application object takes; a lone
// "--" and what follows stay as they are.
std::vector<std::string> withoutQtOptions(const std::vector<std::string> &args);

} // namespace orvant
