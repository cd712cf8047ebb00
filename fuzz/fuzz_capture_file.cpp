// The read of a real capture file: the input becomes a file, read through the
// regular-file stream with its 4096-byte buffer, and must give what the reader
// gives over the same bytes in memory.
#include "capture/capture_file.h"
#include "capture/capture_load.h"
#include "capture/preparation.h"
#include "fuzz_check.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// One file per fuzzing process, rewritten for every input.
const fs::path &captureFile()
{
    static const fs::path file
        = fs::temp_directory_path() / ("orvant-fuzz-" + std::to_string(::getpid()) + ".log");
    return file;
}

void removeCaptureFile()
{
    std::error_code ignored;
    fs::remove(captureFile(), ignored);
}

void writeCaptureFile(std::string_view content)
{
    std::ofstream out(captureFile(), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    FUZZ_CHECK(out.good());
}

void checkFileRead(std::string_view input, std::size_t keep)
{
    std::stringbuf memory(std::string(input), std::ios::in);
    const orvant::FirstField expected = orvant::readFirstField(memory, keep);
    const orvant::CaptureField field = orvant::readCaptureField(captureFile(), keep);
    if (expected.found)
        FUZZ_CHECK(!field.error);
    else
        FUZZ_CHECK(field.error == orvant::LoadError::inputPastEnd());
    FUZZ_CHECK(field.text == expected.text);
    FUZZ_CHECK(field.longer == expected.longer);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::atexit(removeCaptureFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    writeCaptureFile(input);
    checkFileRead(input, orvant::kCaptureTextLength);
    checkFileRead(input, 4097);

    const orvant::PreparedCapture prepared = orvant::readPreparedCapture(captureFile());
    std::stringbuf memory(std::string(input), std::ios::in);
    const orvant::FirstField field = orvant::readFirstField(memory, orvant::kCaptureTextLength);
    FUZZ_CHECK(prepared.error.has_value() == !field.found);
    if (field.found)
        FUZZ_CHECK(prepared.text == orvant::prepareCaptureText(field.text));
    return 0;
}
