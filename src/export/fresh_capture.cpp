#include "export/fresh_capture.h"

namespace orvant {

FreshCapture loadFreshCapture(const std::filesystem::path &capture, LoadStages &stages)
{
    // Failures are returned, not shown: only the read can fail.
    class Seen : public LoadStages
    {
    public:
        explicit Seen(LoadStages &caller)
            : caller_(caller)
        {
        }
        void extensionWarning() override { caller_.extensionWarning(); }
        void failed(const LoadError &error) override { this->error = error; }
        std::optional<LoadError> error;

    private:
        LoadStages &caller_;
    } seen(stages);

    // Fresh for every capture. No list rows.
    FreshCapture result {std::make_unique<VarGlobal>(), {}};
    if (loadCapture(capture, *result.state, seen) == LoadEnd::Failed)
        result.error = seen.error;
    return result;
}

CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time,
                                 LoadStages &stages)
{
    const FreshCapture fresh = loadFreshCapture(capture, stages);
    if (fresh.error)
        return {{}, fresh.error};
    const VarGlobal &state = *fresh.state;
    return {exportContent(state.captureText, state.byteTable, state.curveTable, line1Time), {}};
}

CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time)
{
    LoadStages quiet;
    return exportFreshCapture(capture, line1Time, quiet);
}

} // namespace orvant
