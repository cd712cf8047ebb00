#pragma once

#include "measure/shown_scale.h"
#include "measure/zoom_trace.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace orvant {

class MeasuringTools;
class PicCurve;
class ZoomWindow;

// "Zoom…" (Ctrl+Shift+Y) in the plot's context menu: every curve the plot shows, in
// its colour, in a window made at its first use that follows every refresh of the
// measuring tools (loads, overrides, Clear Window); a reference curve beside them,
// dashed. Reads the plot's drawings and never draws into it.
class ZoomTool : public QObject
{
    Q_OBJECT

public:
    ZoomTool(const PicCurve &plot, MeasuringTools &measuring, QWidget *owner);

    void showWindow();
    ZoomWindow *window() const { return window_; }
    // The reference curve, 512 codes (0 to 255) in the units of the others; none: no
    // reference. Other values are refused (false) and the reference stays as it was.
    bool setReference(std::optional<std::vector<std::int16_t>> values);

private:
    void refresh();

    const PicCurve &plot_;
    MeasuringTools &measuring_;
    QWidget *owner_;
    ZoomWindow *window_ = nullptr;
    Interpolation interpolation_ = Interpolation::Lines;
    std::optional<std::vector<std::int16_t>> reference_;
    // What the window was last given: the measuring tools refresh at every move of
    // a cursor, and unchanged curves are neither gathered nor drawn again.
    struct Given
    {
        std::uint64_t drawings = 0;
        std::optional<std::vector<std::int16_t>> reference;
        ShownScale scale;
        std::string captureName;
        bool operator==(const Given &) const = default;
    };
    std::optional<Given> given_;
};

} // namespace orvant
