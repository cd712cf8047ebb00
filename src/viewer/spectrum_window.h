#pragma once

#include "measure/distortion.h"
#include "measure/spectrum.h"
#include "measure/spectrum_texts.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace orvant {

class SpectrumPlot;

// The non-modal "Spectrum" window: the shown curve's spectrum with its window and
// scale to choose, a readout of the bin under the mouse, and the distortion figures.
// It shows what it is given; the choices go out as signals.
class SpectrumWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SpectrumWindow(QWidget *parent = nullptr);

    void showSpectrum(const QString &captureName, const Spectrum &spectrum,
                      const std::optional<DistortionAnalysis> &analysis, SpectrumScale scale);
    // The "Between cursors" toggle, shown while the cursors are (`offered`); the heading
    // says which samples the spectrum is of, none: all of them.
    void showGate(bool offered, bool on, const QString &heading);

signals:
    void windowChosen(WindowFunction window);
    void scaleChosen(SpectrumScale scale);
    void saveRequested();
    void gateToggled(bool on);

private:
    void showReadout(int bin);

    QLabel *capture_;
    QLabel *heading_;
    QCheckBox *gate_;
    QComboBox *window_;
    QComboBox *scale_;
    SpectrumPlot *plot_;
    QLabel *graticule_;
    QLabel *readout_;
    QFormLayout *figures_;
    QPushButton *save_;
    Spectrum spectrum_;
    SpectrumScale shownScale_ = SpectrumScale::Dbv;
};

} // namespace orvant
