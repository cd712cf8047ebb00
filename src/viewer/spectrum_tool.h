#pragma once

#include "measure/spectrum.h"
#include "measure/spectrum_texts.h"
#include "shared/var_global.h"

#include <QObject>

class QWidget;

namespace orvant {

class MeasuringTools;
class SpectrumWindow;

// "Spectrum…" (Ctrl+Shift+M) in the plot's context menu: the window made at its first
// use, following every refresh of the measuring tools (loads, overrides, clearing).
// The window and scale chosen are kept here for the run.
class SpectrumTool : public QObject
{
    Q_OBJECT

public:
    SpectrumTool(const VarGlobal &state, MeasuringTools &measuring, QWidget *owner);

    void showWindow();
    SpectrumWindow *window() const { return window_; }

private:
    void refresh();
    Spectrum shownSpectrum() const;
    void saveCsv();

    const VarGlobal &state_;
    MeasuringTools &measuring_;
    QWidget *owner_;
    SpectrumWindow *window_ = nullptr;
    WindowFunction function_ = WindowFunction::Hann;
    SpectrumScale scale_ = SpectrumScale::Dbv;
};

} // namespace orvant
