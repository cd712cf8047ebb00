#include "capture/capture_load.h"

#include "capture/capture_file.h"
#include "capture/capture_numbers.h"
#include "capture/curve_samples.h"
#include "capture/load_path.h"
#include "capture/preparation.h"
#include "shared/folders.h"

namespace orvant {

namespace {

// Stages 2 to 4 after the field was read.
LoadEnd loadField(const CaptureField &field, VarGlobal &state, LoadStages &stages, ListRows *rows)
{
    if (field.error) {
        stages.failed(*field.error);
        return LoadEnd::Failed;
    }
    const PreparedText text = prepareCaptureText(field.text);
    state.shown.empty();
    stages.read(field.text, text);
    const DecodedSettings decoded = decodeCapture(state, text, rows);
    state.shown.showDecoded(decoded);
    stages.decoded(decoded);
    const bool complete = buildCurveSamples(state.byteTable, state.curveTable, stages);
    return complete ? LoadEnd::Complete : LoadEnd::Stopped;
}

} // namespace

LoadEnd loadCapture(const std::filesystem::path &file, VarGlobal &state, LoadStages &stages,
                    ListRows *rows)
{
    if (!endsWithLogExtension(pathText(file)))
        stages.extensionWarning();
    return loadField(readCaptureField(file, kCaptureTextLength), state, stages, rows);
}

LoadEnd loadCapture(std::streambuf &text, VarGlobal &state, LoadStages &stages, ListRows *rows)
{
    return loadField(readCaptureField(text, kCaptureTextLength), state, stages, rows);
}

PreparedCapture readPreparedCapture(const std::filesystem::path &file)
{
    PreparedCapture result;
    const CaptureField field = readCaptureField(file, kCaptureTextLength);
    if (field.error)
        result.error = field.error;
    else
        result.text = prepareCaptureText(field.text);
    return result;
}

DecodedSettings decodeCapture(VarGlobal &state, const PreparedText &text, ListRows *rows)
{
    state.captureText = text;
    buildByteTable(state.captureText, state.byteTable, rows); // reset included
    const CaptureNumbers numbers = captureNumbers(state.byteTable);
    state.frameNumber = numbers.frameNumber;
    state.byteCount = numbers.byteCount;
    return decodeSettings(state.byteTable, numbers);
}

} // namespace orvant
