// "Save Report…" and "Print…": one PDF page of what the viewer shows, read back with
// poppler's tools (text, pages, images) and drawn back as pixels.
#include "main_window_fixture.h"

#include "viewer/report_tool.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orvant::test {
namespace {

// A tool's standard output, or what it said on failure.
QString toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + program + " " + process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const std::string &pdf)
{
    return toolOutput("pdftotext", {QString::fromStdString(pdf), "-"}).simplified();
}

// Pixels of `rgb` in the page drawn at 100 dpi without antialiasing, so every pixel is
// one of the colours drawn.
int pagePixels(const std::string &pdf, QRgb rgb, double fromTop = 0)
{
    const QString base = QString::fromStdString(pdf) + ".page";
    toolOutput("pdftoppm",
               {"-r", "100", "-aa", "no", "-aaVector", "no", "-png", "-singlefile",
                QString::fromStdString(pdf), base});
    const QImage page(base + ".png");
    int count = 0;
    for (int y = static_cast<int>(fromTop * page.height()); y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            count += (page.pixel(x, y) & 0xFFFFFF) == rgb;
    return count;
}

class Report : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char *tool : {"pdftotext", "pdfimages", "pdfinfo", "pdftoppm", "sha256sum"})
            if (QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing";
        CaptureBuilder wave;
        for (int k = 0; k < 512; ++k)
            wave.samples[static_cast<std::size_t>(k)] = 131 + ((k / 25) % 2 ? 50 : -50);
        writeFile(captureFolder / "square.log", wave.hexText());
        for (int &sample : wave.samples)
            sample = 131 + (sample - 131) * 2; // twice as high
        writeFile(captureFolder / "high.log", wave.hexText());
    }

    // Three curves, black, red and blue, the last of the square; CH 1 VOLTS/DIV chosen
    // by hand (50 V); the cursors spanned.
    void showThreeCurvesAndCursors()
    {
        start();
        refreshFileList();
        clickFile("sine.log");
        clickOption(option("optCH2"));
        clickFile("high.log");
        clickOption(option("optCH3"));
        clickFile("square.log");
        overrideByClicks(101, 12);
        auto *cursors = child<PlotCursors>("plotCursors");
        QTest::mousePress(cursors, Qt::LeftButton, {}, QPoint(13, 284));
        QTest::mouseMove(cursors, QPoint(84, 168));
        QTest::mouseRelease(cursors, Qt::LeftButton, {}, QPoint(84, 168));
        settle();
    }

    // The settings as the panel shows them, a red one with its mark.
    std::vector<QString> settingLines() const
    {
        std::vector<QString> lines;
        for (int parameter = 101; parameter <= 125; ++parameter) {
            const QString name = child<QLabel>(QStringLiteral("lbl%1")
                                                   .arg(parameter - 100, 3, 10, QChar('0'))
                                                   .toUtf8()
                                                   .constData())
                                     ->text()
                                     .trimmed();
            const bool red = valueColour(parameter) == QColor(Qt::red);
            lines.push_back(name + ": " + valueText(parameter).trimmed() + (red ? " *" : ""));
        }
        return lines;
    }

    std::string savedReport(const char *name)
    {
        platform.saveAnswer = (temp.path() / name).string();
        menuEntry(QStringLiteral("Save Report\u2026"))->trigger();
        settle();
        return *platform.saveAnswer;
    }

    // Everything the page must say, checked on a PDF made by either entry.
    void expectPageOfTheViewer(const std::string &pdf)
    {
        const std::string bytes = readFile(pdf);
        ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
        const QString info = toolOutput("pdfinfo", {QString::fromStdString(pdf)});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+(595|612)[.\\d]* x (842|792)")))
            << info.toStdString();
        // Only the table's two header lines: no bitmap anywhere.
        EXPECT_EQ(toolOutput("pdfimages", {"-list", QString::fromStdString(pdf)})
                      .trimmed()
                      .split('\n')
                      .size(),
                  2);
        const QString text = pdfText(pdf);
        const QString capture = QString::fromStdString((captureFolder / "square.log").string());
        const QString sha = toolOutput("sha256sum", {capture}).section(' ', 0, 0);
        for (const QString &expected :
             {QStringLiteral("square.log File: ") + capture, QStringLiteral("SHA-256: ") + sha,
              QStringLiteral("Written by orvant 1.0.0"),
              // 50 units over 25.25 a division at 50 V: 99 V; periods of 50 samples of 20 µs.
              QStringLiteral("Maximum: 99 V"), QStringLiteral("Period: 1 ms"),
              QString::fromUtf8("\u0394t = 1 ms"), QStringLiteral("THD:"),
              QStringLiteral("* chosen by hand")})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                                 << text.toStdString();
        for (const QString &line : settingLines())
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
        EXPECT_EQ(text.count(QStringLiteral("*")), 2) << "one setting's mark and the footnote";
        // Every curve in its colour, the cursors in theirs; the red setting below the plot
        // (which ends above 55 % of the page's height).
        for (const QRgb colour : {0x000000u, 0xFF0000u, 0x0000FFu, 0x008C00u})
            EXPECT_GT(pagePixels(pdf, colour), 100) << std::hex << colour;
        EXPECT_GT(pagePixels(pdf, 0xFF0000, 0.55), 20);
    }
};

TEST_F(Report, EntriesWaitForACompletedLoad)
{
    start();
    refreshFileList();
    for (const char *text : {"Save Report\u2026", "Print\u2026"})
        EXPECT_FALSE(menuEntry(QString::fromUtf8(text))->isEnabled()) << text;
    clickFile("square.log");
    for (const char *text : {"Save Report\u2026", "Print\u2026"})
        EXPECT_TRUE(menuEntry(QString::fromUtf8(text))->isEnabled()) << text;
}

TEST_F(Report, SavedReportIsOnePageOfWhatTheViewerShows)
{
    showThreeCurvesAndCursors();
    platform.saveQuestions.clear();
    const std::string pdf = savedReport("report.pdf");
    ASSERT_EQ(platform.saveQuestions.size(), 1u);
    EXPECT_EQ(platform.saveQuestions[0].text, (folders.exportFolder() / "square.pdf").string());
    expectPageOfTheViewer(pdf);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Report, PrintGoesWhereThePrintDialogSays)
{
    showThreeCurvesAndCursors();
    auto *tool = window->findChild<ReportTool *>();
    ASSERT_NE(tool, nullptr);
    const std::string pdf = (temp.path() / "printed.pdf").string();
    const std::vector<bool> answers {false, true}; // cancelled, then printed
    for (const bool accept : answers) {
        tool->setPrintAsker([&](QPrinter &printer) {
            EXPECT_TRUE(printer.fullPage());
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return accept;
        });
        menuEntry(QStringLiteral("Print\u2026"))->trigger();
        settle();
        EXPECT_EQ(std::filesystem::exists(pdf), accept);
    }
    expectPageOfTheViewer(pdf);
}

// Without cursors, a window gate or a tone: no readout, all samples, no distortion.
TEST_F(Report, SectionsOnlyWhereTheViewerHasThem)
{
    start();
    refreshFileList();
    clickFile("sine.log"); // a flat line
    const QString text = pdfText(savedReport("flat.pdf"));
    for (const char *absent : {"Cursors", "Distortion", "THD", " *", "chosen by hand"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
    EXPECT_TRUE(text.contains(QStringLiteral("Measurements Maximum:"))) << text.toStdString();
    platform.saveAnswer.reset(); // cancelled: nothing written, nothing said
    menuEntry(QStringLiteral("Save Report\u2026"))->trigger();
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace orvant::test
