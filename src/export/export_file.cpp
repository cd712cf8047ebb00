#include "export/export_file.h"

#include "shared/atomic_file.h"
#include "shared/decimal_text.h"
#include "shared/folders.h"
#include "shared/system_file.h"

#include <array>
#include <ctime>
#include <string_view>

namespace orvant {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The parts of the file, line by line, in the order they are written.
enum class Part {
    FirstLine,
    Empty,
    CaptureText,
    LengthLine,
    ByteHeader,
    ByteRows, // 1055 lines
    CurveTitle,
    SampleHeader,
    SampleRows, // 512 lines
};

constexpr std::array kLayout = {
    Part::FirstLine,  Part::Empty,        Part::CaptureText, Part::Empty,
    Part::LengthLine, Part::Empty,        Part::ByteHeader,  Part::Empty,
    Part::ByteRows,   Part::Empty,        Part::Empty,       Part::CurveTitle,
    Part::Empty,      Part::SampleHeader, Part::Empty,       Part::SampleRows,
};

// A header word and the blanks written before it.
struct HeaderItem
{
    int blanksBefore;
    std::string_view word;
};

constexpr std::array kByteHeader = {
    HeaderItem {0, "  No"}, HeaderItem {5, "HEX"},  HeaderItem {4, "DEZ"},
    HeaderItem {7, "BIN"},  HeaderItem {6, "SIGN"},
};

constexpr std::array kSampleHeader = {
    HeaderItem {0, "  No"},
    HeaderItem {5, "SIGD"},
    HeaderItem {5, "DEZD"},
};

std::string formatted(const std::tm &local, const char *format)
{
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, format, &local);
    return std::string(text, n);
}

template<std::size_t N> std::string headerLine(const std::array<HeaderItem, N> &items)
{
    std::string line;
    for (const HeaderItem &item : items) {
        line.append(static_cast<std::size_t>(item.blanksBefore), ' ');
        line.append(item.word);
    }
    return line;
}

// A number with a blank in the place of its sign before it and one blank after it.
std::string numberItem(long value)
{
    // Appended, not " " + text: GCC 12 at -O3 warns (-Wrestrict) inside std::string there.
    return std::string(" ").append(decimalText(value)).append(" ");
}

// "Length of the HEX_Data File:", length, "Bytes", " =", half of it, "HEX-Values".
std::string lengthLine(long length)
{
    return "Length of the HEX_Data File:" + numberItem(length) + "Bytes" + " ="
        + numberItem(length / 2) + "HEX-Values";
}

void appendLine(std::string &out, std::string_view line)
{
    out.append(line);
    out.append(kLineEnd);
}

struct ExportSource
{
    const PreparedText &text;
    const ByteTable &bytes;
    const CurveTable &curve;
    const ExportTime &line1Time;
};

void appendPart(std::string &out, Part part, const ExportSource &source)
{
    switch (part) {
    case Part::FirstLine:
        return appendLine(out, exportFirstLine(source.line1Time));
    case Part::Empty:
        return appendLine(out, {});
    case Part::CaptureText:
        return appendLine(out, source.text.view());
    case Part::LengthLine:
        return appendLine(out, lengthLine(static_cast<long>(source.text.size())));
    case Part::ByteHeader:
        return appendLine(out, headerLine(kByteHeader));
    case Part::ByteRows:
        return source.bytes.appendRowTexts(out, kLineEnd);
    case Part::CurveTitle:
        return appendLine(out, "CURVE DATA");
    case Part::SampleHeader:
        return appendLine(out, headerLine(kSampleHeader));
    case Part::SampleRows:
        for (int k = 1; k <= kSampleCount; ++k)
            appendLine(out, source.curve.at(k).rowText.view());
        return;
    }
}

// Room for the whole file, so that it is built without a reallocation.
constexpr std::size_t kContentCapacity = 2400 + kPairCount * (38 + 2) + kSampleCount * (22 + 2);

} // namespace

ExportTime ExportTime::at(std::chrono::system_clock::time_point moment)
{
    const std::tm local = localTime(moment);
    return {formatted(local, "%Y-%m-%d"), formatted(local, "%H:%M:%S")};
}

std::string ExportTime::fileTimeText() const
{
    return timeText.substr(0, 2) + "-" + timeText.substr(3, 2) + "-" + timeText.substr(6, 2);
}

std::filesystem::path exportFileName(const std::filesystem::path &folder, const ExportTime &time)
{
    return folder
        / pathFromText("ORVANT Data File " + time.dateText + " " + time.fileTimeText() + ".txt");
}

std::string exportFirstLine(const ExportTime &time)
{
    return "C:\\ORVANT Data File " + time.dateText + " " + time.timeText;
}

std::string exportContent(const PreparedText &text, const ByteTable &bytes, const CurveTable &curve,
                          const ExportTime &line1Time)
{
    const ExportSource source {text, bytes, curve, line1Time};
    std::string out;
    out.reserve(kContentCapacity);
    for (const Part part : kLayout)
        appendPart(out, part, source);
    return out;
}

ExportResult writeExportFile(const std::filesystem::path &folder, const VarGlobal &state,
                             const ExportTime &nameTime, const ExportTime &line1Time)
{
    ExportResult result {exportFileName(folder, nameTime), std::nullopt};
    result.failure = writeFileAtomically(
        result.file,
        exportContent(state.captureText, state.byteTable, state.curveTable, line1Time));
    return result;
}

ExportResult writeExportFile(const std::filesystem::path &folder, const VarGlobal &state,
                             const ExportTime &time)
{
    return writeExportFile(folder, state, time, time);
}

std::string exportCreatedMessage(const std::filesystem::path &file)
{
    return "The Data File " + std::string(" < ") + pathText(file) + " > " + " has been created";
}

std::string exportFailedMessage(const std::filesystem::path &file, const std::string &reason)
{
    return "The Data File " + std::string(" < ") + pathText(file) + " > "
        + " could not be created: " + reason;
}

} // namespace orvant
