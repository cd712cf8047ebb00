#include "viewer/zoom_tool.h"

#include "shared/curve_sample.h"
#include "viewer/measuring_tools.h"
#include "viewer/zoom_window.h"
#include "widgets/file_name_text.h"
#include "widgets/pic_curve.h"

#include <QAction>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <variant>

namespace orvant {

namespace {

const QColor kReferenceColour(0, 140, 0);

// A curve drawn again with the same samples and colour lies on its earlier self:
// only its last drawing shows, and stepping through the same capture a thousand
// times leaves one curve to draw, not a thousand.
std::vector<ZoomCurve> lastOfEach(std::vector<ZoomCurve> drawn)
{
    const auto keyOf = [](const ZoomCurve &curve) {
        return std::pair(curve.colour.rgb(),
                         std::string(reinterpret_cast<const char *>(curve.values.data()),
                                     curve.values.size() * sizeof(std::int16_t)));
    };
    std::set<std::pair<QRgb, std::string>> seen;
    std::vector<ZoomCurve> kept;
    for (auto curve = drawn.rbegin(); curve != drawn.rend(); ++curve) {
        if (seen.insert(keyOf(*curve)).second)
            kept.push_back(std::move(*curve));
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

std::vector<ZoomCurve> curvesOf(const PicCurve &plot)
{
    std::vector<ZoomCurve> curves;
    for (const PlotDrawing &drawing : plot.drawings()) {
        const auto *curve = std::get_if<CurveDrawing>(&drawing);
        if (!curve)
            continue;
        // A next colour outside 1 to 4 drew no curve.
        if (const PlotColour colour = curveColour(curve->nextColour))
            curves.push_back({curve->values, QColor::fromRgb(*colour)});
    }
    return lastOfEach(std::move(curves));
}

bool isRecord(const std::vector<std::int16_t> &values)
{
    return values.size() == static_cast<std::size_t>(kSampleCount)
        && std::all_of(values.begin(), values.end(),
                       [](std::int16_t value) { return value >= 0 && value <= 255; });
}

} // namespace

ZoomTool::ZoomTool(const PicCurve &plot, MeasuringTools &measuring, QWidget *owner)
    : QObject(owner)
    , plot_(plot)
    , measuring_(measuring)
    , owner_(owner)
{
    // Not Ctrl+Z nor Ctrl+Shift+Z: they read as undo and redo everywhere.
    QAction *open = measuring.addMenuEntry(QStringLiteral("Zoom\u2026"),
                                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Y));
    connect(open, &QAction::triggered, this, &ZoomTool::showWindow);
    connect(&measuring, &MeasuringTools::refreshed, this, &ZoomTool::refresh);
}

void ZoomTool::showWindow()
{
    if (!window_) {
        // A window of its own, not one whose return activates the main window.
        window_ = new ZoomWindow(owner_);
        window_->showInterpolation(interpolation_);
        measuring_.addCursorLayer(*window_->cursors());
        connect(window_, &ZoomWindow::interpolationChosen, this,
                [this](Interpolation interpolation) {
                    interpolation_ = interpolation;
                    window_->showInterpolation(interpolation);
                });
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    // The keys zoom and pan at once, not move the interpolation's choice.
    window_->plot()->setFocus(Qt::OtherFocusReason);
    refresh();
}

bool ZoomTool::setReference(std::optional<std::vector<std::int16_t>> values)
{
    if (values && !isRecord(*values))
        return false;
    reference_ = std::move(values);
    refresh();
    return true;
}

void ZoomTool::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    Given now {plot_.drawingsVersion(), reference_, measuring_.scale(), measuring_.captureName()};
    if (given_ == now)
        return;
    given_ = std::move(now);
    std::optional<ZoomCurve> reference;
    if (reference_)
        reference = ZoomCurve {*reference_, kReferenceColour};
    window_->showCurves(fileNameText(given_->captureName), curvesOf(plot_), std::move(reference),
                        given_->scale);
}

} // namespace orvant
