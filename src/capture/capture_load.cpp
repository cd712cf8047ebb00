#include "capture/capture_load.h"

#include "capture/capture_file.h"
#include "capture/preparation.h"

namespace orvant {

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

SettingsTexts decodeCapture(VarGlobal &state, const PreparedText &text, ListRows &rows)
{
    state.captureText = text;
    state.byteTable.reset();
    const CaptureNumbers numbers = buildByteTable(state.captureText, state.byteTable, rows);
    state.frameNumber = numbers.frameNumber;
    state.byteCount = numbers.byteCount;
    return decodeSettings(state.byteTable, numbers);
}

} // namespace orvant
