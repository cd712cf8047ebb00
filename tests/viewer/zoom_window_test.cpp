// The Zoom window: the plot's curves in their colours following loads and Clear
// Window, the span under real wheel, key and mouse events, the dots, the dashed
// reference.
#include "main_window_fixture.h"

#include "viewer/zoom_plot.h"
#include "viewer/zoom_tool.h"
#include "viewer/zoom_window.h"
#include "widgets/plot_cursors.h"

#include <QComboBox>
#include <QImage>
#include <QWheelEvent>

#include <functional>
#include <string>

namespace orvant::test {
namespace {

class ZoomWindowTest : public MainWindowTest
{
protected:
    // 500 x 300 pixels of curves: the plot's margins are 72 left, 10 right and top,
    // 24 below.
    static constexpr int kLeft = 72;
    static constexpr int kTop = 10;

    static void wheel(ZoomPlot &plot, QPointF at, int angle, Qt::KeyboardModifiers modifiers = {})
    {
        QWheelEvent event(at, plot.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&plot, &event);
    }

    static void key(ZoomPlot &plot, int code)
    {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(&plot, &event);
    }

    static void expectSpan(const ZoomSpan &shown, const ZoomSpan &expected, const std::string &why)
    {
        EXPECT_NEAR(shown.firstSample, expected.firstSample, 1e-6) << why;
        EXPECT_NEAR(shown.lastSample, expected.lastSample, 1e-6) << why;
        EXPECT_NEAR(shown.lowCode, expected.lowCode, 1e-6) << why;
        EXPECT_NEAR(shown.highCode, expected.highCode, 1e-6) << why;
    }

    static ZoomCurve flat(int code, QColor colour)
    {
        return {std::vector<std::int16_t>(512, static_cast<std::int16_t>(code)), colour};
    }

    static bool coloured(const QImage &image, int x, int y)
    {
        const QColor pixel = image.pixelColor(x, y);
        return pixel.red() < 200 || pixel.green() < 200 || pixel.blue() < 200;
    }

    // Pixels of `image` in the curves' area far from white on row `y`, as a fraction.
    static double colouredAlong(const QImage &image, int y)
    {
        int count = 0;
        for (int x = kLeft + 2; x < kLeft + 498; ++x)
            count += coloured(image, x, y) ? 1 : 0;
        return count / 496.0;
    }

    // A mouse event at an exact position, as the window system would send it.
    static void mouse(QWidget &target, QEvent::Type type, QPointF at,
                      Qt::KeyboardModifiers modifiers = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, at, target.mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(&target, &event);
    }

    static void drag(QWidget &target, QPointF from, QPointF to,
                     Qt::KeyboardModifiers modifiers = {})
    {
        mouse(target, QEvent::MouseButtonPress, from, modifiers);
        mouse(target, QEvent::MouseMove, to, modifiers);
        mouse(target, QEvent::MouseButtonRelease, to, modifiers);
    }

    ZoomWindow *zoomWindow() const
    {
        return qobject_cast<ZoomWindow *>(topLevel(QStringLiteral("zoom")));
    }
};

TEST_F(ZoomWindowTest, WheelKeysAndDragsGiveTheirSpans)
{
    ZoomPlot plot;
    plot.resize(kLeft + 500 + 10, kTop + 300 + 24);
    plot.setCurves({flat(100, Qt::blue)}, std::nullopt, ShownScale {});
    plot.show();
    ASSERT_DOUBLE_EQ(plot.plotWidth(), 500);
    const QPointF middle(kLeft + 250, kTop + 150); // sample 256.5, code 127.5
    struct Row
    {
        const char *action;
        std::function<void()> send;
        ZoomSpan expected;
    };
    const std::vector<Row> rows {
        // A notch: 1.25 times, around the pointer.
        {"wheel up in the middle", [&] { wheel(plot, middle, 120); }, {52.1, 460.9, 0, 255}},
        {"shift+wheel two notches",
         [&] { wheel(plot, middle, 240, Qt::ShiftModifier); },
         {52.1, 460.9, 45.9, 209.1}},
        {"plus: twice around the centre",
         [&] { key(plot, Qt::Key_Plus); },
         {154.3, 358.7, 45.9, 209.1}},
        {"right arrow: a tenth on",
         [&] { key(plot, Qt::Key_Right); },
         {174.74, 379.14, 45.9, 209.1}},
        {"up arrow: a tenth up", [&] { key(plot, Qt::Key_Up); }, {174.74, 379.14, 62.22, 225.42}},
        {"backspace: before the last zoom",
         [&] { key(plot, Qt::Key_Backspace); },
         {52.1, 460.9, 45.9, 209.1}},
        {"minus: half as much", [&] { key(plot, Qt::Key_Minus); }, {1, 512, 45.9, 209.1}},
        {"home: the whole record", [&] { key(plot, Qt::Key_Home); }, {1, 512, 0, 255}},
        {"backspace after home", [&] { key(plot, Qt::Key_Backspace); }, {1, 512, 45.9, 209.1}},
        {"home again", [&] { key(plot, Qt::Key_Home); }, {1, 512, 0, 255}},
        {"right drag: the rectangle",
         [&] {
             QTest::mousePress(&plot, Qt::RightButton, {}, QPoint(kLeft + 100, kTop + 50));
             QTest::mouseMove(&plot, QPoint(kLeft + 200, kTop + 100));
             QTest::mouseRelease(&plot, Qt::RightButton, {}, QPoint(kLeft + 300, kTop + 200));
         },
         {103.2, 307.6, 85, 212.5}},
        // 204.4 samples on 500 pixels: 100 pixels are 40.88 samples; 127.5 codes on 300: 30
        // pixels are 12.75 codes.
        {"left drag: 100 pixels left, 30 down",
         [&] {
             QTest::mousePress(&plot, Qt::LeftButton, {}, QPoint(kLeft + 300, kTop + 100));
             QTest::mouseMove(&plot, QPoint(kLeft + 200, kTop + 130));
             QTest::mouseRelease(&plot, Qt::LeftButton, {}, QPoint(kLeft + 200, kTop + 130));
         },
         {144.08, 348.48, 97.75, 225.25}},
        {"a right click is no rectangle",
         [&] { QTest::mouseClick(&plot, Qt::RightButton, {}, QPoint(kLeft + 10, kTop + 10)); },
         {144.08, 348.48, 97.75, 225.25}},
    };
    for (const Row &row : rows) {
        row.send();
        expectSpan(plot.span(), row.expected, row.action);
    }
}

TEST_F(ZoomWindowTest, SamplesShowAsDotsFromFourPixelsApart)
{
    ZoomPlot plot;
    plot.resize(kLeft + 500 + 10, kTop + 300 + 24);
    plot.setCurves({flat(100, Qt::blue)}, std::nullopt, ShownScale {});
    plot.show();
    // Code 100 lies at y = 10 + 155 / 255 * 300 = 192.35; a dot reaches 2.5 pixels up,
    // the line 1.
    const int aboveLine = 190;
    const auto dotAt = [&](int sample, const ZoomSpan &span) {
        const int x = kLeft
            + static_cast<int>(std::lround((sample - span.firstSample) * 500
                                           / (span.lastSample - span.firstSample)));
        const QImage image = plot.grab().toImage();
        return coloured(image, x, aboveLine) && !coloured(image, x + 2, aboveLine);
    };
    EXPECT_FALSE(plot.showsDots()); // 511 samples on 500 pixels
    EXPECT_FALSE(dotAt(257, plot.span()));
    // 100 samples from 101 to 201: 5 pixels a sample.
    QTest::mousePress(&plot, Qt::RightButton, {},
                      QPoint(kLeft + static_cast<int>(std::lround(100 * 500 / 511.0)), kTop));
    QTest::mouseRelease(
        &plot, Qt::RightButton, {},
        QPoint(kLeft + static_cast<int>(std::lround(200 * 500 / 511.0)), kTop + 300));
    EXPECT_GE(sampleWidth(plot.span(), 500), 4.0);
    EXPECT_TRUE(plot.showsDots());
    EXPECT_TRUE(dotAt(150, plot.span()));
    EXPECT_TRUE(dotAt(170, plot.span()));
    key(plot, Qt::Key_Home);
    EXPECT_FALSE(dotAt(257, plot.span()));
}

TEST_F(ZoomWindowTest, TheReferenceIsDashed)
{
    ZoomPlot plot;
    plot.resize(kLeft + 500 + 10, kTop + 300 + 24);
    plot.setCurves({flat(100, Qt::blue)}, flat(200, QColor(0, 140, 0)), ShownScale {});
    plot.show();
    ASSERT_TRUE(plot.hasReference());
    const QImage image = plot.grab().toImage();
    // Code 200 at y = 10 + 55 / 255 * 300 = 74.7: rows 74 and 75 hold the line.
    const double dashed = colouredAlong(image, 74);
    EXPECT_GT(dashed, 0.3);
    EXPECT_LT(dashed, 0.85);
    EXPECT_GT(colouredAlong(image, 192), 0.99); // the curve, solid
    plot.setCurves({flat(100, Qt::blue)}, std::nullopt, ShownScale {});
    EXPECT_LT(colouredAlong(plot.grab().toImage(), 74), 0.05); // grid lines only
}

TEST_F(ZoomWindowTest, FollowsLoadsAndClearWindowAndLeavesThePlot)
{
    CaptureBuilder square;
    for (int k = 0; k < 512; ++k)
        square.samples[static_cast<std::size_t>(k)] = (k / 25) % 2 ? 200 : 60;
    writeFile(captureFolder / "square.log", square.hexText());
    start();
    refreshFileList();
    clickFile("square.log");
    clickOption(option("optCH2"));
    clickFile("sine.log"); // flat at 0x80, in red
    const QImage picture = plot().image();
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    ZoomWindow *zoom = zoomWindow();
    ASSERT_TRUE(zoom && zoom->isVisible());
    ZoomPlot *curves = zoom->plot();
    EXPECT_EQ(curves->curveCount(), 2);
    EXPECT_FALSE(curves->hasReference());
    EXPECT_EQ(zoom->focusWidget(), curves); // the keys zoom at once
    EXPECT_EQ(zoom->findChild<QLabel *>(QStringLiteral("zoomCapture"))->text(), "sine.log");
    // A fresh load's scale: 1 V and 1 mS a division.
    EXPECT_EQ(zoom->findChild<QLabel *>(QStringLiteral("zoomSpan"))->text(),
              QString::fromUtf8("-160 \u00b5s to 10.1 ms, -5.19 V to 4.91 V"));
    const QImage shown = curves->grab().toImage();
    int red = 0;
    int black = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor pixel = shown.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80 ? 1 : 0;
            black += pixel.red() < 60 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 300);
    EXPECT_GT(black, 300);

    auto *choice = zoom->findChild<QComboBox *>(QStringLiteral("zoomInterpolation"));
    EXPECT_EQ(choice->accessibleName(), "Interpolation");
    choice->setCurrentIndex(2);
    emit choice->activated(2); // as the user's choice
    EXPECT_EQ(curves->interpolation(), Interpolation::Sinc);
    EXPECT_NE(curves->grab().toImage(), shown); // drawn anew: the square rings

    auto *tool = window->findChild<ZoomTool *>();
    ASSERT_NE(tool, nullptr);
    EXPECT_FALSE(tool->setReference(std::vector<std::int16_t>(511, 100)));
    EXPECT_FALSE(tool->setReference(std::vector<std::int16_t>(512, 256)));
    EXPECT_FALSE(curves->hasReference());
    EXPECT_TRUE(tool->setReference(std::vector<std::int16_t>(512, 100)));
    EXPECT_TRUE(curves->hasReference());
    EXPECT_EQ(plot().image(), picture); // nothing drawn into the plot

    // The same capture in the same colour again lies on itself: one curve, on top.
    clickFile("square.log");
    clickFile("sine.log");
    clickFile("sine.log");
    EXPECT_EQ(curves->curveCount(), 3); // black square, red square, red sine: not 5
    clickOption(option("optClr"));
    EXPECT_EQ(curves->curveCount(), 0);
    EXPECT_TRUE(curves->hasReference()); // the reference stays until it is taken away
    EXPECT_EQ(zoom->findChild<QLabel *>(QStringLiteral("zoomSpan"))->text(),
              "-0.16 div to 10.1 div, -5.19 div to 4.91 div");
    clickFile("square.log");
    EXPECT_EQ(curves->curveCount(), 1);
    EXPECT_TRUE(tool->setReference(std::nullopt));
    EXPECT_FALSE(curves->hasReference());
    EXPECT_EQ(curves->interpolation(), Interpolation::Sinc); // kept for the run
}

TEST_F(ZoomWindowTest, CursorsThereAreThePlotsInTheZoomsUnits)
{
    start();
    refreshFileList();
    clickFile("sine.log"); // 1 V and 1 mS a division
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    ZoomWindow *zoom = zoomWindow();
    ASSERT_TRUE(zoom);
    ZoomPlot &curves = *zoom->plot();
    auto *layer = zoom->findChild<PlotCursors *>(QStringLiteral("zoomCursors"));
    auto *plotLayer = child<PlotCursors>("plotCursors");
    ASSERT_TRUE(layer && plotLayer);
    // Where the view shows a sample position and a code.
    const auto at = [&](double sample, double code) {
        const ZoomView view = curves.view();
        const ZoomSpan &s = view.span;
        return QPointF(view.left
                           + (sample - s.firstSample) / (s.lastSample - s.firstSample) * view.width,
                       view.top + (s.highCode - code) / (s.highCode - s.lowCode) * view.height);
    };
    const ZoomSpan whole = wholeRecord();
    const ZoomSpan doubled {128.75, 384.25, 0, 255}; // + : twice around the centre
    // A pan 10 pixels left: the 255.5 samples shown come later by 10 pixels' worth.
    const double later = 10 * 255.5 / curves.view().width;
    const ZoomSpan panned {128.75 + later, 384.25 + later, 0, 255};
    // Cursors in plot units: x = 2 × sample, y = code; code 131 is 0 V, 25.25 codes a volt.
    const CursorBox spanned {202, 402, 80.5, 181.5};
    const CursorBox moved {202, 502, 80.5, 181.5};
    struct Row
    {
        const char *action;
        std::function<void()> send;
        std::optional<CursorBox> box;
        ZoomSpan span;
    };
    const std::vector<Row> rows {
        {"a plain drag on the whole record pans nothing and spans nothing",
         [&] { drag(*layer, at(300, 30), at(250, 60)); }, std::nullopt, whole},
        {"Ctrl and a drag spans the cursors",
         [&] { drag(*layer, at(101, 80.5), at(201, 181.5), Qt::ControlModifier); }, spanned, whole},
        {"a drag on t2 moves it alone", [&] { drag(*layer, at(201, 130), at(251, 130)); }, moved,
         whole},
        {"+ zooms the view; the cursors stay where they are in the record",
         [&] { key(curves, Qt::Key_Plus); }, moved, doubled},
        {"a plain drag away from them pans",
         [&] {
             const QPointF from = at(300, 30).toPoint();
             drag(*layer, from, from - QPointF(10, 0));
         },
         moved, panned},
        {"Esc in the zoom hides them", [&] { QTest::keyClick(zoom, Qt::Key_Escape); }, std::nullopt,
         panned},
        // Pixel (13, 284) of the 733 x 585 plot: x 18.40, y 130.99 in its units.
        {"a click on the plot spans them there and in the zoom",
         [&] {
             QTest::mousePress(plotLayer, Qt::LeftButton, {}, QPoint(13, 284));
             QTest::mouseRelease(plotLayer, Qt::LeftButton, {}, QPoint(13, 284));
         },
         CursorBox {18.40, 18.40, 130.99, 130.99}, panned},
    };
    for (const Row &row : rows) {
        row.send();
        settle();
        expectSpan(curves.span(), row.span, row.action);
        ASSERT_EQ(plotLayer->box().has_value(), row.box.has_value()) << row.action;
        EXPECT_EQ(layer->box(), plotLayer->box()) << row.action;
        if (!row.box)
            continue;
        EXPECT_NEAR(plotLayer->box()->t1, row.box->t1, 0.006) << row.action;
        EXPECT_NEAR(plotLayer->box()->t2, row.box->t2, 0.006) << row.action;
        EXPECT_NEAR(plotLayer->box()->v1, row.box->v1, 0.006) << row.action;
        EXPECT_NEAR(plotLayer->box()->v2, row.box->v2, 0.006) << row.action;
        if (row.box != spanned)
            continue;
        // The readout in the zoom's units, and the cursors drawn where it shows them.
        EXPECT_EQ(layer->readout(),
                  QStringList({"t1 = 1.84 ms", "t2 = 3.84 ms", QString::fromUtf8("\u0394t = 2 ms"),
                               QString::fromUtf8("1/\u0394t = 500 Hz"), "V1 = -2 V", "V2 = 2 V",
                               QString::fromUtf8("\u0394V = 4 V")}));
        const QImage image = curves.grab().toImage();
        const int x = static_cast<int>(at(101, 0).x());
        int green = 0;
        for (int y = static_cast<int>(at(0, 60).y()); y < at(0, 20).y(); ++y) {
            for (const int column : {x - 1, x, x + 1}) {
                const QColor pixel = image.pixelColor(column, y);
                green += pixel.green() > 100 && pixel.red() < 60 && pixel.blue() < 60 ? 1 : 0;
            }
        }
        EXPECT_GT(green, 5) << "t1's dashed line";
    }
}

} // namespace
} // namespace orvant::test
