#pragma once

#include "measure/cursor_readout.h"
#include "measure/reference_difference.h"
#include "measure/shown_scale.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/main_window_controls.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace orvant {

class GatedMeasurements;
class MeasurementsWindow;
class Platform;
class PlotCursors;

// Measuring on the plot, reached through its context menu and two keys: cursors
// drawn over the plot with their readout, the "Measurements" window, the plot as a
// picture and the samples as CSV. The scale is that of the settings as shown, so a
// setting corrected by hand counts. Adds no control to the window's layout.
class MeasuringTools : public QObject
{
    Q_OBJECT

public:
    MeasuringTools(const VarGlobal &state, Platform &platform, const Folders &folders,
                   const MainWindowControls &controls, QObject *parent);

    // A load completed: its file name names the saved files and the window.
    void loadCompleted(const QByteArray &fileName);
    // The value labels or the curve table changed: readout and window follow.
    void refresh();
    // An entry of the plot's context menu for another tool, with its key.
    QAction *addMenuEntry(const QString &text, const QKeySequence &key);

    // The scale of the settings as shown, and the name of the capture loaded last.
    ShownScale scale() const;
    const std::string &captureName() const { return captureName_; }
    // The reference the Measurements window compares the curve with, and whether the
    // plot's cursor layer shows it; none: no reference.
    void setReference(std::optional<ReferenceCurve> reference, bool onPlot);
    const std::optional<ReferenceCurve> &reference() const { return reference_; }
    // The full name of the capture loaded last, as the load read it.
    const std::string &capturePath() const { return capturePath_; }
    // Another layer showing the same cursors over another view of the record (the
    // zoom's): it follows the plot's cursors, readout and marks, and cursors moved
    // there move the plot's.
    void addCursorLayer(PlotCursors &layer);
    // The cursors as they are shown; none while hidden.
    std::optional<CursorBox> cursorBox() const;
    // The cursors the Measurements window measures between; none: all samples.
    std::optional<CursorBox> measuredBetween() const;
    // Asks where to save `content`, offering "<capture name><suffix>" in the export
    // folder, and writes it there; a failure is told in a message.
    void save(const char *title, const char *suffix, const char *filter,
              const std::string &content);
    // The same in two steps: where, then what.
    std::optional<std::string> askSaveName(const char *title, const char *suffix,
                                           const char *filter) const;
    void write(const std::string &chosen, const std::string &content) const;
    // A message box of the program's ("Message", OK).
    void tell(const std::string &text) const;

signals:
    // After every refresh: what other tools show follows the plot.
    void refreshed();
    // A reference was set or cleared.
    void referenceChanged();

private:
    QAction *addAction(const QString &text, void (MeasuringTools::*slot)());
    void showMeasurementsWindow();
    void copyPicture();
    void savePicture();
    void saveCsv();

    const VarGlobal &state_;
    Platform &platform_;
    const Folders &folders_;
    const MainWindowControls &controls_;
    PlotCursors *cursors_;
    std::vector<QPointer<PlotCursors>> otherLayers_;
    QMenu *menu_;
    MeasurementsWindow *window_ = nullptr;
    GatedMeasurements *gated_ = nullptr; // with the window
    QAction *hideCursors_ = nullptr;
    QAction *copyPicture_ = nullptr;
    QAction *savePicture_ = nullptr;
    QAction *saveCsv_ = nullptr;
    std::string captureName_;
    std::optional<ReferenceCurve> reference_;
    std::string capturePath_;
};

} // namespace orvant
