#include "picture/report_document.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "export/fresh_capture.h"
#include "picture/report_page.h"
#include "shared/atomic_file.h"
#include "shared/folders.h"
#include "table/capture_summary.h"
#include "table/table_statistics.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>

namespace orvant {

namespace {

// Paper at this resolution; text in points whatever it is.
constexpr int kDotsPerInch = 1200;

// The writer of a document into `buffer`: white paper of the locale's size, no margins
// of its own (the pages keep theirs).
std::unique_ptr<QPdfWriter> writerInto(QBuffer &buffer, const QString &title)
{
    auto writer = std::make_unique<QPdfWriter>(&buffer);
    writer->setResolution(kDotsPerInch);
    writer->setPageSize(QPageSize(localPageSize()));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("ORVANT"));
    return writer;
}

QRectF pageRect(const QPdfWriter &writer)
{
    return {0, 0, double(writer.width()), double(writer.height())};
}

std::string bytesOf(const QBuffer &buffer)
{
    const QByteArray &data = buffer.data();
    return {data.constData(), static_cast<std::size_t>(data.size())};
}

// A fresh load as the batch makes it, with the viewer's warning on `err`.
class ReportStages : public LoadStages
{
public:
    ReportStages(std::ostream &err, const std::string &capture)
        : err_(err)
        , capture_(capture)
    {
    }
    void extensionWarning() override { err_ << capture_ << ": " << extensionWarningText() << '\n'; }

private:
    std::ostream &err_;
    const std::string &capture_;
};

struct ReportCapture
{
    FreshCapture fresh;
    CaptureSummary summary;
    std::string sha256;
};

ReportCapture reportCapture(const std::string &capture, std::ostream &err)
{
    ReportStages stages(err, capture);
    const std::filesystem::path path = pathFromText(capture);
    ReportCapture made {loadFreshCapture(path, stages), {}, {}};
    if (made.fresh.error) {
        made.summary.file = capture;
        made.summary.error = made.fresh.error;
        err << capture << ": Error " << made.fresh.error->number << " ("
            << made.fresh.error->description << ")\n";
        return made;
    }
    made.summary = summarizeLoaded(path, capture, *made.fresh.state);
    made.sha256 = fileSha256(path);
    return made;
}

} // namespace

std::string fileSha256(const std::filesystem::path &file)
{
    QFile f(QString::fromStdString(pathText(file)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return {};
    return hash.result().toHex().toStdString();
}

QPageSize::PageSizeId localPageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

void ensureOffscreenApplication()
{
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvant-export";
    static char *argv[] = {name, nullptr};
    // Qt's notes on the way (a runtime folder it would like) are not the run's report.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    static QGuiApplication application(argc, argv);
    qInstallMessageHandler(previous);
}

bool drawCapturePageOn(QPaintDevice &device, const CapturePage &content)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    drawCapturePage(painter, QRectF(0, 0, device.width(), device.height()), content);
    return true;
}

std::string capturePagePdf(const CapturePage &content)
{
    ensureOffscreenApplication();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        const auto writer = writerInto(buffer, QString::fromStdString(content.file));
        if (!drawCapturePageOn(*writer, content))
            return {};
    }
    return bytesOf(buffer);
}

std::string capturePdf(const std::string &capture, const VarGlobal &state,
                       const std::string &version)
{
    const std::filesystem::path path = pathFromText(capture);
    const CaptureSummary summary = summarizeLoaded(path, capture, state);
    return capturePagePdf(firstLoadPage(summary, &state.curveTable, {fileSha256(path), version}));
}

int writeReport(const std::vector<std::string> &captures, const std::filesystem::path &target,
                const std::string &version, std::ostream &out, std::ostream &err)
{
    ensureOffscreenApplication();
    std::vector<ReportCapture> loaded;
    std::vector<CaptureSummary> summaries;
    bool failed = false;
    for (const std::string &capture : captures) {
        loaded.push_back(reportCapture(capture, err));
        failed = failed || loaded.back().summary.error.has_value();
        summaries.push_back(loaded.back().summary);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        const auto writer = writerInto(buffer, QStringLiteral("ORVANT report"));
        QPainter painter(writer.get());
        if (!painter.isActive()) {
            err << "orvant-export: the report could not be drawn\n";
            return 1;
        }
        drawStatisticsPage(painter, pageRect(*writer), summaries, tableStatistics(summaries),
                           version);
        for (const ReportCapture &capture : loaded) {
            writer->newPage();
            const CurveTable *curve = capture.fresh.state && !capture.summary.error
                ? &capture.fresh.state->curveTable
                : nullptr;
            drawCapturePage(painter, pageRect(*writer), capture.summary, curve,
                            {capture.sha256, version});
        }
    }
    if (const auto failure = writeFileAtomically(target, bytesOf(buffer))) {
        err << "orvant-export: " << pathText(target) << " could not be written: " << *failure
            << '\n';
        return 1;
    }
    out << pathText(target) << '\n';
    return failed ? 1 : 0;
}

} // namespace orvant
