#include "viewer/report_tool.h"

#include "capture/load_path.h"
#include "cli/viewer_command_line.h"
#include "measure/curve_measurements.h"
#include "measure/pulse_measurements.h"
#include "measure/sample_gate.h"
#include "picture/report_document.h"
#include "shared/folders.h"
#include "shared/settings_catalogue.h"
#include "table/capture_summary.h"
#include "viewer/measuring_tools.h"
#include "viewer/spectrum_tool.h"
#include "widgets/pic_curve.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>

#include <filesystem>
#include <system_error>

namespace orvant {

namespace {

std::vector<std::string> pairLines(const std::vector<std::pair<std::string, std::string>> &pairs)
{
    std::vector<std::string> lines;
    for (const auto &pair : pairs)
        lines.push_back(pair.first + ": " + pair.second);
    return lines;
}

PageSection section(std::string title, std::vector<std::string> lines, int columns)
{
    PageSection made;
    made.title = std::move(title);
    made.lines = std::move(lines);
    made.columns = columns;
    return made;
}

std::optional<FileTime> modifiedOf(const std::filesystem::path &file)
{
    std::error_code error;
    const auto moment = std::filesystem::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return fileTimeOf(moment);
}

std::string versionText()
{
    std::string line = viewerVersionText();
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    return line;
}

} // namespace

ReportTool::ReportTool(const VarGlobal &state, const PicCurve &plot, MeasuringTools &measuring,
                       const SpectrumTool &spectrum, QWidget *owner)
    : QObject(owner)
    , state_(state)
    , plot_(plot)
    , measuring_(measuring)
    , spectrum_(spectrum)
    , owner_(owner)
    , saveReport_(measuring.addMenuEntry(QStringLiteral("Save Report\u2026"), QKeySequence()))
    , print_(measuring.addMenuEntry(QStringLiteral("Print\u2026"), QKeySequence::Print))
    , askPrinter_([this](QPrinter &printer) { return askWithDialog(printer); })
{
    setObjectName(QStringLiteral("reportTool"));
    for (QAction *action : {saveReport_, print_})
        action->setEnabled(false); // until a load has completed
    connect(saveReport_, &QAction::triggered, this, &ReportTool::saveReport);
    connect(print_, &QAction::triggered, this, &ReportTool::print);
    connect(&measuring, &MeasuringTools::refreshed, this, [this] {
        const bool loaded = !measuring_.captureName().empty();
        for (QAction *action : {saveReport_, print_})
            action->setEnabled(loaded);
    });
}

CapturePage ReportTool::page() const
{
    const std::string &file = measuring_.capturePath();
    const std::filesystem::path path = pathFromText(file);
    CapturePage content;
    content.file = file;
    content.modified = modifiedOf(path);
    content.facts = {fileSha256(path), versionText()};
    content.plotArea = {plot_.width(), plot_.height()};
    content.plot = plot_.commands();
    for (const Parameter parameter : kAllParameters) {
        const ShownSetting &shown = state_.shown[parameter];
        content.settings.push_back({std::string(parameterName(parameter)), shown.text, shown.red});
    }
    const ShownScale scale = measuring_.scale();
    if (const auto box = measuring_.cursorBox()) {
        content.cursors = box;
        content.sections.push_back(section("Cursors", cursorReadout(*box, scale), 4));
    }
    const auto between = measuring_.measuredBetween();
    const SampleRange range = between ? samplesBetween(*between) : SampleRange {};
    const std::string title
        = between ? "Measurements (" + gateHeading(*between, scale) + ")" : "Measurements";
    content.sections.push_back(section(
        title, pairLines(measurementTexts(measureCurve(state_.curveTable, range), scale)), 3));
    std::vector<std::string> pulse;
    for (const PulseText &figure : pulseTexts(measurePulse(state_.curveTable, range), scale))
        pulse.push_back(figure.name + ": " + figure.text
                        + (figure.reason.empty() ? "" : " (" + figure.reason + ")"));
    content.sections.push_back(section("Pulse", std::move(pulse), 3));
    content.sections.push_back(section("Distortion", pairLines(spectrum_.figureTexts()), 3));
    return content;
}

void ReportTool::saveReport()
{
    const auto chosen = measuring_.askSaveName("Save Report", ".pdf", "PDF documents (*.pdf)");
    if (!chosen)
        return;
    const std::string pdf = capturePagePdf(page());
    if (pdf.empty())
        measuring_.tell("The report could not be drawn; nothing was saved.");
    else
        measuring_.write(*chosen, pdf);
}

bool ReportTool::askWithDialog(QPrinter &printer) const
{
    QPrintDialog dialog(&printer, owner_);
    dialog.setWindowTitle(QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}

void ReportTool::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localPageSize()));
    printer.setFullPage(true); // the page keeps its own margins
    printer.setDocName(QString::fromStdString(measuring_.captureName()));
    if (!askPrinter_(printer))
        return;
    if (!drawCapturePageOn(printer, page()))
        measuring_.tell("The page could not be printed.");
}

} // namespace orvant
