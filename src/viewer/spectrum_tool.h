#pragma once

#include "measure/sample_gate.h"
#include "measure/spectrum.h"
#include "measure/spectrum_texts.h"
#include "shared/var_global.h"

#include <QObject>

#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace orvant {

class MeasuringTools;
class SpectrumWindow;

// "Spectrum…" (Ctrl+Shift+M) in the plot's context menu: the window made at its first
// use, following every refresh of the measuring tools (loads, overrides, clearing, the
// cursors); of the samples between the time cursors when asked, padded with zeros.
// The window and scale chosen are kept here for the run.
class SpectrumTool : public QObject
{
    Q_OBJECT

public:
    SpectrumTool(const VarGlobal &state, MeasuringTools &measuring, QWidget *owner);

    void showWindow();
    SpectrumWindow *window() const { return window_; }
    // The distortion figures as the window shows them ("THD", "-40.1 dB"), of the
    // samples it is of; none without a tone above DC.
    std::vector<std::pair<std::string, std::string>> figureTexts() const;

private:
    void refresh();
    // The samples the spectrum is of: between the time cursors while they are shown and
    // "Between cursors" is on, else all.
    SampleRange range() const;
    Spectrum spectrumThrough(WindowFunction function) const;
    void saveCsv();

    const VarGlobal &state_;
    MeasuringTools &measuring_;
    QWidget *owner_;
    SpectrumWindow *window_ = nullptr;
    WindowFunction function_ = WindowFunction::Hann;
    SpectrumScale scale_ = SpectrumScale::Dbv;
    bool gateOn_ = false; // kept while the cursors are away
};

} // namespace orvant
