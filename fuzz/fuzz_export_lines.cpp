// The export file's lines after two loads on one program state (the input's
// first and second field), stamped with a moment taken from the rest of the
// input: 1581 lines of known length, each ended by CR LF, whatever bytes the
// tables hold.
#include "capture/capture_load.h"
#include "export/export_file.h"
#include "fuzz_check.h"
#include "shared/var_global.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace orvant;

void load(std::streambuf &input, VarGlobal &state)
{
    LoadStages quiet;
    loadCapture(input, state, quiet);
}

// Seconds since 1970 from the bytes left over, kept where the clock's
// nanoseconds cannot overflow (before 2255).
std::chrono::system_clock::time_point momentOf(std::streambuf &input)
{
    std::uint64_t seconds = 0;
    for (int i = 0; i < 8; ++i) {
        const auto c = input.sbumpc();
        if (c == std::char_traits<char>::eof())
            break;
        seconds = seconds << 8 | static_cast<unsigned char>(c);
    }
    return std::chrono::system_clock::time_point(
        std::chrono::seconds(static_cast<std::int64_t>(seconds % 9'000'000'000)));
}

bool matchesPattern(std::string_view text, std::string_view pattern) // 9 stands for a digit
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '9' ? !digit : text[i] != pattern[i])
            return false;
    }
    return true;
}

void checkTime(const ExportTime &time)
{
    FUZZ_CHECK(matchesPattern(time.dateText, "9999-99-99"));
    FUZZ_CHECK(matchesPattern(time.timeText, "99:99:99"));
    const std::string hhmmss = time.fileTimeText();
    FUZZ_CHECK(hhmmss
               == time.timeText.substr(0, 2) + "-" + time.timeText.substr(3, 2) + "-"
                   + time.timeText.substr(6, 2));
    FUZZ_CHECK(exportFileName("folder", time).filename()
               == "ORVANT Data File " + time.dateText + " " + hhmmss + ".txt");
}

// Walks the content line by line by the lengths the lines must have.
class Lines
{
public:
    explicit Lines(std::string_view content)
        : content_(content)
    {
    }

    void expect(std::string_view line)
    {
        FUZZ_CHECK(content_.substr(at_, line.size()) == line);
        at_ += line.size();
        FUZZ_CHECK(content_.substr(at_, 2) == "\r\n");
        at_ += 2;
        ++count_;
    }
    void expectEmpty(int lines)
    {
        for (int i = 0; i < lines; ++i)
            expect("");
    }
    void expectEnd() const { FUZZ_CHECK(at_ == content_.size() && count_ == 1581); }

private:
    std::string_view content_;
    std::size_t at_ = 0;
    int count_ = 0;
};

void checkContent(const VarGlobal &state, const ExportTime &time, const std::string &content)
{
    constexpr std::size_t kKnownLengths = 2110 + 57 + 39 + 1055 * 38 + 10 + 22 + 512 * 22;
    const std::size_t line1 = 20 + time.dateText.size() + 1 + time.timeText.size();
    FUZZ_CHECK(content.size() == line1 + kKnownLengths + 2 * 1581);

    Lines lines(content);
    lines.expect("C:\\ORVANT Data File " + time.dateText + " " + time.timeText);
    lines.expectEmpty(1);
    lines.expect(state.captureText.view());
    lines.expectEmpty(1);
    lines.expect("Length of the HEX_Data File: 2110 Bytes = 1055 HEX-Values");
    lines.expectEmpty(1);
    lines.expect("  No     HEX    DEZ       BIN      SIGN");
    lines.expectEmpty(1);
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2)
        lines.expect(state.byteTable.at(nr).rowText.view());
    lines.expectEmpty(2);
    lines.expect("CURVE DATA");
    lines.expectEmpty(1);
    lines.expect("  No     SIGD     DEZD");
    lines.expectEmpty(1);
    for (int k = 1; k <= kSampleCount; ++k)
        lines.expect(state.curveTable.at(k).rowText.view());
    lines.expectEnd();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::stringbuf input(std::string(reinterpret_cast<const char *>(data), size), std::ios::in);
    const auto state = std::make_unique<VarGlobal>();
    load(input, *state);
    load(input, *state);

    const ExportTime time = ExportTime::at(momentOf(input));
    checkTime(time);
    const std::string content
        = exportContent(state->captureText, state->byteTable, state->curveTable, time);
    checkContent(*state, time, content);
    return 0;
}
