#include "cli/command_words.h"

#include <algorithm>
#include <array>

namespace orvant {

namespace {

// Qt's options as the application object and its X11 platform take them, with a
// single or a double dash: a value in the next word, or joined by "=" where Qt
// reads it so.
constexpr std::array<std::string_view, 16> kQtValueOptions = {"-platform",
                                                              "-platformpluginpath",
                                                              "-platformtheme",
                                                              "-plugin",
                                                              "-qwindowgeometry",
                                                              "-geometry",
                                                              "-qwindowtitle",
                                                              "-title",
                                                              "-qwindowicon",
                                                              "-icon",
                                                              "-session",
                                                              "-style",
                                                              "-stylesheet",
                                                              "-display",
                                                              "-name",
                                                              "-qmljsdebugger"};
constexpr std::array<std::string_view, 3> kQtJoinedOptions
    = {"-style=", "-stylesheet=", "-qmljsdebugger="};
constexpr std::array<std::string_view, 5> kQtFlags
    = {"-reverse", "-widgetcount", "-testability", "-qdevel", "-qdebug"};

bool isOneOf(std::string_view word, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), word) != names.end();
}

// "--name" read as "-name", as Qt reads it.
std::string_view singleDash(std::string_view word)
{
    return word.starts_with("--") ? word.substr(1) : word;
}

} // namespace

CommandWords commandWords(const std::vector<std::string> &args,
                          std::span<const std::string_view> valueOptions)
{
    CommandWords result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        if (word == "--") {
            result.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        const auto name
            = std::find_if(valueOptions.begin(), valueOptions.end(), [&](std::string_view option) {
                  return word == option || word == std::string(option) + "=";
              });
        if (name == valueOptions.end()) {
            result.words.push_back(word);
        } else if (word.back() == '=' || i + 1 == args.size() || args[i + 1].empty()) {
            result.valueMissing = result.valueMissing.value_or(std::string(*name));
            i += word.back() == '=' ? 0 : 1; // the empty value with it
        } else {
            result.words.push_back(word + "=" + args[++i]);
        }
    }
    return result;
}

bool looksLikeOption(std::string_view word)
{
    return word.size() > 1 && word.front() == '-';
}

bool isUnknownOption(std::string_view word, std::span<const std::string_view> flags,
                     std::span<const std::string_view> valueOptions)
{
    const std::string_view name = word.substr(0, word.find('='));
    return looksLikeOption(word) && !isOneOf(word, flags)
        && !(name.size() < word.size() && isOneOf(name, valueOptions));
}

std::optional<std::string> firstUnknownOption(const std::vector<std::string> &words,
                                              std::span<const std::string_view> flags,
                                              std::span<const std::string_view> valueOptions)
{
    const auto unknown = std::find_if(words.begin(), words.end(), [&](const std::string &word) {
        return isUnknownOption(word, flags, valueOptions);
    });
    if (unknown != words.end())
        return *unknown;
    return std::nullopt;
}

std::vector<std::string> withoutQtOptions(const std::vector<std::string> &args)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        const std::string_view word = singleDash(args[i]);
        const bool joined
            = std::any_of(kQtJoinedOptions.begin(), kQtJoinedOptions.end(),
                          [&](std::string_view name) { return word.starts_with(name); });
        if (isOneOf(word, kQtFlags) || joined)
            continue;
        if (isOneOf(word, kQtValueOptions)) {
            ++i; // its value, which Qt takes with it
            continue;
        }
        kept.push_back(args[i]);
    }
    return kept;
}

} // namespace orvant
