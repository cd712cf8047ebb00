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
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    refresh();
}

Spectrum SpectrumTool::shownSpectrum() const
{
    return spectrumOf(state_.curveTable, measuring_.scale(), function_);
}

void SpectrumTool::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    const ShownScale scale = measuring_.scale();
    // The figures always come from the Hann spectrum, whichever window is shown.
    const auto analysis
        = analyseDistortion(spectrumOf(state_.curveTable, scale, WindowFunction::Hann));
    window_->showSpectrum(fileNameText(measuring_.captureName()), shownSpectrum(), analysis,
                          scale_);
}

void SpectrumTool::saveCsv()
{
    measuring_.save("Save Spectrum as CSV", " spectrum.csv", "CSV files (*.csv)",
                    spectrumCsv(shownSpectrum()));
}

} // namespace orvant
