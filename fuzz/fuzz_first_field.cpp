// The first-field reader over any input, with the capacity of a capture
// (2110) and that of the path file (4096 + 1), against a plain model of the
// field rule.
#include "capture/first_field.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

struct ModelField
{
    bool found = false;
    std::string_view field; // the whole field, however long
    std::size_t textStart = 0; // offset of its first character in the input
};

ModelField modelField(std::string_view input)
{
    ModelField model;
    const std::size_t start = input.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return model;
    model.found = true;
    const bool quoted = input[start] == '"';
    model.textStart = start + (quoted ? 1 : 0);
    const std::string_view rest = input.substr(model.textStart);
    model.field = rest.substr(0, quoted ? rest.find('"') : rest.find_first_of(",\r\n"));
    return model;
}

bool onlySkippedCharacters(std::string_view input)
{
    return input.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void checkRead(std::string_view input, std::size_t keep)
{
    std::stringbuf in(std::string(input), std::ios::in);
    const orvant::FirstField field = orvant::readFirstField(in, keep);
    const auto consumed = static_cast<std::size_t>(in.pubseekoff(0, std::ios::cur, std::ios::in));

    FUZZ_CHECK(field.text.size() <= keep);
    FUZZ_CHECK(!field.longer || field.text.size() == keep);
    FUZZ_CHECK(field.found || onlySkippedCharacters(input));
    FUZZ_CHECK(field.found || field.text.empty());

    const ModelField model = modelField(input);
    FUZZ_CHECK(field.found == model.found);
    FUZZ_CHECK(field.text == model.field.substr(0, keep));
    FUZZ_CHECK(field.longer == (model.field.size() > keep));
    // A long field is not read beyond the first character past the capacity.
    if (field.longer)
        FUZZ_CHECK(consumed == model.textStart + keep + 1);
    FUZZ_CHECK(consumed <= input.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    checkRead(input, 2110);
    checkRead(input, 4097);
    return 0;
}
