#include "viewer/spectrum_plot.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace orvant {

namespace {

constexpr int kMargin = 8;
const QColor kGrid(170, 170, 170);
const QColor kTrace(0, 0, 160);
const QColor kFundamental(200, 0, 0);
const QColor kHarmonic(210, 110, 0);

} // namespace

SpectrumPlot::SpectrumPlot(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("spectrumPlot"));
    setAccessibleName(QStringLiteral("Spectrum"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(2 * (kSpectrumBins - 1) + 2 * kMargin, 320);
}

void SpectrumPlot::setSpectrum(const Spectrum &spectrum,
                               const std::optional<DistortionAnalysis> &analysis,
                               SpectrumScale scale)
{
    spectrum_ = spectrum;
    analysis_ = analysis;
    scale_ = scale;
    span_ = levelSpan(spectrum, scale);
    update();
}

QRectF SpectrumPlot::area() const
{
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPointF SpectrumPlot::pointOf(int bin) const
{
    const QRectF a = area();
    const auto level = shownLevel(spectrum_, bin, scale_);
    const double down = level ? fractionDown(*level, span_) : 1.0;
    return {a.left() + fractionAcross(bin) * a.width(), a.top() + down * a.height()};
}

void SpectrumPlot::drawGraticule(QPainter &painter) const
{
    const QRectF a = area();
    painter.setPen(QPen(kGrid, 1));
    for (int i = 0; i <= kSpectrumDivisionsAcross; ++i) {
        const double x = a.left() + a.width() * i / kSpectrumDivisionsAcross;
        painter.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
    }
    for (int i = 0; i <= kSpectrumDivisionsDown; ++i) {
        const double y = a.top() + a.height() * i / kSpectrumDivisionsDown;
        painter.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
    }
}

void SpectrumPlot::drawMarks(QPainter &painter) const
{
    if (!analysis_)
        return;
    const auto mark = [&](const SpectralTone &tone, const QColor &colour) {
        const QPointF at = pointOf(tone.peakBin);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(colour);
        const QPointF tip(at.x(), at.y() - 3);
        painter.drawPolygon(QPolygonF({tip, tip + QPointF(-4, -7), tip + QPointF(4, -7)}));
        painter.drawText(QPointF(at.x() - 3, at.y() - 12), QString::number(tone.order));
    };
    for (const SpectralTone &harmonic : analysis_->harmonics)
        mark(harmonic, kHarmonic);
    mark(analysis_->fundamental, kFundamental);
}

void SpectrumPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawGraticule(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath trace(pointOf(0));
    for (int k = 1; k < kSpectrumBins; ++k)
        trace.lineTo(pointOf(k));
    painter.setPen(QPen(kTrace, 2));
    painter.drawPath(trace);
    drawMarks(painter);
    const QPointF picked = pointOf(picked_);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(picked.x(), area().top()), QPointF(picked.x(), area().bottom()));
}

void SpectrumPlot::pick(int bin)
{
    const int chosen = std::clamp(bin, 0, kSpectrumBins - 1);
    if (chosen == picked_)
        return;
    picked_ = chosen;
    update();
    emit binPicked(picked_);
}

void SpectrumPlot::mouseMoveEvent(QMouseEvent *event)
{
    const QRectF a = area();
    pick(binAcross((event->position().x() - a.left()) / a.width()));
}

void SpectrumPlot::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        pick(picked_ - step);
        return;
    case Qt::Key_Right:
        pick(picked_ + step);
        return;
    case Qt::Key_Home:
        pick(0);
        return;
    case Qt::Key_End:
        pick(kSpectrumBins - 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace orvant
