#include "viewer/spectrum_tool.h"

#include "export/spectrum_csv.h"
#include "measure/distortion.h"
#include "viewer/measuring_tools.h"
#include "viewer/spectrum_window.h"
#include "widgets/file_name_text.h"

#include <QAction>

namespace orvant {

SpectrumTool::SpectrumTool(const VarGlobal &state, MeasuringTools &measuring, QWidget *owner)
    : QObject(owner)
    , state_(state)
    , measuring_(measuring)
    , owner_(owner)
{
    QAction *open = measuring.addMenuEntry(QStringLiteral("Spectrum\u2026"),
                                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    connect(open, &QAction::triggered, this, &SpectrumTool::showWindow);
    connect(&measuring, &MeasuringTools::refreshed, this, &SpectrumTool::refresh);
}

void SpectrumTool::showWindow()
{
    if (!window_) {
        // A window of its own, not one whose return activates the main window.
        window_ = new SpectrumWindow(owner_);
        connect(window_, &SpectrumWindow::windowChosen, this, [this](WindowFunction function) {
            function_ = function;
            refresh();
        });
        connect(window_, &SpectrumWindow::scaleChosen, this, [this](SpectrumScale scale) {
            scale_ = scale;
            refresh();
        });
        connect(window_, &SpectrumWindow::saveRequested, this, &SpectrumTool::saveCsv);
        connect(window_, &SpectrumWindow::gateToggled, this, [this](bool on) {
            gateOn_ = on;
            refresh();
        });
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    refresh();
}

SampleRange SpectrumTool::range() const
{
    const auto box = measuring_.cursorBox();
    return gateOn_ && box ? samplesBetween(*box) : SampleRange {};
}

Spectrum SpectrumTool::spectrumThrough(WindowFunction function) const
{
    const ShownScale scale = measuring_.scale();
    const auto levels = recordLevels(state_.curveTable, scale);
    const SampleRange samples = range();
    const std::span<const double> gated(levels.data() + (samples.first - 1),
                                        static_cast<std::size_t>(samples.count()));
    return spectrumOf(gated, function, scale);
}

void SpectrumTool::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    // The figures always come from the Hann spectrum, whichever window is shown.
    const auto analysis = analyseDistortion(spectrumThrough(WindowFunction::Hann));
    window_->showSpectrum(fileNameText(measuring_.captureName()), spectrumThrough(function_),
                          analysis, scale_);
    const auto box = measuring_.cursorBox();
    const bool gated = gateOn_ && box;
    window_->showGate(box.has_value(), gateOn_,
                      gated ? QString::fromStdString(gateHeading(*box, measuring_.scale()))
                            : QString());
}

std::vector<std::pair<std::string, std::string>> SpectrumTool::figureTexts() const
{
    const Spectrum hann = spectrumThrough(WindowFunction::Hann);
    const auto analysis = analyseDistortion(hann);
    if (!analysis)
        return {};
    return distortionTexts(analysis, hann);
}

void SpectrumTool::saveCsv()
{
    measuring_.save("Save Spectrum as CSV", " spectrum.csv", "CSV files (*.csv)",
                    spectrumCsv(spectrumThrough(function_)));
}

} // namespace orvant
