// Measuring through the window: the context menu's entries, the Measurements
// window following loads and overrides, the picture and the CSV as saved.
#include "main_window_fixture.h"

#include "widgets/plot_cursors.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <sstream>

namespace orvant::test {
namespace {

class Measuring : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CaptureBuilder wave;
        for (int k = 0; k < 512; ++k)
            wave.samples[static_cast<std::size_t>(k)] = 131 + ((k / 25) % 2 ? 50 : -50);
        writeFile(captureFolder / "square.log", wave.hexText());
    }

    QString measurement(const char *name) const
    {
        const QWidget *shown = topLevel(QStringLiteral("measurements"));
        if (!shown)
            return {};
        const auto *value = shown->findChild<QLabel *>(QStringLiteral("measurement(%1)").arg(name));
        return value ? value->text() : QString();
    }
};

TEST_F(Measuring, MeasurementsWindowFollowsLoadsAndOverridesOfTheScale)
{
    start();
    refreshFileList();
    EXPECT_FALSE(menuEntry(QStringLiteral("Save Curve as CSV\u2026"))->isEnabled());
    clickFile("square.log");
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    settle();
    // 50 units of 25.25 per division at 1 V: 1.98 V; periods of 50 samples.
    EXPECT_EQ(measurement("Maximum"), QString::fromUtf8("1.98 V"));
    EXPECT_EQ(measurement("Period"), QString::fromUtf8("1 ms"));
    EXPECT_EQ(measurement("Duty cycle"), QString::fromUtf8("50 %"));
    overrideByClicks(101, 12); // 50 V per division
    EXPECT_EQ(measurement("Maximum"), QString::fromUtf8("99 V"));
    clickFile("sine.log"); // a flat line: no period
    EXPECT_EQ(measurement("Period"), QString::fromUtf8("\u2014"));
    EXPECT_EQ(topLevel(QStringLiteral("measurements"))->findChild<QLabel *>()->text(), "sine.log");
}

TEST_F(Measuring, AReferenceIsComparedWithAndShownOnTheCursorLayerOnly)
{
    start();
    refreshFileList();
    QAction *set = menuEntry(QStringLiteral("Set as Reference"));
    QAction *clear = menuEntry(QStringLiteral("Clear Reference"));
    QAction *onPlot = menuEntry(QStringLiteral("Show Reference on Plot"));
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(clear->isEnabled());
    clickFile("square.log");
    ASSERT_TRUE(set->isEnabled());
    set->trigger();
    EXPECT_TRUE(clear->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    settle();
    EXPECT_EQ(measurement("RMS difference"), QString::fromUtf8("0 V"));

    // The flat 128 against the square's 81 (262 samples) and 181 (250): differences of
    // 47 and 53 values, 25.25 a division at 1 V.
    clickFile("sine.log");
    EXPECT_EQ(measurement("RMS difference"), QString::fromUtf8("1.98 V"));
    EXPECT_EQ(measurement("Largest difference"), QString::fromUtf8("2.1 V"));

    const QImage before = plot().image();
    auto *layer = child<PlotCursors>("plotCursors");
    EXPECT_TRUE(layer->reference().empty());
    onPlot->setChecked(true);
    ASSERT_EQ(layer->reference().size(), 512u);
    EXPECT_EQ(layer->reference()[30], 181); // sample 31 of the square
    EXPECT_EQ(plot().image(), before);

    clear->trigger();
    EXPECT_TRUE(layer->reference().empty());
    EXPECT_EQ(measurement("RMS difference"), QString());
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_FALSE(onPlot->isEnabled());
    EXPECT_EQ(measurement("Maximum"), QString::fromUtf8("-119 mV")); // the rows before stay
}

TEST_F(Measuring, SpectrumFollowsLoadsAndOverridesAndLeavesThePicture)
{
    start();
    refreshFileList();
    clickFile("square.log");
    const QImage picture = plot().image();
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    QWidget *spectrum = topLevel(QStringLiteral("spectrum"));
    ASSERT_TRUE(spectrum && spectrum->isVisible());
    const auto shown = [spectrum](const QString &name) {
        const auto *label = spectrum->findChild<QLabel *>(name);
        return label ? label->text() : QString();
    };
    // A square of 50 samples a period at 1 mS a division: 1 kHz, its odd harmonics.
    EXPECT_EQ(shown(QStringLiteral("figure(Fundamental)")), QString::fromUtf8("1 kHz"));
    // About -7.36 dB, the harmonics 3 to 9 of 1/n each; a reading, no bound.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^-7\\.[2-4]\\d? dB$"))
                    .match(shown(QStringLiteral("figure(THD)")))
                    .hasMatch())
        << shown(QStringLiteral("figure(THD)")).toStdString();
    auto *spectrumPlot = spectrum->findChild<QWidget *>(QStringLiteral("spectrumPlot"));
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(spectrumPlot, Qt::Key_Right);
    EXPECT_TRUE(shown(QStringLiteral("spectrumReadout")).startsWith(QStringLiteral("977 Hz, ")));
    const auto *readout = spectrum->findChild<QLabel *>(QStringLiteral("spectrumReadout"));
    EXPECT_EQ(readout->accessibleName(), QStringLiteral("Readout ") + readout->text());

    overrideByClicks(109, 16); // 10 mS per division: every frequency a tenth
    EXPECT_TRUE(shown(QStringLiteral("spectrumReadout")).startsWith(QStringLiteral("97.7 Hz, ")));
    EXPECT_EQ(shown(QStringLiteral("figure(Fundamental)")), QString::fromUtf8("100 Hz"));
    auto *windows = spectrum->findChild<QComboBox *>();
    windows->setCurrentIndex(2);
    emit windows->activated(2); // flat top, as a choice by the user
    EXPECT_EQ(shown(QStringLiteral("figure(Fundamental)")), QString::fromUtf8("100 Hz"));
    EXPECT_EQ(plot().image(), picture); // nothing of it drawn into the plot

    platform.saveAnswer = (temp.path() / "spectrum.csv").string();
    QTest::mouseClick(spectrum->findChild<QPushButton *>(QStringLiteral("saveSpectrum")),
                      Qt::LeftButton);
    ASSERT_EQ(platform.saveQuestions.size(), 1u);
    EXPECT_EQ(platform.saveQuestions[0].text,
              (folders.exportFolder() / "square spectrum.csv").string());
    std::istringstream csv(readFile(*platform.saveAnswer));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "bin,frequency_hz,level_vrms,level_dbv,level_dbfs\r");
    std::getline(csv, line);
    EXPECT_EQ(line.substr(0, 4), "0,0,");

    clickFile("sine.log"); // a flat line: no tone
    EXPECT_EQ(shown(QStringLiteral("figure(Fundamental)")), QString::fromUtf8("\u2014"));
    EXPECT_EQ(shown(QStringLiteral("figure(SINAD)")), QString::fromUtf8("\u2014"));
}

TEST_F(Measuring, TheSpectrumBetweenTheCursors)
{
    start();
    refreshFileList();
    clickFile("square.log");
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    QWidget *spectrum = topLevel(QStringLiteral("spectrum"));
    ASSERT_TRUE(spectrum);
    auto *gate = spectrum->findChild<QCheckBox *>(QStringLiteral("spectrumBetweenCursors"));
    auto *heading = spectrum->findChild<QLabel *>(QStringLiteral("spectrumSamples"));
    auto *level = spectrum->findChild<QLabel *>(QStringLiteral("figure(Level)"));
    EXPECT_FALSE(gate->isVisible()); // no cursors yet
    const QString whole = level->text();
    // The time cursors around two of the square's periods (samples 9 to 109).
    auto *cursors = child<PlotCursors>("plotCursors");
    QTest::mousePress(cursors, Qt::LeftButton, {}, QPoint(13, 284));
    QTest::mouseMove(cursors, QPoint(84, 168));
    QTest::mouseRelease(cursors, Qt::LeftButton, {}, QPoint(84, 168));
    settle();
    EXPECT_TRUE(gate->isVisible());
    EXPECT_FALSE(heading->isVisible());
    gate->click();
    EXPECT_TRUE(heading->isVisible());
    EXPECT_TRUE(heading->text().startsWith(QStringLiteral("Between ")));
    EXPECT_NE(level->text(), whole); // a fifth of the record, padded: another level
    menuEntry(QStringLiteral("Hide Cursors"))->trigger(); // the whole record again
    EXPECT_FALSE(gate->isVisible());
    EXPECT_EQ(level->text(), whole);
}

TEST_F(Measuring, CursorsNeverTouchThePictureAndTheReadoutFollowsTheScale)
{
    start();
    refreshFileList();
    clickFile("square.log");
    const QImage picture = plot().image();
    const QImage shown = plot().grab().toImage();
    auto *cursors = child<PlotCursors>("plotCursors");
    // Pixels (13, 284) to (84, 168) of the 733 x 585 plot: x 18.40 to 118.89 and
    // y 130.99 to 181.64 in plot units, at 1 V and 1 mS per division.
    QTest::mousePress(cursors, Qt::LeftButton, {}, QPoint(13, 284));
    QTest::mouseMove(cursors, QPoint(84, 168));
    QTest::mouseRelease(cursors, Qt::LeftButton, {}, QPoint(84, 168));
    ASSERT_TRUE(cursors->box());
    EXPECT_NE(plot().grab().toImage(), shown);
    EXPECT_EQ(plot().image(), picture);
    EXPECT_EQ(
        cursors->accessibleDescription(),
        QString::fromUtf8("t1 = 3.99 \u00b5s, t2 = 1.01 ms, \u0394t = 1 ms, 1/\u0394t = 995 Hz, "
                          "V1 = -271 \u00b5V, V2 = 2.01 V, \u0394V = 2.01 V"));
    clickOption(option("optClr")); // labels emptied: readings in divisions, cursors stay
    EXPECT_TRUE(cursors->accessibleDescription().contains(QString::fromUtf8("\u0394V = 2.01 div")));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(cursors->box());
    clickFile("square.log");
    EXPECT_EQ(plot().grab().toImage(), plot().image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(Measuring, PictureAndCsvAreSavedWhereTheUserSays)
{
    start();
    refreshFileList();
    clickFile("square.log");
    platform.saveAnswer = (temp.path() / "curve.csv").string();
    menuEntry(QStringLiteral("Save Curve as CSV\u2026"))->trigger();
    ASSERT_EQ(platform.saveQuestions.size(), 1u);
    EXPECT_EQ(platform.saveQuestions[0].text, (folders.exportFolder() / "square.csv").string());
    std::istringstream csv(readFile(*platform.saveAnswer));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "sample,time_s,value,volts\r");
    std::getline(csv, line); // sample 1 at x = 2: 0.16 division left of the graticule, 1 ms each
    EXPECT_EQ(line, "1,-0.00016,81,-1.9801980198019802\r");

    platform.saveAnswer = (temp.path() / "picture.png").string();
    menuEntry(QStringLiteral("Save Picture\u2026"))->trigger();
    EXPECT_EQ(QImage(QString::fromStdString(*platform.saveAnswer)).size(), plot().size());

    platform.saveAnswer = (temp.path() / "no-such-folder" / "x.csv").string();
    menuEntry(QStringLiteral("Save Curve as CSV\u2026"))->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.find("could not be saved") != std::string::npos);
}

// A name ending in ".svg" saves the plot's drawing calls as vectors: drawn back, the
// same plot as the PNG of the plot area, two curves of two colours included.
TEST_F(Measuring, PictureSavedAsSvgByItsSuffix)
{
    start();
    refreshFileList();
    clickFile("square.log");
    clickFile("square.log");
    platform.saveAnswer = (temp.path() / "picture.SVG").string();
    menuEntry(QStringLiteral("Save Picture…"))->trigger();
    const std::string svg = readFile(*platform.saveAnswer);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), plot().size()));
    QImage back(plot().size(), QImage::Format_RGB32);
    back.fill(Qt::magenta);
    QPainter painter(&back);
    renderer.render(&painter);
    painter.end();
    // Away from the lines, the plot's own colours: the background nowhere missing, and
    // the colours of both curves there.
    const QImage shown = plot().image().convertToFormat(QImage::Format_RGB32);
    int same = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            same += shown.pixel(x, y) == back.pixel(x, y);
    EXPECT_GT(same, shown.width() * shown.height() * 95 / 100);
    EXPECT_EQ(back.pixelColor(2, 200), shown.pixelColor(2, 200)); // the outer border
}

// The saved files are named as orvant-export names them: a final ".log" in any case goes.
TEST_F(Measuring, SaveDialogsOfferTheNamesTheBatchWrites)
{
    start();
    writeFile(captureFolder / "a.LOG", CaptureBuilder {}.hexText());
    writeFile(captureFolder / "b.log.txt", CaptureBuilder {}.hexText());
    refreshFileList();
    const std::vector<std::pair<QString, std::string>> cases {{"a.LOG", "a"},
                                                              {"b.log.txt", "b.log.txt"}};
    for (const auto &[file, base] : cases) {
        clickFile(file);
        platform.saveQuestions.clear();
        menuEntry(QStringLiteral("Save Curve as CSV\u2026"))->trigger();
        menuEntry(QStringLiteral("Save Picture\u2026"))->trigger();
        ASSERT_EQ(platform.saveQuestions.size(), 2u);
        EXPECT_EQ(platform.saveQuestions[0].text,
                  (folders.exportFolder() / (base + ".csv")).string());
        EXPECT_EQ(platform.saveQuestions[1].text,
                  (folders.exportFolder() / (base + ".png")).string());
    }
}

} // namespace
} // namespace orvant::test
