#pragma once

#include "picture/report_page.h"
#include "shared/var_global.h"

#include <QObject>

#include <functional>

class QAction;
class QPrinter;
class QWidget;

namespace orvant {

class MeasuringTools;
class PicCurve;
class SpectrumTool;

// "Save Report…" and "Print…" in the plot's context menu, once a load has completed:
// one page of what the viewer shows (the heading of the capture loaded last, every
// curve of the plot in its colour, the cursors and their readout, the settings as the
// panel shows them with those chosen by hand marked, the Measurements window's values,
// the spectrum's distortion figures) as a PDF or on a printer.
class ReportTool : public QObject
{
    Q_OBJECT

public:
    // Sets the printer up (or lets the user do it); false: cancelled.
    using PrintAsker = std::function<bool(QPrinter &printer)>;

    ReportTool(const VarGlobal &state, const PicCurve &plot, MeasuringTools &measuring,
               const SpectrumTool &spectrum, QWidget *owner);

    // Replaces the print dialog (tests print to a file).
    void setPrintAsker(PrintAsker asker) { askPrinter_ = std::move(asker); }
    // The page as it would be written now.
    CapturePage page() const;

private:
    void saveReport();
    void print();
    bool askWithDialog(QPrinter &printer) const;

    const VarGlobal &state_;
    const PicCurve &plot_;
    MeasuringTools &measuring_;
    const SpectrumTool &spectrum_;
    QWidget *owner_;
    QAction *saveReport_;
    QAction *print_;
    PrintAsker askPrinter_;
};

} // namespace orvant
