#pragma once

#include "shared/var_global.h"

#include <QObject>

class QAction;

namespace orvant {

class MeasuringTools;
class ZoomTool;

// "Set as Reference", "Clear Reference" and "Show Reference on Plot" in the plot's
// context menu: the shown curve (its samples and the scale shown) kept as a reference,
// compared with in the Measurements window, drawn dashed in the zoom window and, when
// asked, on the plot's cursor layer, never into its picture. Kept for the run, through
// loads and Clear Window, until cleared.
class ReferenceTool : public QObject
{
    Q_OBJECT

public:
    ReferenceTool(const VarGlobal &state, MeasuringTools &measuring, ZoomTool &zoom,
                  QObject *parent);

    void setFromShownCurve();
    void clear();

private:
    void showOnPlot(bool on);
    void follow();
    void apply();

    const VarGlobal &state_;
    MeasuringTools &measuring_;
    ZoomTool &zoom_;
    QAction *set_;
    QAction *clear_;
    QAction *onPlot_;
};

} // namespace orvant
