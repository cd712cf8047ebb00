#pragma once

#include "measure/distortion.h"
#include "measure/spectrum.h"
#include "measure/spectrum_graticule.h"
#include "measure/spectrum_texts.h"

#include <QWidget>

#include <optional>

namespace orvant {

// A spectrum on a graticule of its own, the fundamental and the harmonics marked with
// their order, and the bin under the mouse (or moved with the arrow keys) picked out.
class SpectrumPlot : public QWidget
{
    Q_OBJECT

public:
    explicit SpectrumPlot(QWidget *parent = nullptr);

    void setSpectrum(const Spectrum &spectrum, const std::optional<DistortionAnalysis> &analysis,
                     SpectrumScale scale);
    int pickedBin() const { return picked_; }

signals:
    void binPicked(int bin);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF area() const;
    QPointF pointOf(int bin) const;
    void pick(int bin);
    void drawGraticule(QPainter &painter) const;
    void drawMarks(QPainter &painter) const;

    Spectrum spectrum_;
    std::optional<DistortionAnalysis> analysis_;
    SpectrumScale scale_ = SpectrumScale::Dbv;
    LevelSpan span_;
    int picked_ = 0;
};

} // namespace orvant
